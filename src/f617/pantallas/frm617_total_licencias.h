#pragma once

#include <QDialog>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QToolButton;

namespace veluma {

class Mensajes;
class cls617Licencias;
struct Sesion;

// The tax of one licence: its gross billing less discounts at the rate of its
// service type, and the exemption granted, if any.
class frm617LicenciasTotalLicencias : public QDialog {
    Q_OBJECT
public:
    // `licencia` is the licence chosen in the licences screen; its totals are
    // replaced here when the user accepts.
    frm617LicenciasTotalLicencias(Sesion& sesion, Mensajes& mensajes, cls617Licencias& licencia,
                                  QWidget* parent = nullptr);

private:
    void crearControles();
    void Form_Load();
    void CargarDatos();
    void ComboExenciones_Click(bool porElUsuario);
    void HacerCalculos();
    int exencionElegida() const;
    void cmdAceptar_Click();

    Sesion& sesion_;
    Mensajes& mensajes_;
    cls617Licencias& LicenciaActual;

    QLineEdit* txtTotalFacturacionBruta_;
    QLineEdit* txtDescuentosBonificaciones_;
    QLineEdit* txtSubTotal_;
    QLineEdit* txtAlicuota_;
    QLineEdit* txtImpuestoIngresar_;
    QComboBox* ComboExenciones_;
    QGroupBox* frExenciones_;
    QLineEdit* txtNumero_;
    QLineEdit* txtNroArticulo_;
    QLineEdit* txtPorcentaje_;
    QLineEdit* txtImporteExento_;
    QLineEdit* txtImporteExentoIngresar_;
    QLineEdit* txtTotalPagarLicencias_;
    QToolButton* cmdAceptar_;
    QToolButton* cmdCancelar_;
};

}  // namespace veluma
