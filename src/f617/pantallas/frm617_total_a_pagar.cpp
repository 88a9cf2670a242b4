#include "f617/pantallas/frm617_total_a_pagar.h"

#include "core/contextos_ayuda.h"
#include "core/mensajes.h"
#include "core/numeros.h"
#include "core/sesion.h"
#include "generation/pantallas/generar_presentacion.h"
#include "pantallas/botones.h"
#include "pantallas/cajas.h"
#include "pantallas/disposicion.h"
#include "pantallas/edicion.h"
#include "printing/pantallas/frm_impresion.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QTimer>
#include <QToolButton>

namespace veluma {

frm617TotalAPagar::frm617TotalAPagar(Sesion& sesion, Mensajes& mensajes, QWidget* parent)
    : QDialog(parent), sesion_(sesion), mensajes_(mensajes)
{
    setObjectName(QStringLiteral("frm617TotalAPagar"));
    setModal(true);
    crearControles();
    Form_Load();
}

void frm617TotalAPagar::crearControles()
{
    cmdFormulario_ = crearBoton(this, Boton::Formulario, QStringLiteral("&Imprimir"), QStringLiteral("cmdFormulario"));
    cmdFormulario_->setToolTip(QStringLiteral("Imprimir el Formulario 617"));
    cmdGenerar_ = crearBoton(this, Boton::Generar, QStringLiteral("&Generar"));
    cmdGenerar_->setToolTip(QStringLiteral("Generar el archivo de presentación"));
    cmdSalir_ = crearBoton(this, Boton::Salir, QStringLiteral("&Salir"));
    auto* picBarra = crearBarra(*this, {cmdFormulario_, cmdGenerar_}, cmdSalir_);

    auto* frDatos = new QGroupBox(QStringLiteral("Total a pagar"), this);
    frDatos->setObjectName(QStringLiteral("frDatos"));
    txtTotalAPagar_ = crearCajaNumerica(frDatos, QStringLiteral("txtTotalAPagar"), {}, 170);
    auto* datos = new QFormLayout(frDatos);
    datos->addRow(QStringLiteral("Total a pagar:"), txtTotalAPagar_);

    disponerPantalla(*this, picBarra, frDatos);
    setWindowTitle(QStringLiteral("Total a Pagar"));

    connect(cmdFormulario_, &QToolButton::clicked, this, &frm617TotalAPagar::cmdFormulario_Click);
    connect(cmdGenerar_, &QToolButton::clicked, this, &frm617TotalAPagar::cmdGenerar_Click);
    connect(cmdSalir_, &QToolButton::clicked, this, &QDialog::accept);
}

void frm617TotalAPagar::Form_Load()
{
    ConfigurarBotones(*this, kAyudaTotalAPagar617);
    conAvisoDeErrores(mensajes_, [&] { liquidacion_ = Liquidacion617::calcular(sesion_.base, sesion_.declaracion); });
    txtTotalAPagar_->setText(textoNumero(liquidacion_.total.TotalAPagar));
}

// A licence left out of the total is told as soon as the total shows.
void frm617TotalAPagar::showEvent(QShowEvent* evento)
{
    QDialog::showEvent(evento);
    if (avisado_ || liquidacion_.total.problemas.isEmpty())
        return;
    avisado_ = true;
    QTimer::singleShot(0, this, [this] {
        mensajes_.MensajeAtencion(QStringLiteral("El total no incluye estas licencias:\n")
                                  + liquidacion_.total.problemas.join(QLatin1Char('\n')));
    });
}

bool frm617TotalAPagar::presentable(const QString& sinDatos)
{
    if (!liquidacion_.total.problemas.isEmpty()) {
        mensajes_.MensajeAtencion(liquidacion_.motivoSinPresentacion());
        return false;
    }
    if (liquidacion_.total.licencias.empty()) {
        mensajes_.MensajeAtencion(sinDatos);
        return false;
    }
    return true;
}

void frm617TotalAPagar::cmdFormulario_Click()
{
    if (presentable(QStringLiteral("No existe información para imprimir.")))
        imprimirFormulario(this, liquidacion_, sesion_, mensajes_);
}

void frm617TotalAPagar::cmdGenerar_Click()
{
    if (presentable(QStringLiteral("No existen licencias con conceptos facturados para presentar.")))
        conAvisoDeErrores(mensajes_, [&] { GenerarPresentacion(*this, sesion_, mensajes_, liquidacion_); });
}

}  // namespace veluma
