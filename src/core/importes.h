#pragma once

#include <QString>
#include <optional>

namespace veluma {

// The largest amount a record field of 15 digits with two decimals can carry.
inline constexpr double kImporteMaximo = 9999999999999.99;

// An amount as typed in a box that the submission records carry with two
// decimals: not negative, at most two decimals, at most kImporteMaximo.
// Nothing when it is not; `problema` then says why, naming the box by
// `nombre` ("Neto Cobrado").
std::optional<double> leerImporte(const QString& texto, const QString& nombre, QString& problema);

}  // namespace veluma
