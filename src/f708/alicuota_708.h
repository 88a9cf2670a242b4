#pragma once

#include <QString>
#include <optional>

namespace veluma {

struct ClaveDDJJ;

// The rate of a Form 708 declaration is the percentage kept in its CAMPO1.

// The rate as the user types it ("10,5"); nothing when it is not a number of
// at most two decimals between 0 and 100.
std::optional<double> leerAlicuota(const QString& texto);

// The declaration's rate: Val of its CAMPO1 ("10.5" gives 10.5).
double alicuotaDe(const ClaveDDJJ& clave);

// "10,00": the rate as the manager's field and the printed form show it.
QString textoAlicuota(double alicuota);

}  // namespace veluma
