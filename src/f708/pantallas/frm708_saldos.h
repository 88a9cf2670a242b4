#pragma once

#include "f708/saldos.h"

#include <QDialog>

class QLineEdit;
class QToolButton;

namespace veluma {

class Mensajes;
struct Sesion;

// The balance of the declaration: declared tax, payments on account and
// pending balance; prints the form and generates the submission file.
class frm708Saldos : public QDialog {
    Q_OBJECT
public:
    // `alicuota` is the rate in the manager's field; `textoAlicuota` that
    // field as shown, for the printed form.
    frm708Saldos(Sesion& sesion, Mensajes& mensajes, double alicuota, QString textoAlicuota, QWidget* parent = nullptr);

private:
    void crearControles();
    void Form_Load();
    void cmdFormulario_Click();
    void cmdGenerar_Click();

    Sesion& sesion_;
    Mensajes& mensajes_;
    double alicuota_;
    QString textoAlicuota_;
    Saldos708 saldos_;

    QLineEdit* txtTotalImpuestoDeclarado_;
    QLineEdit* TxtPagoCuenta_;
    QLineEdit* txtSaldoPendienteIngreso_;
    QToolButton* cmdFormulario_;
    QToolButton* cmdGenerar_;
    QToolButton* cmdSalir_;
};

}  // namespace veluma
