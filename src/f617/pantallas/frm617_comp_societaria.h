#pragma once

#include "f617/socios_617.h"
#include "pantallas/abm.h"
#include "pantallas/edicion.h"
#include "pantallas/pantalla_entrada.h"

class QGroupBox;
class QLineEdit;
class QTableView;

namespace veluma {

class CajaCuit;
class Mensajes;
class ModeloSocios;
struct Sesion;

// The partners of the company that makes the session's Form 617 declaration,
// with their shares, which should add up to 100 %.
class frm617CompSocietaria : public PantallaEntrada {
    Q_OBJECT
public:
    frm617CompSocietaria(Sesion& sesion, Mensajes& mensajes, QWidget* parent = nullptr);

private:
    void crearControles();
    void Form_Load();
    void CargarGrilla();
    void seleccionar(int fila);
    int filaSeleccionada() const;
    bool tieneFilas() const;
    void RefrescarDatos();
    void VaciarCajas();
    void HabilitarEdicion(bool editando);
    void CmdNuevo_Click();
    void cmdModificar_Click();
    void cmdAceptar_Click();
    void CmdCancelar_Click();
    void cmdeliminarabm_click();
    void cmdEliminarTodos_Click();
    void cmdsalir_Click();
    // After a change: the list read again, the partner of `cuit` chosen (the
    // first row when it is gone), browsing.
    void volverALaLista(const QString& cuit);

    Sesion& sesion_;
    Mensajes& mensajes_;
    ModoEdicion modo_ = ModoEdicion::Consulta;
    cls617CompSocietaria SocioActual;

    ModeloSocios* modelo_;
    QTableView* Grilla_;
    QGroupBox* frDatos_;
    CajaCuit* txtcuit_;
    QLineEdit* txtNombreApellido_;
    QLineEdit* txtPorcentaje_;
    BotonesABM botones_;
};

}  // namespace veluma
