#pragma once

#include "core/instalacion.h"

#include <QDialog>

class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace veluma {

class Mensajes;
struct ConfiguracionRespaldo;

// Where the daily backups go and how many days of them are kept; also takes
// a backup on request.
class frmConfiguracionBackup : public QDialog {
    Q_OBJECT
public:
    frmConfiguracionBackup(const Instalacion& instalacion, Mensajes& mensajes, QWidget* parent = nullptr);

private:
    void cmdExaminar_Click();
    void cmdRespaldar_Click();
    void cmdAceptar_Click();
    void mostrarRespaldos();
    ConfiguracionRespaldo configuracionEnPantalla() const;
    bool carpetaIndicada();

    Instalacion instalacion_;
    Mensajes& mensajes_;
    QLineEdit* txtCarpeta_;
    QPushButton* cmdExaminar_;
    QSpinBox* txtDias_;
    QListWidget* lstRespaldos_;
    QPushButton* cmdRespaldar_;
    QPushButton* cmdAceptar_;
    QPushButton* cmdCancelar_;
};

}  // namespace veluma
