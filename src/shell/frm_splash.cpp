#include "shell/frm_splash.h"

#include "core/version.h"
#include "shell/logotipo.h"

#include <QKeyEvent>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

namespace veluma {

frmSplash::frmSplash(QWidget* parent) : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmSplash"));
    setStyleSheet(QStringLiteral("QDialog { background: #0d2b52; border: 1px solid #f2c14e; }"
                                 "QLabel { color: white; }"));

    auto* marca = new QLabel(this);
    marca->setPixmap(logotipo(96));
    marca->setAlignment(Qt::AlignCenter);

    auto* nombre = new QLabel(QStringLiteral("VELUMA"), this);
    QFont fuente = nombre->font();
    fuente.setPointSize(28);
    fuente.setBold(true);
    nombre->setFont(fuente);
    nombre->setAlignment(Qt::AlignCenter);

    auto* descripcion = new QLabel(QStringLiteral("Declaraciones juradas de los impuestos a los Servicios de "
                                                  "Radiodifusión,\na los Videogramas Grabados y a las Entradas de "
                                                  "Espectáculos Cinematográficos"),
                                   this);
    descripcion->setAlignment(Qt::AlignCenter);

    auto* version = new QLabel(QStringLiteral("Versión ") + QString::fromLatin1(kVersionTexto), this);
    version->setObjectName(QStringLiteral("lblVersion"));
    version->setAlignment(Qt::AlignCenter);

    auto* capas = new QVBoxLayout(this);
    capas->setContentsMargins(36, 28, 36, 28);
    capas->setSpacing(12);
    capas->addWidget(marca);
    capas->addWidget(nombre);
    capas->addWidget(descripcion);
    capas->addWidget(version);

    QTimer::singleShot(kDuracionMs, this, &QDialog::accept);
}

void frmSplash::keyPressEvent(QKeyEvent* evento)
{
    if (evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter) {
        accept();
        return;
    }
    QDialog::keyPressEvent(evento);
}

}  // namespace veluma
