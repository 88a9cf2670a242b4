#include "core/fechas.h"

#include <QRegularExpression>

namespace veluma {

QString formatearFecha(const QDate& fecha)
{
    return fecha.isValid() ? fecha.toString(QStringLiteral("dd/MM/yyyy")) : QString();
}

std::optional<QDate> leerFecha(const QString& texto)
{
    // [0-9], not \d: \d would take digits of other scripts.
    static const QRegularExpression forma(QStringLiteral("^([0-9]{2})/([0-9]{2})/([0-9]{4})$"));
    const QRegularExpressionMatch partes = forma.match(texto.trimmed());
    if (!partes.hasMatch())
        return std::nullopt;
    const QDate fecha(partes.captured(3).toInt(), partes.captured(2).toInt(), partes.captured(1).toInt());
    if (!fecha.isValid())
        return std::nullopt;
    return fecha;
}

QString fechaIso(const QDate& fecha)
{
    return fecha.isValid() ? fecha.toString(QStringLiteral("yyyy-MM-dd")) : QString();
}

QString fechaHoraIso(const QDateTime& fechaHora)
{
    return fechaHora.isValid() ? fechaHora.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) : QString();
}

std::optional<QDateTime> leerFechaIso(const QString& texto)
{
    static const QRegularExpression forma(
        QStringLiteral("^([0-9]{4})-([0-9]{2})-([0-9]{2})(?: ([0-9]{2}):([0-9]{2}):([0-9]{2}))?$"));
    const QRegularExpressionMatch partes = forma.match(texto);
    if (!partes.hasMatch())
        return std::nullopt;
    const QDate fecha(partes.captured(1).toInt(), partes.captured(2).toInt(), partes.captured(3).toInt());
    // An absent group reads as 0.
    const QTime hora(partes.captured(4).toInt(), partes.captured(5).toInt(), partes.captured(6).toInt());
    if (!fecha.isValid() || !hora.isValid())
        return std::nullopt;
    return QDateTime(fecha, hora, Qt::UTC);
}

QDate leerFechaGuardada(const std::optional<QString>& texto)
{
    const std::optional<QDateTime> fecha = texto ? leerFechaIso(*texto) : std::nullopt;
    return fecha ? fecha->date() : QDate();
}

}  // namespace veluma
