#pragma once

#include <QString>

namespace veluma {

// The password of the working, auxiliary and host databases.
QString contrasenaBase();

// The connect suffix ";PWD=" + password that the session keeps as its key.
QString textoClave();

// The password inside a connect text such as textoClave() or a link's text.
QString contrasenaDeConexion(const QString& conexion);

}  // namespace veluma
