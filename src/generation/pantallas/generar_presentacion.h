#pragma once

class QWidget;

namespace veluma {

class Mensajes;
struct Sesion;

// What a form's "Generar" button runs: the records of the session's
// declaration, then the destination screen over the machine's volumes, with
// the busy pointer on `pantalla` meanwhile. True when the destination screen
// was shown.
bool GenerarPresentacion(QWidget& pantalla, Sesion& sesion, Mensajes& mensajes);

}  // namespace veluma
