#pragma once

#include "f617/licencias_617.h"
#include "pantallas/abm.h"
#include "pantallas/edicion.h"
#include "pantallas/pantalla_entrada.h"

class QComboBox;
class QGroupBox;
class QLineEdit;
class QTableView;
class QTreeWidget;
class QTreeWidgetItem;

namespace veluma {

class Mensajes;
class ModeloLicencias;
struct Sesion;

// The broadcasting licences of the session's Form 617 declaration: list,
// editing, the tree of the selected licence's sections (from which its
// billing by concept and its totals are entered) and the declaration's
// total to pay.
class frm617Licencias : public PantallaEntrada {
    Q_OBJECT
public:
    frm617Licencias(Sesion& sesion, Mensajes& mensajes, QWidget* parent = nullptr);

private:
    void crearControles();
    void Form_Load();
    void CargarGrilla();
    void CargarCombo();
    void seleccionar(int fila);
    int filaSeleccionada() const;
    bool tieneFilas() const;
    void RefrescarDatos();
    void CargarArbol();
    void mostrarTotal();
    void VaciarCajas();
    void HabilitarEdicion(bool editando);
    void Grilla_HeadClick(int columna);
    void arbol_DblClick(QTreeWidgetItem* nodo);
    void txtTipoServicio_Change();
    void ComboTipo_Click();
    void CmdNuevo_Click();
    void cmdModificar_Click();
    void cmdAceptar_Click();
    void CmdCancelar_Click();
    void cmdeliminarabm_click();
    void cmdEliminarTodos_Click();
    // After a change: the list read again, `codigo` chosen (the first row when
    // it is gone), browsing.
    void volverALaLista(qint64 codigo);

    Sesion& sesion_;
    Mensajes& mensajes_;
    ModoEdicion modo_ = ModoEdicion::Consulta;
    OrdenLicencias orden_ = OrdenLicencias::Codigo;
    cls617Licencias LicenciaActual;

    ModeloLicencias* modelo_;
    QTableView* Grilla_;
    QGroupBox* frDatos_;
    QLineEdit* txtApellidoNombre_;
    QLineEdit* txtDomicilio_;
    QLineEdit* txtTipoServicio_;
    QComboBox* ComboTipo_;
    QLineEdit* FhInicioActividades_;
    QGroupBox* FrArbol_;
    QTreeWidget* arbol_;
    QLineEdit* txtTotalLicencias_;
    BotonesABM botones_;
};

}  // namespace veluma
