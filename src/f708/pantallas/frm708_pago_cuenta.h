#pragma once

#include "core/clave_ddjj.h"
#include "pantallas/pantalla_entrada.h"

#include <array>

class QGroupBox;
class QLineEdit;
class QToolButton;

namespace veluma {

class Mensajes;
struct Sesion;

// The four weekly payments on account of the declaration.
class frm708PagoCuenta : public PantallaEntrada {
    Q_OBJECT
public:
    frm708PagoCuenta(Sesion& sesion, Mensajes& mensajes, QWidget* parent = nullptr);

private:
    void crearControles();
    void Form_Load();
    const ClaveDDJJ& clave() const;
    // Shows the stored amounts; a week without a payment shows an empty box.
    void MostrarPagos();
    void LimpiarCajas();
    void HabilitarEdicion(bool editando);
    void CmdNuevo_Click();
    void cmdModificar_Click();
    void cmdAceptar_Click();
    void CmdCancelar_Click();
    void cmdEliminarTodos_Click();

    Sesion& sesion_;
    Mensajes& mensajes_;
    bool editando_ = false;
    bool hayPagos_ = false;

    QGroupBox* frDatos_;
    std::array<QLineEdit*, 4> semanas_{};
    QToolButton* cmdNuevo_;
    QToolButton* cmdModificar_;
    QToolButton* cmdEliminarTodos_;
    QToolButton* cmdAceptar_;
    QToolButton* cmdCancelar_;
    QToolButton* cmdSalir_;
};

}  // namespace veluma
