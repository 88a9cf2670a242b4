#pragma once

#include "f617/detalle_617.h"

#include <QDialog>
#include <array>

class QLineEdit;

namespace veluma {

class Mensajes;
class cls617Licencias;
struct Sesion;

// The legal detail of the licence chosen in the licences screen: five acts,
// each a number with its date. Stored only by a valid Accept; leaving with
// every act empty is warned about.
class frm617LicenciasDetalle : public QDialog {
    Q_OBJECT
public:
    frm617LicenciasDetalle(Sesion& sesion, Mensajes& mensajes, cls617Licencias& licencia, QWidget* parent = nullptr);

    void reject() override;

private:
    struct CamposActo {
        QLineEdit* numero;
        QLineEdit* fecha;
    };

    void crearControles();
    void cmdAceptar_Click();
    void avisarSiVacio();

    Sesion& sesion_;
    Mensajes& mensajes_;
    cls617Licencias& LicenciaActual;
    std::array<CamposActo, kCantidadActos> campos_;
};

}  // namespace veluma
