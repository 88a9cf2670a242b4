#pragma once

#include "opciones_lote.h"

namespace veluma {
class Formulario;
class Mensajes;
struct Sesion;
}  // namespace veluma

namespace veluma::lote {

// Imports the lines of the CSV file into the session's declaration, all or
// none, as the preview of the screens does when accepted; refused lines are
// each told with their reason. True when the lines were stored.
bool importarEnDeclaracion(Sesion& sesion, const Formulario& formulario, const OpcionesLote& opciones,
                           Mensajes& mensajes);

}  // namespace veluma::lote
