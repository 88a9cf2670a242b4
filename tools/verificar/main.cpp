// veluma-verificar FILE...
//
// Checks a submission file before it is handed in: the diskettes in order,
// the CD file or the Internet (.b64) file. A valid file prints its record
// count and header and exits 0; otherwise the problem goes to standard error
// and the exit code is 1 (2 when called without files).

#include "core/consola.h"
#include "generation/verificacion_archivo.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication aplicacion(argc, argv);
    const QStringList archivos = aplicacion.arguments().mid(1);
    if (archivos.isEmpty()) {
        veluma::escribirLinea(stderr, QStringLiteral("uso: veluma-verificar ARCHIVO..."));
        return 2;
    }
    const veluma::ResultadoVerificacion resultado = veluma::VerificarPresentacion(archivos);
    if (!resultado.valido) {
        veluma::escribirLinea(stderr, resultado.problema);
        return 1;
    }
    veluma::escribirLinea(stdout, QStringLiteral("Archivo válido: %1 registros.").arg(resultado.registros.size()));
    veluma::escribirLinea(stdout, resultado.cabecera);
    return 0;
}
