#pragma once

#include <QDialog>

class QLineEdit;

namespace veluma {

class Liquidacion;
class Mensajes;
struct Sesion;

// What tells one form's total screen from another's.
struct DescripcionTotal {
    QString nombre;         // the screen's object name
    QString titulo;         // its caption
    QString marco;          // the frame around the total
    QString etiqueta;       // the caption beside the total
    QString caja;           // the total's box
    QString imprimir;       // the print button's caption, with its access key
    QString ayudaImprimir;  // and its tooltip
    int contextoAyuda = 0;
};

// The last screen of a form: the declaration's total, the printed form and
// the submission file, all three from one settlement.
class PantallaTotal : public QDialog {
    Q_OBJECT
public:
    PantallaTotal(Sesion& sesion, Mensajes& mensajes, const DescripcionTotal& descripcion, QWidget* parent);

protected:
    // Shows `total`; the buttons act on `liquidacion`, which must outlive the screen.
    void mostrar(const Liquidacion& liquidacion, double total);

    Sesion& sesion_;
    Mensajes& mensajes_;

private:
    void cmdFormulario_Click();
    void cmdGenerar_Click();

    const Liquidacion* liquidacion_ = nullptr;
    QLineEdit* caja_;
};

}  // namespace veluma
