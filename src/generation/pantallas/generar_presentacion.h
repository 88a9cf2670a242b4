#pragma once

#include "generation/generar_disquete.h"

class QWidget;

namespace veluma {

class Mensajes;
struct Sesion;

// What a form's "Generar" button runs: the records of the session's
// declaration, then the destination screen over the machine's volumes, with
// the busy pointer on `pantalla` meanwhile. True when the destination screen
// was shown. `constructor`, when given, builds the records in place of the
// form's registered builder.
bool GenerarPresentacion(QWidget& pantalla, Sesion& sesion, Mensajes& mensajes, ConstructorRegistros constructor = {});

}  // namespace veluma
