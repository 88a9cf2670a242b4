#pragma once

#include "printing/configuracion_reporte.h"

namespace veluma {

class Liquidacion618;
struct Sesion;

// The printed Form 618 of a settled declaration: template, selection, the
// named values (the day rows of each kind numbered from 01) and the caption.
ConfiguracionReporte reporteForm618(const Sesion& sesion, const Liquidacion618& liquidacion);

}  // namespace veluma
