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
    // `textoAlicuota` is the manager's rate field as it shows it: the amounts
    // are computed at that rate and the printed form shows it.
    frm708Saldos(Sesion& sesion, Mensajes& mensajes, QString textoAlicuota, QWidget* parent = nullptr);

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
