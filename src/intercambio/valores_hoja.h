#pragma once

#include "intercambio/hojas.h"

#include <QString>

namespace veluma {

// An amount as the exchanged files write it: two decimals, ',' between them
// and the units, no thousands separator ("1234,50", "-0,75").
QString textoImporte(double importe);

// A value of a column as text in the files' conventions; empty for a null.
QString textoDeValor(const QVariant& valor, TipoColumna tipo);

}  // namespace veluma
