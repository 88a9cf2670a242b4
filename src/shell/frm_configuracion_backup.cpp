#include "shell/frm_configuracion_backup.h"

#include "core/contextos_ayuda.h"
#include "core/error.h"
#include "core/mensajes.h"
#include "core/reloj.h"
#include "core/respaldos.h"
#include "pantallas/contexto_ayuda.h"
#include "shell/logotipo.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace veluma {

namespace {

QPushButton* boton(const QString& texto, const QString& nombre, QWidget* padre)
{
    auto* control = new QPushButton(texto, padre);
    control->setObjectName(nombre);
    control->setAutoDefault(false);
    return control;
}

}  // namespace

frmConfiguracionBackup::frmConfiguracionBackup(const Instalacion& instalacion, Mensajes& mensajes, QWidget* parent)
    : QDialog(parent), instalacion_(instalacion), mensajes_(mensajes)
{
    setObjectName(QStringLiteral("frmConfiguracionBackup"));
    setWindowTitle(QStringLiteral("Configuración de Backup"));
    setWindowIcon(iconoPrograma());
    setModal(true);
    // Read by the program's F1 handler, which opens the help at this section.
    ponerContextoAyuda(*this, kAyudaRespaldo);

    const ConfiguracionRespaldo configuracion = leerConfiguracionRespaldo(instalacion_);
    txtCarpeta_ = new QLineEdit(configuracion.carpeta, this);
    txtCarpeta_->setObjectName(QStringLiteral("txtCarpeta"));
    txtCarpeta_->setMinimumWidth(360);
    cmdExaminar_ = boton(QStringLiteral("Examinar..."), QStringLiteral("cmdExaminar"), this);
    txtDias_ = new QSpinBox(this);
    txtDias_->setObjectName(QStringLiteral("txtDias"));
    txtDias_->setRange(kDiasRespaldoMinimo, kDiasRespaldoMaximo);
    txtDias_->setSuffix(QStringLiteral(" días"));
    txtDias_->setValue(configuracion.dias);
    lstRespaldos_ = new QListWidget(this);
    lstRespaldos_->setObjectName(QStringLiteral("lstRespaldos"));
    lstRespaldos_->setSelectionMode(QAbstractItemView::NoSelection);
    lstRespaldos_->setFocusPolicy(Qt::NoFocus);
    cmdRespaldar_ = boton(QStringLiteral("Respaldar ahora"), QStringLiteral("cmdRespaldar"), this);
    cmdAceptar_ = boton(QStringLiteral("Aceptar"), QStringLiteral("cmdAceptar"), this);
    cmdAceptar_->setDefault(true);
    cmdCancelar_ = boton(QStringLiteral("Cancelar"), QStringLiteral("cmdCancelar"), this);

    auto* carpeta = new QHBoxLayout;
    carpeta->addWidget(txtCarpeta_, 1);
    carpeta->addWidget(cmdExaminar_);
    auto* campos = new QFormLayout;
    campos->addRow(QStringLiteral("Carpeta de los respaldos:"), carpeta);
    campos->addRow(QStringLiteral("Conservar los respaldos de los últimos:"), txtDias_);
    auto* botones = new QHBoxLayout;
    botones->addWidget(cmdRespaldar_);
    botones->addStretch();
    botones->addWidget(cmdAceptar_);
    botones->addWidget(cmdCancelar_);
    auto* capas = new QVBoxLayout(this);
    capas->addLayout(campos);
    capas->addWidget(new QLabel(QStringLiteral("Respaldos existentes:"), this));
    capas->addWidget(lstRespaldos_, 1);
    capas->addLayout(botones);

    connect(txtCarpeta_, &QLineEdit::textChanged, this, &frmConfiguracionBackup::mostrarRespaldos);
    connect(cmdExaminar_, &QPushButton::clicked, this, &frmConfiguracionBackup::cmdExaminar_Click);
    connect(cmdRespaldar_, &QPushButton::clicked, this, &frmConfiguracionBackup::cmdRespaldar_Click);
    connect(cmdAceptar_, &QPushButton::clicked, this, &frmConfiguracionBackup::cmdAceptar_Click);
    connect(cmdCancelar_, &QPushButton::clicked, this, &QDialog::reject);
    mostrarRespaldos();
}

ConfiguracionRespaldo frmConfiguracionBackup::configuracionEnPantalla() const
{
    return {txtCarpeta_->text().trimmed(), txtDias_->value()};
}

bool frmConfiguracionBackup::carpetaIndicada()
{
    if (!configuracionEnPantalla().carpeta.isEmpty())
        return true;
    mensajes_.MensajeAtencion(QStringLiteral("Debe indicar la carpeta de los respaldos."));
    txtCarpeta_->setFocus();
    return false;
}

void frmConfiguracionBackup::mostrarRespaldos()
{
    lstRespaldos_->clear();
    for (const Respaldo& respaldo : respaldosEn(instalacion_, configuracionEnPantalla().carpeta)) {
        lstRespaldos_->addItem(respaldo.fecha.toString(QStringLiteral("dd/MM/yyyy")) + QStringLiteral("   ")
                               + QFileInfo(respaldo.archivo).fileName());
    }
}

void frmConfiguracionBackup::cmdExaminar_Click()
{
    const QString elegida = QFileDialog::getExistingDirectory(
        this, QStringLiteral("Carpeta de los respaldos"), txtCarpeta_->text(),
        QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    if (!elegida.isEmpty())
        txtCarpeta_->setText(elegida);
}

// Backs up with what is on screen, saved or not: the user sees where the copy goes.
void frmConfiguracionBackup::cmdRespaldar_Click()
{
    if (!carpetaIndicada())
        return;
    const ResultadoRespaldo resultado = RealizarRespaldo(instalacion_, configuracionEnPantalla(), ahora().date());
    mostrarRespaldos();
    if (resultado.problema.isEmpty())
        mensajes_.MensajeInformacion(QStringLiteral("El respaldo se realizó en ") + resultado.archivo
                                     + QLatin1Char('.'));
    else
        mensajes_.MensajeAtencion(resultado.problema);
}

void frmConfiguracionBackup::cmdAceptar_Click()
{
    if (!carpetaIndicada())
        return;
    try {
        guardarConfiguracionRespaldo(instalacion_, configuracionEnPantalla());
    } catch (const Error& error) {
        mensajes_.MensajeError(error.descripcion(), error.numero());
        return;
    }
    accept();
}

}  // namespace veluma
