#include "printing/pantallas/frm_impresion.h"

#include "core/contextos_ayuda.h"
#include "core/error.h"
#include "core/mensajes.h"
#include "core/sesion.h"
#include "declarations/formulario.h"
#include "pantallas/botones.h"
#include "pantallas/edicion.h"
#include "pantallas/frm_mensaje.h"
#include "printing/documento/pdf.h"
#include "printing/documento/reporte_armado.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace veluma {

frmImpresion::frmImpresion(ConfiguracionReporte configuracion, Database& base, Mensajes& mensajes, QWidget* parent,
                           Impresora impresora)
    : QDialog(parent), configuracion_(std::move(configuracion)), base_(base), mensajes_(mensajes),
      impresora_(std::move(impresora))
{
    setObjectName(QStringLiteral("frmImpresion"));
    setModal(true);
    setWindowTitle(configuracion_.titulo);
    crearControles();
    ConfigurarBotones(*this, kAyudaImpresion);
    // One column of buttons as wide as the widest caption: the shared
    // minimum width would clip "Guardar PDF".
    int ancho = 0;
    for (QToolButton* boton : {cmdImprimir_, cmdPdf_, cmdSalir_})
        ancho = std::max(ancho, boton->sizeHint().width());
    for (QToolButton* boton : {cmdImprimir_, cmdPdf_, cmdSalir_})
        boton->setMinimumWidth(ancho);
    resize(900, 700);
}

frmImpresion::~frmImpresion() = default;

void frmImpresion::crearControles()
{
    vista_ = new QPrintPreviewWidget(this);
    vista_->setObjectName(QStringLiteral("vistaPrevia"));

    auto* picBarra = new QWidget(this);
    picBarra->setObjectName(QStringLiteral("picBarra"));
    cmdImprimir_ = crearBoton(picBarra, Boton::Imprimir, QStringLiteral("&Imprimir"));
    cmdPdf_ = crearBoton(picBarra, Boton::GuardarPdf, QStringLiteral("&Guardar PDF"));
    cmdSalir_ = crearBoton(picBarra, Boton::Salir, QStringLiteral("&Salir"));
    auto* barra = new QVBoxLayout(picBarra);
    barra->setContentsMargins(2, 4, 2, 4);
    barra->addWidget(cmdImprimir_);
    barra->addWidget(cmdPdf_);
    barra->addStretch();
    barra->addWidget(cmdSalir_);

    auto* principal = new QHBoxLayout(this);
    principal->setContentsMargins(0, 0, 0, 0);
    principal->setSpacing(0);
    principal->addWidget(vista_, 1);
    principal->addWidget(picBarra);

    for (QToolButton* boton : {cmdImprimir_, cmdPdf_, cmdSalir_})
        boton->setEnabled(false);
    tmrBotones_ = new QTimer(this);
    tmrBotones_->setObjectName(QStringLiteral("tmrBotones"));
    tmrBotones_->setSingleShot(true);
    tmrBotones_->setInterval(kEsperaBotonesMs);

    connect(vista_, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter* hojas) {
        if (reporte_)
            reporte_->pintar(*hojas);
    });
    connect(tmrBotones_, &QTimer::timeout, this, [this] {
        for (QToolButton* boton : {cmdImprimir_, cmdPdf_, cmdSalir_})
            boton->setEnabled(true);
    });
    connect(cmdImprimir_, &QToolButton::clicked, this, &frmImpresion::cmdImprimir_Click);
    connect(cmdPdf_, &QToolButton::clicked, this, &frmImpresion::cmdPdf_Click);
    connect(cmdSalir_, &QToolButton::clicked, this, &QDialog::reject);
}

void frmImpresion::showEvent(QShowEvent* evento)
{
    QDialog::showEvent(evento);
    // Once only: shown again or activated again, the screen keeps the report it read.
    if (yaMostrado_)
        return;
    yaMostrado_ = true;
    // After the screen has appeared, so the wait is spent in front of it.
    QMetaObject::invokeMethod(this, &frmImpresion::EjecutarReporte, Qt::QueuedConnection);
}

void frmImpresion::EjecutarReporte()
{
    try {
        reporte_ = std::make_unique<ReporteArmado>(armarReporte(configuracion_, base_));
    } catch (const Error& error) {
        mensajes_.MensajeError(error.descripcion(), error.numero());
        cmdSalir_->setEnabled(true);
        return;
    }
    vista_->updatePreview();
    tmrBotones_->start();
}

void frmImpresion::cmdImprimir_Click()
{
    const int resultado = impresora_(*reporte_);
    if (resultado != kImpresionCorrecta && resultado != kImpresionTerminada) {
        mensajes_.MensajeAtencion(
            QStringLiteral("Ha ocurrido un error al imprimir por favor verifique la configuración de su impresora."));
        return;
    }
    frmMensaje aviso(QStringLiteral("Información"), QStringLiteral("Impresión finalizada."), this);
    aviso.exec();
}

void frmImpresion::cmdPdf_Click()
{
    const QString nombre = configuracion_.nombreDocumento.isEmpty()
                               ? QFileInfo(configuracion_.archivoReporte).completeBaseName()
                               : configuracion_.nombreDocumento;
    const QString sugerido = QDir::home().filePath(nombre + QStringLiteral(".pdf"));
    QFileDialog dialogo(this, QStringLiteral("Guardar PDF"), sugerido, QStringLiteral("Documentos PDF (*.pdf)"));
    dialogo.setObjectName(QStringLiteral("dlgGuardarPdf"));
    dialogo.setOption(QFileDialog::DontUseNativeDialog);
    dialogo.setAcceptMode(QFileDialog::AcceptSave);
    dialogo.setDefaultSuffix(QStringLiteral("pdf"));
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty())
        return;
    const QString ruta = dialogo.selectedFiles().constFirst();
    try {
        guardarPdf(*reporte_, ruta);
    } catch (const Error& error) {
        mensajes_.MensajeAtencion(error.descripcion());
        return;
    }
    mensajes_.MensajeInformacion(QStringLiteral("El archivo PDF se guardó en %1.").arg(QDir::toNativeSeparators(ruta)));
}

void imprimirFormulario(QWidget* padre, const Liquidacion& liquidacion, Sesion& sesion, Mensajes& mensajes)
{
    conAvisoDeErrores(mensajes, [&] {
        frmImpresion impresion(liquidacion.formularioImpreso(sesion), sesion.base, mensajes, padre);
        impresion.exec();
    });
}

}  // namespace veluma
