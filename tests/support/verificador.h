#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

namespace veluma::test {

// What the installed veluma-verificar of the program folder prints for
// `archivos`, as the taxpayer runs it before handing them in; the test fails
// when it refuses them.
inline QString salidaDelVerificador(const QString& carpetaPrograma, const QStringList& archivos)
{
    QProcess verificador;
    verificador.start(carpetaPrograma + QStringLiteral("/veluma-verificar"), archivos);
    EXPECT_TRUE(verificador.waitForFinished(30000));
    EXPECT_EQ(verificador.exitCode(), 0) << verificador.readAllStandardError().toStdString();
    return QString::fromUtf8(verificador.readAllStandardOutput());
}

}  // namespace veluma::test
