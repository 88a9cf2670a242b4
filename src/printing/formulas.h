#pragma once

#include <QString>
#include <map>
#include <optional>
#include <utility>

namespace veluma {

// Reads "Nombre='valor'" into its name and value. The value is everything
// between the first "='" and the last character, which must be an
// apostrophe, so the value may hold apostrophes of its own. A number may go
// without quotes: "Nombre=3". Nothing for an empty or malformed text.
std::optional<std::pair<QString, QString>> leerFormula(const QString& texto);

// The named values of the formulas by index; malformed ones are skipped and,
// when a name repeats, the highest index wins.
std::map<QString, QString> valoresDeFormulas(const std::map<int, QString>& formulas);

}  // namespace veluma
