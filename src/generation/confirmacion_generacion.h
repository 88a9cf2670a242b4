#pragma once

#include "generation/datos_generacion.h"

namespace veluma {

class Mensajes;
class ccGeneracion;

enum class DestinoGeneracion { Disquete, CD, Internet };

// Builds, in the work folder, what the chosen destination takes: "Genera.dat"
// (encoded; without its header line for diskettes) for Disquete and CD, the
// header-plus-records "cabent.txt" for Internet. Any earlier "Genera.dat" is
// gone first. False, after telling the user, when nothing may be copied.
bool PrepararArchivo(const ccGeneracion& generacion, const DatosGeneracion& datos, DestinoGeneracion destino,
                     Mensajes& mensajes);

// Removes the intermediate files once the destination has taken its copy.
void LimpiarTrasGeneracion(const ccGeneracion& generacion);

}  // namespace veluma
