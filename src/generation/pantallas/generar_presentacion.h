#pragma once

class QWidget;

namespace veluma {

class Liquidacion;
class Mensajes;
class Unidades;
struct Sesion;

// What a form's "Generar" button runs: the records of the settled
// declaration, then the destination screen over the machine's volumes, with
// the busy pointer on `pantalla` meanwhile. True when the destination screen
// was shown.
bool GenerarPresentacion(QWidget& pantalla, Sesion& sesion, Mensajes& mensajes, const Liquidacion& liquidacion);

// The volumes the destination screen offers from then on: the machine's
// when `unidades` is null (the start), else the given ones, which a test
// keeps alive while it uses them.
void fijarUnidadesDeDestino(Unidades* unidades);

}  // namespace veluma
