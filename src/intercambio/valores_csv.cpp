#include "intercambio/valores_csv.h"

#include <QRegularExpression>

namespace veluma {

namespace {

// What one amount says of the decimal separator; nothing when it cannot tell.
std::optional<QChar> decimalDe(const QString& importe)
{
    const qsizetype punto = importe.lastIndexOf(QLatin1Char('.'));
    const qsizetype coma = importe.lastIndexOf(QLatin1Char(','));
    if (punto >= 0 && coma >= 0)
        return punto > coma ? QLatin1Char('.') : QLatin1Char(',');
    const qsizetype posicion = std::max(punto, coma);
    if (posicion < 0)
        return std::nullopt;
    const QChar marca = importe[posicion];
    const QChar otra = marca == QLatin1Char('.') ? QLatin1Char(',') : QLatin1Char('.');
    if (importe.count(marca) > 1)
        return otra;
    qsizetype digitos = 0;
    for (qsizetype i = posicion + 1; i < importe.size() && importe[i].isDigit(); ++i)
        ++digitos;
    if (digitos == 3)
        return std::nullopt;
    return marca;
}

}  // namespace

QChar separadorDecimal(const std::vector<QString>& importes, char separadorCampos)
{
    int coma = 0;
    int punto = 0;
    for (const QString& importe : importes)
        if (const std::optional<QChar> decimal = decimalDe(importe))
            ++(*decimal == QLatin1Char(',') ? coma : punto);
    if (coma != punto)
        return coma > punto ? QLatin1Char(',') : QLatin1Char('.');
    return separadorCampos == ',' ? QLatin1Char('.') : QLatin1Char(',');
}

QString importeComoSeEscribe(const QString& texto, QChar decimal)
{
    QString escrito = texto.trimmed();
    if (escrito.startsWith(QLatin1Char('$')))
        escrito = escrito.mid(1).trimmed();
    else if (escrito.startsWith(QLatin1String("-$")))
        escrito = QLatin1Char('-') + escrito.mid(2).trimmed();
    for (QChar& c : escrito) {
        if (c == decimal)
            c = QLatin1Char(',');
        else if (c == QLatin1Char('.') || c == QLatin1Char(',') || c == QLatin1Char(' ') || c == QChar(0x00A0)
                 || c == QLatin1Char('\''))
            c = QLatin1Char('.');
    }
    return escrito;
}

std::optional<QDate> leerFechaCsv(const QString& texto)
{
    static const QRegularExpression diaMesAnio(QStringLiteral("^(\\d{1,2})/(\\d{1,2})/(\\d{4})$"));
    static const QRegularExpression iso(QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})$"));
    const QString t = texto.trimmed();
    if (const QRegularExpressionMatch m = diaMesAnio.match(t); m.hasMatch())
        return QDate(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt());
    if (const QRegularExpressionMatch m = iso.match(t); m.hasMatch())
        return QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    return std::nullopt;
}

}  // namespace veluma
