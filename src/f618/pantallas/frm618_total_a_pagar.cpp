#include "f618/pantallas/frm618_total_a_pagar.h"

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
#include <QToolButton>
#include <QVBoxLayout>

namespace veluma {

frm618TotalAPagar::frm618TotalAPagar(Sesion& sesion, Mensajes& mensajes, QWidget* parent)
    : QDialog(parent), sesion_(sesion), mensajes_(mensajes)
{
    setObjectName(QStringLiteral("frm618TotalAPagar"));
    setModal(true);
    crearControles();
    Form_Load();
}

void frm618TotalAPagar::crearControles()
{
    cmdFormulario_ = crearBoton(this, Boton::Formulario, QStringLiteral("&Formulario"));
    cmdFormulario_->setToolTip(QStringLiteral("Imprimir el Formulario 618"));
    cmdGenerar_ = crearBoton(this, Boton::Generar, QStringLiteral("&Generar"));
    cmdGenerar_->setToolTip(QStringLiteral("Generar el archivo de presentación"));
    cmdSalir_ = crearBoton(this, Boton::Salir, QStringLiteral("&Salir"));
    auto* picBarra = crearBarra(*this, {cmdFormulario_, cmdGenerar_}, cmdSalir_);

    auto* frDatos = new QGroupBox(QStringLiteral("Total a depositar"), this);
    frDatos->setObjectName(QStringLiteral("frDatos"));
    txtPercepcionesEfectuadas_ = crearCajaNumerica(frDatos, QStringLiteral("txtPercepcionesEfectuadas"), {}, 150);
    auto* datos = new QFormLayout(frDatos);
    datos->addRow(QStringLiteral("Total de Percepciones efectuadas:"), txtPercepcionesEfectuadas_);

    disponerPantalla(*this, picBarra, frDatos);
    setWindowTitle(QStringLiteral("Total a Depositar"));

    connect(cmdFormulario_, &QToolButton::clicked, this, &frm618TotalAPagar::cmdFormulario_Click);
    connect(cmdGenerar_, &QToolButton::clicked, this, &frm618TotalAPagar::cmdGenerar_Click);
    connect(cmdSalir_, &QToolButton::clicked, this, &QDialog::accept);
}

void frm618TotalAPagar::Form_Load()
{
    ConfigurarBotones(*this, kAyudaTotalADepositar618);
    conAvisoDeErrores(mensajes_, [&] { liquidacion_ = Liquidacion618::calcular(sesion_.base, sesion_.declaracion); });
    txtPercepcionesEfectuadas_->setText(textoNumero(liquidacion_.percepciones.TotalADepositar));
}

void frm618TotalAPagar::cmdFormulario_Click()
{
    if (!liquidacion_.admitePresentacion()) {
        mensajes_.MensajeAtencion(QStringLiteral("No existe información para imprimir."));
        return;
    }
    imprimirFormulario(this, liquidacion_, sesion_, mensajes_);
}

// Without incomes or videograms the record builder says what is missing.
void frm618TotalAPagar::cmdGenerar_Click()
{
    conAvisoDeErrores(mensajes_, [&] { GenerarPresentacion(*this, sesion_, mensajes_, liquidacion_); });
}

}  // namespace veluma
