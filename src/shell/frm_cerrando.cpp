#include "shell/frm_cerrando.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QScreen>
#include <QTimer>

namespace veluma {

frmCerrando::frmCerrando(const QString& tituloPrincipal, const QIcon& icono, std::function<void()> cierre,
                         QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      cierre_(std::move(cierre)),
      tmrCerrar_(new QTimer(this))
{
    setObjectName(QStringLiteral("frmCerrando"));
    setWindowTitle(tituloPrincipal + QStringLiteral(" - Cerrando el sistema"));
    setWindowIcon(icono);

    auto* imagen = new QLabel(this);
    imagen->setObjectName(QStringLiteral("imgIcono"));
    imagen->setPixmap(icono.pixmap(48, 48));
    auto* respaldo = new QLabel(textoRespaldo(), this);
    respaldo->setObjectName(QStringLiteral("lblRespaldo"));
    respaldo->setWordWrap(true);
    auto* espera = new QLabel(textoEspera(), this);
    espera->setObjectName(QStringLiteral("lblEspera"));
    espera->setWordWrap(true);

    auto* capas = new QGridLayout(this);
    capas->setContentsMargins(20, 20, 20, 20);
    capas->setHorizontalSpacing(16);
    capas->addWidget(imagen, 0, 0, 2, 1, Qt::AlignTop);
    capas->addWidget(respaldo, 0, 1);
    capas->addWidget(espera, 1, 1);
    capas->setColumnStretch(1, 1);
    setFixedWidth(460);

    tmrCerrar_->setObjectName(QStringLiteral("Timer"));
    tmrCerrar_->setSingleShot(true);
    tmrCerrar_->setInterval(kDemoraMs);
    connect(tmrCerrar_, &QTimer::timeout, this, &frmCerrando::Timer_Timer);
}

QString frmCerrando::textoRespaldo()
{
    return QStringLiteral("Recuerde que debe realizar diariamente un respaldo de la información.");
}

QString frmCerrando::textoEspera()
{
    return QStringLiteral("Esta operación puede tardar unos minutos. Por favor espere mientras se cierra el sistema...");
}

void frmCerrando::showEvent(QShowEvent* evento)
{
    QDialog::showEvent(evento);
    adjustSize();
    if (const QScreen* pantalla = screen()) {
        const QRect area = pantalla->geometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
    if (!terminado_ && !tmrCerrar_->isActive())
        tmrCerrar_->start();
}

void frmCerrando::Timer_Timer()
{
    tmrCerrar_->stop();
    cierre_();
    terminado_ = true;
    accept();
}

// The closing cannot be interrupted halfway: the window stays until its work is done.
void frmCerrando::closeEvent(QCloseEvent* evento)
{
    if (terminado_)
        QDialog::closeEvent(evento);
    else
        evento->ignore();
}

void frmCerrando::reject()
{
    if (terminado_)
        QDialog::reject();
}

}  // namespace veluma
