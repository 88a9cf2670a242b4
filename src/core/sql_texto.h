#pragma once

#include <QString>
#include <initializer_list>

namespace veluma {

class DbError;

// "ASC" or "DESC" as given (any case), for an ORDER BY written in the code;
// anything else throws Error.
QString direccionDeOrden(const QString& direccion);

// The one of `columnas` that `campo` names (any case), for an ORDER BY
// written in the code; any other name throws Error.
QString columnaDeOrden(const QString& campo, std::initializer_list<const char*> columnas);

// What a refused save tells the user: `duplicado` for a key the database
// already holds, the engine's own description for anything else.
QString mensajeDeFallo(const DbError& error, const QString& duplicado);

}  // namespace veluma
