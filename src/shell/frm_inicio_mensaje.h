#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

namespace veluma {

class CMsgIni;
class Mensajes;

// The start-up notice: the application's name with a shadow, the notice
// text, help, and the choice not to show it again.
class frmInicioMensaje : public QDialog {
    Q_OBJECT
public:
    frmInicioMensaje(CMsgIni& configuracion, const QString& rutaAyuda, Mensajes& mensajes, QWidget* parent = nullptr);

protected:
    // F1 is "Ver ayuda": the notice comes before the main window, whose F1 serves every other screen.
    void keyPressEvent(QKeyEvent* evento) override;

private:
    void btnAyuda_Click();
    void btnInicio_Click();

    CMsgIni& configuracion_;
    QString rutaAyuda_;
    Mensajes& mensajes_;
    QLabel* lblNombreFondo_;
    QLabel* lblNombreFrente_;
    QLabel* lblMensaje_;
    QPushButton* btnAyuda_;
    QPushButton* btnInicio_;
    QCheckBox* chkNoMostrar_;
};

}  // namespace veluma
