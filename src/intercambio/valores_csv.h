#pragma once

#include <QDate>
#include <QString>
#include <optional>
#include <vector>

namespace veluma {

// The decimal separator of a file's amounts: the one that reads them all
// alike ("1.234,50" and "12,5" say ","; "1,234.50" and "12.5" say "."). When
// no amount tells (all whole, or "1.234" alone), the file's field separator
// decides: a comma-separated file writes "." for decimals, the others ",".
QChar separadorDecimal(const std::vector<QString>& importes, char separadorCampos);

// The amount as a person types it in the program's boxes ("-1.234,5"): the
// decimal separator becomes "," and the thousands separator (the other mark,
// a blank or an apostrophe) becomes "."; a leading "$" goes. The boxes' own
// reading then judges it, so a file gets the same messages as typing.
QString importeComoSeEscribe(const QString& texto, QChar decimal);

// A date written DD/MM/YYYY (or D/M/YYYY, or YYYY-MM-DD). Nothing when the
// text is not written as a date; an invalid QDate when it is, but no such
// day exists (31/04/2005).
std::optional<QDate> leerFechaCsv(const QString& texto);

}  // namespace veluma
