#pragma once

#include "generation/datos_generacion.h"

#include <functional>

namespace veluma {

class Liquidacion;
class Mensajes;
struct Sesion;

// Writes the records of a settled declaration through its form's builder and
// hands the result to the destination step.
class clsGenerarDisquete {
public:
    clsGenerarDisquete(Sesion& sesion, Mensajes& mensajes, std::function<void(const DatosGeneracion&)> mostrarDestino);

    // True once the destination step has been shown; false after telling the
    // user why nothing was generated.
    bool GenerarDisquete(const Liquidacion& liquidacion);

private:
    Sesion& sesion_;
    Mensajes& mensajes_;
    std::function<void(const DatosGeneracion&)> mostrarDestino_;
};

}  // namespace veluma
