#pragma once

#include "intercambio/hojas.h"

namespace veluma {

class Formulario;
struct Sesion;

// The sheet "Liquidación": the settlement's figures, a row each; when the
// declaration cannot be settled, one row with the reason instead.
Hoja hojaDeLiquidacion(const Formulario& formulario, Sesion& sesion);

}  // namespace veluma
