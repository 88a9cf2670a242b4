#pragma once

#include "printing/configuracion_reporte.h"

namespace veluma {

struct Sesion;

// The printed Form 708 of the session's declaration: template, selection,
// every named value and the caption, at the rate `textoAlicuota` as the
// manager's field shows it.
ConfiguracionReporte reporteForm708(Sesion& sesion, const QString& textoAlicuota);

// The list of the declaration's rooms, without its page count: the caller
// lays it out once and adds the "ultimahoja" value.
ConfiguracionReporte reporteSalas(const Sesion& sesion);

// "ultimahoja=<n>", the value the rooms list prints on its last page.
QString formulaUltimaHoja(int paginas);

// "3 - Original" style text of a sequence, and "MM/YYYY" of a period.
QString textoSecuenciaImpresa(int secuencia);
QString textoPeriodoImpreso(int periodo);

}  // namespace veluma
