#pragma once

#include "f617/liquidacion_617.h"

#include <QDialog>

class QLineEdit;
class QToolButton;

namespace veluma {

class Mensajes;
struct Sesion;

// The total to pay of the session's Form 617 declaration; prints the form
// and generates the submission file, both from the figures it shows.
class frm617TotalAPagar : public QDialog {
    Q_OBJECT
public:
    frm617TotalAPagar(Sesion& sesion, Mensajes& mensajes, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void crearControles();
    void Form_Load();
    // False, having told the user why, when the declaration cannot be
    // printed or handed in as it stands.
    bool presentable(const QString& sinDatos);
    void cmdFormulario_Click();
    void cmdGenerar_Click();

    Sesion& sesion_;
    Mensajes& mensajes_;
    Liquidacion617 liquidacion_;
    bool avisado_ = false;

    QLineEdit* txtTotalAPagar_;
    QToolButton* cmdFormulario_;
    QToolButton* cmdGenerar_;
    QToolButton* cmdSalir_;
};

}  // namespace veluma
