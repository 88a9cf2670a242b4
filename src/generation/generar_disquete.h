#pragma once

#include "generation/datos_generacion.h"

#include <functional>
#include <memory>

namespace veluma {

class InterfazRegistros;
class Mensajes;
struct Sesion;

using ConstructorRegistros = std::function<std::unique_ptr<InterfazRegistros>(Sesion&)>;

// Writes the records of the session's declaration through the builder of its
// form and hands the result to the destination step.
class clsGenerarDisquete {
public:
    // `constructor`, when given, builds the records instead of the one
    // registered for the session's form: a screen passes the figures it shows.
    clsGenerarDisquete(Sesion& sesion, Mensajes& mensajes, std::function<void(const DatosGeneracion&)> mostrarDestino,
                       ConstructorRegistros constructor = {});

    // One builder per form number, for the whole process; a later call for
    // the same form replaces the earlier builder.
    static void registrarConstructorRegistros(int formulario, ConstructorRegistros constructor);

    // True once the destination step has been shown; false after telling the
    // user why nothing was generated.
    bool GenerarDisquete();

private:
    Sesion& sesion_;
    Mensajes& mensajes_;
    std::function<void(const DatosGeneracion&)> mostrarDestino_;
    ConstructorRegistros constructor_;
};

}  // namespace veluma
