#pragma once

#include "support/ejecucion.h"

#include <gtest/gtest.h>

namespace veluma::test {

// What the installed veluma-verificar of the program folder prints for
// `archivos`, as the taxpayer runs it before handing them in; the test fails
// when it refuses them.
inline QString salidaDelVerificador(const QString& carpetaPrograma, const QStringList& archivos)
{
    const Ejecucion verificador = ejecutar(carpetaPrograma + QStringLiteral("/veluma-verificar"), archivos);
    EXPECT_EQ(verificador.codigo, 0) << verificador.errores.toStdString();
    return QString::fromUtf8(verificador.salida);
}

}  // namespace veluma::test
