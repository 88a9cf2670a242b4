#pragma once

#include "f618/liquidacion_618.h"

#include <QDialog>

class QLineEdit;
class QToolButton;

namespace veluma {

class Mensajes;
struct Sesion;

// The total to deposit of the session's Form 618 declaration; prints the
// form and generates the submission file, both from the figures it shows.
class frm618TotalAPagar : public QDialog {
    Q_OBJECT
public:
    frm618TotalAPagar(Sesion& sesion, Mensajes& mensajes, QWidget* parent = nullptr);

private:
    void crearControles();
    void Form_Load();
    void cmdFormulario_Click();
    void cmdGenerar_Click();

    Sesion& sesion_;
    Mensajes& mensajes_;
    Liquidacion618 liquidacion_;

    QLineEdit* txtPercepcionesEfectuadas_;
    QToolButton* cmdFormulario_;
    QToolButton* cmdGenerar_;
    QToolButton* cmdSalir_;
};

}  // namespace veluma
