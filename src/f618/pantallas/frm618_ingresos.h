#pragma once

#include "pantallas/abm.h"
#include "pantallas/edicion.h"
#include "pantallas/pantalla_entrada.h"

class QGroupBox;
class QLineEdit;
class QTableView;

class QToolButton;

namespace veluma {

class Mensajes;
class ModeloIngresos;
struct Sesion;

// The days of one kind of income of the session's Form 618 declaration: net
// and total collected per day, and the month's net total.
class frm618Ingresos : public PantallaEntrada {
    Q_OBJECT
public:
    // `tipoIngreso`: 0 sales, 1 rentals.
    frm618Ingresos(Sesion& sesion, Mensajes& mensajes, int tipoIngreso, QWidget* parent = nullptr);

    // Every way of closing goes through here: a kind left without days
    // takes its videograms out of the perceptions.
    void done(int resultado) override;

private:
    void crearControles();
    void Form_Load();
    void leerDias();
    void seleccionar(int fila);
    int filaSeleccionada() const;
    bool tieneFilas() const;
    void dbgIngresos_RowColChange();
    void mostrarTotal();
    void LimpiarCampos();
    void HabilitarEdicion(bool editando);
    void CmdNuevo_Click();
    void cmdModificar_Click();
    void cmdAceptar_Click();
    void CmdCancelar_Click();
    void cmdEliminar_Click();
    // After a change: the days read again, `dia` chosen (the first when it
    // is gone), the total, browsing.
    void volverALaLista(int dia);
    // Days from a CSV file, of this kind unless the file names it.
    void cmdImportar_Click();

    Sesion& sesion_;
    Mensajes& mensajes_;
    int tipoIngreso_;
    ModoEdicion modo_ = ModoEdicion::Consulta;

    ModeloIngresos* modelo_;
    QTableView* dbgIngresos_;
    QGroupBox* frDatos_;
    QLineEdit* txtDia_;
    QLineEdit* txtNetoCobrado_;
    QLineEdit* txtTotalCobrado_;
    QLineEdit* txtTotalNetoCobrado_;
    QToolButton* cmdImportar_;
    BotonesABM botones_;
};

}  // namespace veluma
