#pragma once

#include "generation/generar_disquete.h"

class QWidget;

namespace veluma {

class Mensajes;
class Unidades;
struct Sesion;

// What a form's "Generar" button runs: the records of the session's
// declaration, then the destination screen over the machine's volumes, with
// the busy pointer on `pantalla` meanwhile. True when the destination screen
// was shown. `constructor`, when given, builds the records in place of the
// form's registered builder.
bool GenerarPresentacion(QWidget& pantalla, Sesion& sesion, Mensajes& mensajes, ConstructorRegistros constructor = {});

// The volumes the destination screen offers from then on: the machine's
// when `unidades` is null (the start), else the given ones, which a test
// keeps alive while it uses them.
void fijarUnidadesDeDestino(Unidades* unidades);

}  // namespace veluma
