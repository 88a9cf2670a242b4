#pragma once

#include "core/database.h"
#include "declarations/ddjj.h"

#include <QString>
#include <initializer_list>

namespace veluma {

// "ASC" or "DESC" as given (any case), for an ORDER BY written in the code;
// anything else throws Error.
QString direccionDeOrden(const QString& direccion);

// The one of `columnas` that `campo` names (any case), for an ORDER BY
// written in the code; any other name throws Error.
QString columnaDeOrden(const QString& campo, std::initializer_list<const char*> columnas);

// Binds CUIT, period and sequence of `clave` from parameter `desde` on.
inline Statement& ligarClave(Statement& consulta, const ClaveDDJJ& clave, int desde = 1)
{
    consulta.bind(desde, clave.cuit);
    consulta.bind(desde + 1, clave.periodo);
    consulta.bind(desde + 2, clave.secuencia);
    return consulta;
}

// What a refused save tells the user: `duplicado` for a key the database
// already holds, the engine's own description for anything else.
QString mensajeDeFallo(const DbError& error, const QString& duplicado);

}  // namespace veluma
