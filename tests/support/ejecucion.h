#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace veluma::test {

struct Ejecucion {
    int codigo = -1;  // the exit code; -1 when the program did not end normally within a minute
    QByteArray salida;
    QByteArray errores;
};

// Runs a program to its end, as a script would.
inline Ejecucion ejecutar(const QString& programa, const QStringList& argumentos)
{
    QProcess proceso;
    proceso.start(programa, argumentos);
    Ejecucion ejecucion;
    if (proceso.waitForFinished(60000) && proceso.exitStatus() == QProcess::NormalExit)
        ejecucion.codigo = proceso.exitCode();
    ejecucion.salida = proceso.readAllStandardOutput();
    ejecucion.errores = proceso.readAllStandardError();
    return ejecucion;
}

}  // namespace veluma::test
