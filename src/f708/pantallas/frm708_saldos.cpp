#include "f708/pantallas/frm708_saldos.h"

#include "core/contextos_ayuda.h"
#include "core/mensajes.h"
#include "core/numeros.h"
#include "core/sesion.h"
#include "declarations/validacion_ddjj.h"
#include "f708/interfaz_708.h"
#include "f708/reportes_708.h"
#include "generation/pantallas/generar_presentacion.h"
#include "pantallas/botones.h"
#include "pantallas/disposicion.h"
#include "pantallas/edicion.h"
#include "printing/pantallas/frm_impresion.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace veluma {

namespace {

QLineEdit* importe(QWidget* padre, const QString& nombre)
{
    auto* campo = new QLineEdit(padre);
    campo->setObjectName(nombre);
    campo->setReadOnly(true);
    campo->setAlignment(Qt::AlignRight);
    campo->setMinimumWidth(150);
    return campo;
}

QString textoImporte(double valor) { return textoNumero(valor > 0 ? valor : 0); }

}  // namespace

frm708Saldos::frm708Saldos(Sesion& sesion, Mensajes& mensajes, QWidget* parent)
    : QDialog(parent), sesion_(sesion), mensajes_(mensajes)
{
    setObjectName(QStringLiteral("frm708Saldos"));
    setModal(true);
    crearControles();
    Form_Load();
}

void frm708Saldos::crearControles()
{
    cmdFormulario_ = crearBoton(this, Boton::Formulario, QStringLiteral("&Formulario"));
    cmdFormulario_->setToolTip(QStringLiteral("Imprimir el Formulario 708"));
    cmdGenerar_ = crearBoton(this, Boton::Generar, QStringLiteral("&Generar"));
    cmdGenerar_->setToolTip(QStringLiteral("Generar el archivo de presentación"));
    cmdSalir_ = crearBoton(this, Boton::Salir, QStringLiteral("&Salir"));
    auto* picBarra = crearBarra(*this, {cmdFormulario_, cmdGenerar_}, cmdSalir_);

    auto* frDatos = new QGroupBox(QStringLiteral("Saldo a pagar"), this);
    frDatos->setObjectName(QStringLiteral("frDatos"));
    txtTotalImpuestoDeclarado_ = importe(frDatos, QStringLiteral("txtTotalImpuestoDeclarado"));
    TxtPagoCuenta_ = importe(frDatos, QStringLiteral("TxtPagoCuenta"));
    txtSaldoPendienteIngreso_ = importe(frDatos, QStringLiteral("txtSaldoPendienteIngreso"));
    auto* datos = new QFormLayout(frDatos);
    datos->addRow(QStringLiteral("Total Impuesto Declarado:"), txtTotalImpuestoDeclarado_);
    datos->addRow(QStringLiteral("Pagos a Cuenta:"), TxtPagoCuenta_);
    datos->addRow(QStringLiteral("Saldo Pendiente de Ingreso:"), txtSaldoPendienteIngreso_);

    disponerPantalla(*this, picBarra, frDatos);
    setWindowTitle(QStringLiteral("Saldo a Pagar"));

    connect(cmdFormulario_, &QToolButton::clicked, this, &frm708Saldos::cmdFormulario_Click);
    connect(cmdGenerar_, &QToolButton::clicked, this, &frm708Saldos::cmdGenerar_Click);
    connect(cmdSalir_, &QToolButton::clicked, this, &QDialog::accept);
}

void frm708Saldos::Form_Load()
{
    ConfigurarBotones(*this, kAyudaSaldos708);
    conAvisoDeErrores(mensajes_, [&] { liquidacion_ = Liquidacion708::calcular(sesion_.base, sesion_.declaracion); });
    txtTotalImpuestoDeclarado_->setText(textoImporte(liquidacion_.impuestoDeclarado));
    TxtPagoCuenta_->setText(textoImporte(liquidacion_.pagosCuenta));
    txtSaldoPendienteIngreso_->setText(textoImporte(liquidacion_.saldoMostrado()));
    const bool habilitado = liquidacion_.admitePresentacion();
    cmdFormulario_->setEnabled(habilitado);
    cmdGenerar_->setEnabled(habilitado);
}

void frm708Saldos::cmdFormulario_Click()
{
    if (!liquidacion_.admitePresentacion())
        return;
    imprimirFormulario(this, liquidacion_, sesion_, mensajes_);
}

void frm708Saldos::cmdGenerar_Click()
{
    if (!liquidacion_.admitePresentacion())
        return;
    conAvisoDeErrores(mensajes_, [&] { GenerarPresentacion(*this, sesion_, mensajes_, liquidacion_); });
}

}  // namespace veluma
