#pragma once

#include "printing/configuracion_reporte.h"

namespace veluma {

class Liquidacion708;
struct Sesion;

// The printed Form 708 of a settled declaration: template, selection, every
// named value and the caption.
ConfiguracionReporte reporteForm708(const Sesion& sesion, const Liquidacion708& liquidacion);

// The list of the session declaration's rooms, without its page count: the
// caller lays it out once and adds the "ultimahoja" value.
ConfiguracionReporte reporteSalas(const Sesion& sesion);

// "ultimahoja=<n>", the value the rooms list prints on its last page.
QString formulaUltimaHoja(int paginas);

}  // namespace veluma
