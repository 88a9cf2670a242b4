#pragma once

#include "printing/configuracion_reporte.h"

namespace veluma {

class Liquidacion617;
struct Sesion;

// The printed Form 617 of a settled declaration: template, selection, the
// declaration's figures in the television or the radio block, one row per
// licence, and the caption.
ConfiguracionReporte reporteForm617(const Sesion& sesion, const Liquidacion617& liquidacion);

}  // namespace veluma
