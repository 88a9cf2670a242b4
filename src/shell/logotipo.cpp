#include "shell/logotipo.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace veluma {

QPixmap logotipo(int lado)
{
    QPixmap imagen(lado, lado);
    imagen.fill(Qt::transparent);
    QPainter pintor(&imagen);
    pintor.setRenderHint(QPainter::Antialiasing);

    QLinearGradient fondo(0, 0, 0, lado);
    fondo.setColorAt(0, QColor(0x1f, 0x4e, 0x8c));
    fondo.setColorAt(1, QColor(0x0d, 0x2b, 0x52));
    pintor.setPen(Qt::NoPen);
    pintor.setBrush(fondo);
    pintor.drawRoundedRect(QRectF(0, 0, lado, lado), lado * 0.18, lado * 0.18);

    QPainterPath uve;
    uve.moveTo(lado * 0.22, lado * 0.24);
    uve.lineTo(lado * 0.50, lado * 0.80);
    uve.lineTo(lado * 0.78, lado * 0.24);
    QPen trazo(QColor(0xf2, 0xc1, 0x4e), lado * 0.12, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    pintor.setPen(trazo);
    pintor.setBrush(Qt::NoBrush);
    pintor.drawPath(uve);
    return imagen;
}

QIcon iconoPrograma()
{
    QIcon icono;
    for (int lado : {16, 24, 32, 48, 64, 128, 256})
        icono.addPixmap(logotipo(lado));
    return icono;
}

}  // namespace veluma
