#include "f617/pantallas/frm617_licencias_detalle.h"

#include "core/contextos_ayuda.h"
#include "core/fechas.h"
#include "core/mensajes.h"
#include "core/numeros.h"
#include "core/sesion.h"
#include "f617/licencias_617.h"
#include "pantallas/botones.h"
#include "pantallas/cajas.h"
#include "pantallas/disposicion.h"
#include "pantallas/edicion.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QToolButton>
#include <QVBoxLayout>

namespace veluma {

namespace {

// The group of each act, with its access key, and the object names of its two fields.
struct PresentacionActo {
    const char* grupo;
    const char* numero;
    const char* fecha;
};
constexpr std::array<PresentacionActo, kCantidadActos> kPresentacion = {{
    {"&Resolución licencia", "txtNroResolucionLicencia", "fhFechaNroResolucionLicencia"},
    {"Resolución &Precaria", "txtNroResolucionPrecaria", "FhFechaNroResolucionPrecaria"},
    {"&Decreto", "txtNroDecreto", "fhFechaNroDecreto"},
    {"&Inscripción", "txtNroInscripcion", "FhFechaNroInscripcion"},
    {"Rei&nscripción", "txtNroReInscripcion", "FhFechaNroReInscripcion"},
}};

}  // namespace

frm617LicenciasDetalle::frm617LicenciasDetalle(Sesion& sesion, Mensajes& mensajes, cls617Licencias& licencia,
                                               QWidget* parent)
    : QDialog(parent), sesion_(sesion), mensajes_(mensajes), LicenciaActual(licencia)
{
    setObjectName(QStringLiteral("frm617LicenciasDetalle"));
    setModal(true);
    crearControles();
    ConfigurarBotones(*this, kAyudaDetalleLicencia617);
    const cls617DetalleLicencias& detalle = LicenciaActual.Detalle;
    for (int i = 0; i < kCantidadActos; ++i) {
        campos_[i].numero->setText(QString::number(detalle.actos[i].Numero, 'g', 15));
        campos_[i].fecha->setText(formatearFecha(detalle.actos[i].Fecha));
    }
    campos_[0].numero->setFocus();
}

void frm617LicenciasDetalle::crearControles()
{
    auto* cmdAceptar = crearBoton(this, Boton::Aceptar, QStringLiteral("&Aceptar"), QStringLiteral("CmdAceptar"));
    auto* cmdCancelar = crearBoton(this, Boton::Cancelar, QStringLiteral("&Cancelar"), QStringLiteral("CmdCancelar"));
    auto* picBarra = crearBarra(*this, {cmdAceptar}, cmdCancelar);

    auto* cuerpo = new QVBoxLayout;
    cuerpo->setContentsMargins(8, 4, 8, 8);
    for (int i = 0; i < kCantidadActos; ++i) {
        auto* grupo = new QGroupBox(QString::fromUtf8(kPresentacion[i].grupo), this);
        QLineEdit* numero =
            crearCajaNumerica(grupo, QString::fromLatin1(kPresentacion[i].numero), QStringLiteral("[0-9]{0,10}"), 120);
        QLineEdit* fecha = crearCajaTexto(grupo, QString::fromLatin1(kPresentacion[i].fecha), 10);
        fecha->setPlaceholderText(QStringLiteral("DD/MM/AAAA"));
        fecha->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9/]{0,10}")), fecha));
        fecha->setMaximumWidth(110);
        auto* filas = new QFormLayout(grupo);
        filas->addRow(QStringLiteral("Número:"), numero);
        filas->addRow(QStringLiteral("Fecha:"), fecha);
        cuerpo->addWidget(grupo);
        campos_[i] = {numero, fecha};
    }
    cuerpo->addStretch();
    disponerPantalla(*this, picBarra, cuerpo);
    setWindowTitle(QStringLiteral("Detalle de la licencia seleccionada"));

    connect(cmdAceptar, &QToolButton::clicked, this, &frm617LicenciasDetalle::cmdAceptar_Click);
    connect(cmdCancelar, &QToolButton::clicked, this, &QDialog::reject);
}

void frm617LicenciasDetalle::cmdAceptar_Click()
{
    cls617DetalleLicencias detalle;
    for (int i = 0; i < kCantidadActos; ++i) {
        detalle.actos[i].Numero = Val(campos_[i].numero->text());
        const QString fecha = campos_[i].fecha->text().trimmed();
        const std::optional<QDate> leida = leerFecha(fecha);
        // An impossible date would otherwise read as no date at all.
        if (!fecha.isEmpty() && !leida) {
            mensajes_.MensajeInformacion(QStringLiteral("La fecha ingresada no es válida."));
            campos_[i].fecha->setFocus();
            campos_[i].fecha->selectAll();
            return;
        }
        detalle.actos[i].Fecha = leida.value_or(QDate());
    }
    if (const ProblemaDetalle problema = detalle.ValidarDetalle(); !problema.mensaje.isEmpty()) {
        mensajes_.MensajeInformacion(problema.mensaje);
        QLineEdit* campo = problema.enFecha ? campos_[problema.acto].fecha : campos_[problema.acto].numero;
        campo->setFocus();
        campo->selectAll();
        return;
    }
    if (!conAvisoDeErrores(mensajes_, [&] {
            detalle.GuardarDatos(sesion_.base, LicenciaActual.clave, LicenciaActual.CodigoLicencia);
        }))
        return;
    LicenciaActual.Detalle = detalle;
    avisarSiVacio();
    accept();
}

void frm617LicenciasDetalle::reject()
{
    avisarSiVacio();
    QDialog::reject();
}

void frm617LicenciasDetalle::avisarSiVacio()
{
    if (LicenciaActual.Detalle.EstaVacio())
        mensajes_.MensajeAtencion(QStringLiteral("Debe ingresar por lo menos un Número con su respectiva Fecha."));
}

}  // namespace veluma
