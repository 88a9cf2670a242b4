#pragma once

#include "pantallas/abm.h"
#include "pantallas/edicion.h"
#include "pantallas/pantalla_entrada.h"

class QComboBox;
class QGroupBox;
class QLineEdit;
class QTableView;
class QTableWidget;

class QToolButton;

namespace veluma {

class Mensajes;
class ModeloConceptos;
class cls617Licencias;
struct Sesion;

// The gross billing by concept of one licence, and the licence's five
// billing totals.
class frm617IngresosConceptos : public PantallaEntrada {
    Q_OBJECT
public:
    // `licencia` is the licence chosen in the licences screen; its totals are
    // kept current here.
    frm617IngresosConceptos(Sesion& sesion, Mensajes& mensajes, cls617Licencias& licencia, QWidget* parent = nullptr);

private:
    void crearControles();
    void Form_Load();
    void CargarGrilla();
    void seleccionar(int fila);
    int filaSeleccionada() const;
    bool tieneFilas() const;
    void RefrescarDatos();
    void RefrescarGrillaTotales();
    void LimpiarCampos();
    void HabilitarEdicion(bool editando);
    void txtTipoConcepto_Change();
    void ComboConcepto_Click();
    void CmdNuevo_Click();
    void cmdModificar_Click();
    void cmdAceptar_Click();
    void CmdCancelar_Click();
    void cmdeliminarabm_click();
    void cmdEliminarTodos_Click();
    // After a change: the licence's totals and rows read again, `concepto`
    // chosen (the first row when it is gone), browsing.
    void volverALaLista(qint64 concepto);
    // Concepts from a CSV file, for this licence unless the file names others.
    void cmdImportar_Click();

    Sesion& sesion_;
    Mensajes& mensajes_;
    cls617Licencias& LicenciaActual;
    ModoEdicion modo_ = ModoEdicion::Consulta;

    ModeloConceptos* modelo_;
    QTableView* Grilla_;
    QTableWidget* GrillaTotales_;
    QGroupBox* frDatos_;
    QLineEdit* txtTipoConcepto_;
    QComboBox* ComboConcepto_;
    QLineEdit* txtFacturacionBruta_;
    QToolButton* cmdImportar_;
    BotonesABM botones_;
};

}  // namespace veluma
