#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <optional>

namespace veluma {

// Dates show as "DD/MM/YYYY" and are stored as ISO text. The empty date is an
// invalid QDate here and NULL in the database. The ISO texts of an invalid
// date are null QStrings; bind std::nullopt for them, as a QString always
// binds as text.

// "dd/MM/yyyy"; empty for an invalid date.
QString formatearFecha(const QDate& fecha);

// Strict "DD/MM/YYYY", blanks around allowed; nothing for an impossible date.
std::optional<QDate> leerFecha(const QString& texto);

// "yyyy-MM-dd".
QString fechaIso(const QDate& fecha);
// "yyyy-MM-dd HH:mm:ss".
QString fechaHoraIso(const QDateTime& fechaHora);

// Reads either ISO form ("yyyy-MM-dd" gives 00:00:00). The result is a
// wall-clock time in Qt::UTC, so every stored time exists: in local time a day
// on which the clocks moved may have no 00:00.
std::optional<QDateTime> leerFechaIso(const QString& texto);
// The day of a stored date column's text; the empty (invalid) date when it is
// NULL or not a date.
QDate leerFechaGuardada(const std::optional<QString>& texto);

}  // namespace veluma
