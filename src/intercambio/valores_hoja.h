#pragma once

#include "intercambio/hojas.h"

#include <QString>

namespace veluma {

// A value of a column as text in the files' conventions; empty for a null.
// Amounts with two decimals, ',' before them and no thousands separator
// ("1234,50", "-0,75"), rounded as the screens round them.
QString textoDeValor(const QVariant& valor, TipoColumna tipo);

}  // namespace veluma
