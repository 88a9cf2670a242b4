#include "f708/pantallas/frm708_saldos.h"

#include "core/contextos_ayuda.h"
#include "core/mensajes.h"
#include "core/numeros.h"
#include "core/sesion.h"
#include "declarations/pantallas/formularios.h"
#include "declarations/validacion_ddjj.h"
#include "f708/interfaz_708.h"
#include "f708/reportes_708.h"
#include "generation/pantallas/generar_presentacion.h"
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

frm708Saldos::frm708Saldos(Sesion& sesion, Mensajes& mensajes, QString textoAlicuota, QWidget* parent)
    : QDialog(parent), sesion_(sesion), mensajes_(mensajes), alicuota_(alicuotaDelCampo(textoAlicuota)),
      textoAlicuota_(std::move(textoAlicuota))
{
    setObjectName(QStringLiteral("frm708Saldos"));
    setModal(true);
    crearControles();
    Form_Load();
}

void frm708Saldos::crearControles()
{
    cmdFormulario_ = crearBoton(this, QStringLiteral("cmdFormulario"), QStringLiteral("&Formulario"));
    cmdFormulario_->setToolTip(QStringLiteral("Imprimir el Formulario 708"));
    cmdGenerar_ = crearBoton(this, QStringLiteral("cmdGenerar"), QStringLiteral("&Generar"));
    cmdGenerar_->setToolTip(QStringLiteral("Generar el archivo de presentación"));
    cmdSalir_ = crearBoton(this, QStringLiteral("cmdSalir"), QStringLiteral("&Salir"));
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

    auto* principal = new QVBoxLayout(this);
    principal->setContentsMargins(0, 0, 0, 0);
    principal->addWidget(picBarra);
    auto* cuerpo = new QVBoxLayout;
    cuerpo->setContentsMargins(8, 4, 8, 8);
    cuerpo->addWidget(frDatos);
    cuerpo->addStretch();
    principal->addLayout(cuerpo, 1);
    setWindowTitle(QStringLiteral("Saldo a Pagar"));

    connect(cmdFormulario_, &QToolButton::clicked, this, &frm708Saldos::cmdFormulario_Click);
    connect(cmdGenerar_, &QToolButton::clicked, this, &frm708Saldos::cmdGenerar_Click);
    connect(cmdSalir_, &QToolButton::clicked, this, &QDialog::accept);
}

void frm708Saldos::Form_Load()
{
    ConfigurarBotones(*this, kAyudaSaldos708);
    const ClaveDDJJ clave{sesion_.cuit, sesion_.periodo, sesion_.secuencia, 708};
    conAvisoDeErrores(mensajes_, [&] { saldos_ = calcularSaldos708(sesion_.base, clave, alicuota_); });
    txtTotalImpuestoDeclarado_->setText(textoImporte(saldos_.impuestoDeclarado));
    TxtPagoCuenta_->setText(textoImporte(saldos_.pagosCuenta));
    txtSaldoPendienteIngreso_->setText(textoImporte(saldos_.saldoMostrado()));
    const bool habilitado = saldos_.habilitaFormularioYGeneracion();
    cmdFormulario_->setEnabled(habilitado);
    cmdGenerar_->setEnabled(habilitado);
}

void frm708Saldos::cmdFormulario_Click()
{
    if (!saldos_.habilitaFormularioYGeneracion())
        return;
    conAvisoDeErrores(mensajes_, [&] {
        frmImpresion impresion(reporteForm708(sesion_, textoAlicuota_), sesion_.base, mensajes_, this);
        impresion.exec();
    });
}

void frm708Saldos::cmdGenerar_Click()
{
    if (!saldos_.habilitaFormularioYGeneracion())
        return;
    // The records carry the balance this screen shows, computed at the manager's rate.
    const double saldo = saldos_.saldoPendiente;
    conAvisoDeErrores(mensajes_, [&] {
        GenerarPresentacion(*this, sesion_, mensajes_,
                            [saldo](Sesion& sesion) { return std::make_unique<cls708Interfaz>(sesion, saldo); });
    });
}

}  // namespace veluma
