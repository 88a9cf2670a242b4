#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QToolButton;

namespace veluma {

class Mensajes;
struct Sesion;

// Copies the session's Form 617 declaration (the origin) into a new one of a
// later period or a higher sequence, of either service. It stays open after a
// copy, so one origin can be copied to several destinations.
class frmCopiarDDJJ : public QDialog {
    Q_OBJECT
public:
    frmCopiarDDJJ(Sesion& sesion, Mensajes& mensajes, QWidget* parent = nullptr);

private:
    void crearControles();
    void Form_Load();
    void MostrarOrigen();
    void Vaciar_Cajas();
    void cmdAceptar_Click();
    void CboSecuencia_Click(int posicion);
    void txtSecuencia_Change(const QString& texto);
    void optServicio_Click(int indice);

    Sesion& sesion_;
    Mensajes& mensajes_;
    int servicioDestino_ = 0;

    QLabel* lblCuitOri_;
    QLineEdit* txtMesOrigen_;
    QLineEdit* txtAnioOrigen_;
    QLabel* lblSecOri_;
    QLabel* lblCuitDest_;
    QLineEdit* txtMesDestino_;
    QLineEdit* txtAnioDestino_;
    QComboBox* CboSecuencia_;
    QLineEdit* txtSecuencia_;
    QRadioButton* optServicio_[4];
    QToolButton* cmdAceptar_;
    QToolButton* cmdsalir_;
};

}  // namespace veluma
