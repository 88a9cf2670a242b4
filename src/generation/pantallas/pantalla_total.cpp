#include "generation/pantallas/pantalla_total.h"

#include "core/mensajes.h"
#include "core/numeros.h"
#include "declarations/formulario.h"
#include "generation/pantallas/generar_presentacion.h"
#include "pantallas/botones.h"
#include "pantallas/cajas.h"
#include "pantallas/disposicion.h"
#include "pantallas/edicion.h"
#include "printing/pantallas/frm_impresion.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QToolButton>

namespace veluma {

PantallaTotal::PantallaTotal(Sesion& sesion, Mensajes& mensajes, const DescripcionTotal& descripcion, QWidget* parent)
    : QDialog(parent), sesion_(sesion), mensajes_(mensajes)
{
    setObjectName(descripcion.nombre);
    setModal(true);
    auto* cmdFormulario = crearBoton(this, Boton::Formulario, descripcion.imprimir, QStringLiteral("cmdFormulario"));
    cmdFormulario->setToolTip(descripcion.ayudaImprimir);
    auto* cmdGenerar = crearBoton(this, Boton::Generar, QStringLiteral("&Generar"));
    cmdGenerar->setToolTip(QStringLiteral("Generar el archivo de presentación"));
    auto* cmdSalir = crearBoton(this, Boton::Salir, QStringLiteral("&Salir"));
    auto* picBarra = crearBarra(*this, {cmdFormulario, cmdGenerar}, cmdSalir);

    auto* frDatos = new QGroupBox(descripcion.marco, this);
    frDatos->setObjectName(QStringLiteral("frDatos"));
    caja_ = crearCajaNumerica(frDatos, descripcion.caja, {}, 170);
    auto* datos = new QFormLayout(frDatos);
    datos->addRow(descripcion.etiqueta, caja_);

    disponerPantalla(*this, picBarra, frDatos);
    setWindowTitle(descripcion.titulo);
    ConfigurarBotones(*this, descripcion.contextoAyuda);

    connect(cmdFormulario, &QToolButton::clicked, this, &PantallaTotal::cmdFormulario_Click);
    connect(cmdGenerar, &QToolButton::clicked, this, &PantallaTotal::cmdGenerar_Click);
    connect(cmdSalir, &QToolButton::clicked, this, &QDialog::accept);
}

void PantallaTotal::mostrar(const Liquidacion& liquidacion, double total)
{
    liquidacion_ = &liquidacion;
    caja_->setText(textoNumero(total));
}

void PantallaTotal::cmdFormulario_Click()
{
    if (!liquidacion_->admitePresentacion()) {
        mensajes_.MensajeAtencion(liquidacion_->motivoSinImpresion());
        return;
    }
    imprimirFormulario(this, *liquidacion_, sesion_, mensajes_);
}

// What is missing for the file, the record builder says.
void PantallaTotal::cmdGenerar_Click()
{
    conAvisoDeErrores(mensajes_, [&] { GenerarPresentacion(*this, sesion_, mensajes_, *liquidacion_); });
}

}  // namespace veluma
