#pragma once

#include "f708/liquidacion_708.h"

#include <QDialog>

class QLineEdit;
class QToolButton;

namespace veluma {

class Mensajes;
struct Sesion;

// The balance of the session's declaration: declared tax, payments on
// account and pending balance; prints the form and generates the submission
// file, both from the figures it shows.
class frm708Saldos : public QDialog {
    Q_OBJECT
public:
    frm708Saldos(Sesion& sesion, Mensajes& mensajes, QWidget* parent = nullptr);

private:
    void crearControles();
    void Form_Load();
    void cmdFormulario_Click();
    void cmdGenerar_Click();

    Sesion& sesion_;
    Mensajes& mensajes_;
    Liquidacion708 liquidacion_;

    QLineEdit* txtTotalImpuestoDeclarado_;
    QLineEdit* TxtPagoCuenta_;
    QLineEdit* txtSaldoPendienteIngreso_;
    QToolButton* cmdFormulario_;
    QToolButton* cmdGenerar_;
    QToolButton* cmdSalir_;
};

}  // namespace veluma
