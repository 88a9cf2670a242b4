#pragma once

#include "intercambio/hojas.h"

#include <QString>
#include <functional>
#include <vector>

namespace veluma {

class Formulario;
class Liquidacion;
struct Sesion;

struct CifraLiquidada {
    QString concepto;
    double importe = 0;
};

// The sheet "Liquidación": the settlement's figures, a row each; when the
// declaration cannot be settled, one row with the reason instead. `cifras`
// takes the form's own settlement.
Hoja hojaDeLiquidacion(const Formulario& formulario, Sesion& sesion,
                       const std::function<std::vector<CifraLiquidada>(const Liquidacion&)>& cifras);

}  // namespace veluma
