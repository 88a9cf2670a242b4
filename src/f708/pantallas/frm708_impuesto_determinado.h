#pragma once

#include "core/clave_ddjj.h"
#include "pantallas/abm.h"
#include "pantallas/edicion.h"
#include "pantallas/pantalla_entrada.h"

class QGroupBox;
class QLineEdit;
class QTableView;
class QToolButton;

namespace veluma {

class Mensajes;
class ModeloImpuesto;
struct Sesion;

// The tickets of one room in one week, by sale price, with the tax each
// price line carries at the declaration's rate and the room's totals.
class frm708ImpuestoDeterminado : public PantallaEntrada {
    Q_OBJECT
public:
    // The lines of room `sala` in week `semana` of the session's declaration.
    frm708ImpuestoDeterminado(Sesion& sesion, Mensajes& mensajes, int semana, qint32 sala, QWidget* parent = nullptr);

    static QString caption() { return QStringLiteral("Impuesto Determinado"); }

private:
    void crearControles();
    void Form_Load();
    const ClaveDDJJ& clave() const;
    void leerLineas();
    void seleccionar(int fila);
    int filaSeleccionada() const;
    bool tieneFilas() const;
    void Grilla_RowColChange();
    void mostrarLinea(double precioVenta, double entradas);
    void calcularLineaEscrita();
    void mostrarTotales();
    void LimpiarCajas();
    void HabilitarEdicion(bool editando);
    void CmdNuevo_Click();
    void cmdModificar_Click();
    void cmdAceptar_Click();
    void CmdCancelar_Click();
    void cmdeliminarabm_click();
    void cmdEliminarTodos_Click();
    // Lines from a CSV file, for this room and week unless the file names others.
    void cmdImportar_Click();
    // After a change: the list read again, the row sold at `precioVenta`
    // chosen (the first when none is), the totals, browsing.
    void volverALaLista(double precioVenta);

    Sesion& sesion_;
    Mensajes& mensajes_;
    int semana_;
    qint32 sala_;
    double alicuota_;
    ModoEdicion modo_ = ModoEdicion::Consulta;

    ModeloImpuesto* modelo_;
    QTableView* Grilla_;
    QGroupBox* frDatos_;
    QLineEdit* txtPrecioVenta_;
    QLineEdit* txtCantEntradas_;
    QLineEdit* txtPrecioBasico_;
    QLineEdit* txtImpuestoDeterminado_;
    QLineEdit* txtTotalImpuestoSemana_;
    QLineEdit* TotalImpuestoMes_;
    QToolButton* cmdImportar_;
    BotonesABM botones_;
};

}  // namespace veluma
