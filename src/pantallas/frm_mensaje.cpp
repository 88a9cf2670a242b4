#include "pantallas/frm_mensaje.h"

#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

namespace veluma {

frmMensaje::frmMensaje(const QString& titulo, const QString& texto, QWidget* parent)
    : QDialog(parent), lblMensaje_(new QLabel(texto, this)), Timer1_(new QTimer(this))
{
    setObjectName(QStringLiteral("frmMensaje"));
    setWindowTitle(titulo);
    lblMensaje_->setObjectName(QStringLiteral("lblMensaje"));
    lblMensaje_->setAlignment(Qt::AlignCenter);
    lblMensaje_->setMinimumSize(280, 60);
    auto* capas = new QVBoxLayout(this);
    capas->addWidget(lblMensaje_);

    Timer1_->setObjectName(QStringLiteral("Timer1"));
    Timer1_->setSingleShot(true);
    Timer1_->setInterval(kDuracionMs);
    connect(Timer1_, &QTimer::timeout, this, &QDialog::accept);
    Timer1_->start();
}

}  // namespace veluma
