// The submission-file encoder: "dkwin /E entrada salida" encodes,
// "dkwin /D entrada salida" decodes. Exit code 0 only when the output file
// was written whole; any failure says why on standard error.

#include "formato_dkwin.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <cstdio>

namespace {

int fallar(const QString& motivo)
{
    std::fprintf(stderr, "dkwin: %s\n", motivo.toLocal8Bit().constData());
    return 1;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication aplicacion(argc, argv);
    const QStringList argumentos = aplicacion.arguments().mid(1);
    const QString modo = argumentos.value(0).toUpper();
    if (argumentos.size() != 3 || (modo != QLatin1String("/E") && modo != QLatin1String("/D")))
        return fallar(QStringLiteral("uso: dkwin /E|/D entrada salida"));

    QFile entrada(argumentos[1]);
    if (!entrada.open(QIODevice::ReadOnly))
        return fallar(QStringLiteral("no se puede leer %1: %2").arg(argumentos[1], entrada.errorString()));
    const QByteArray contenido = entrada.readAll();

    QByteArray resultado;
    if (modo == QLatin1String("/E")) {
        resultado = veluma::codificarDkwin(contenido);
        if (resultado.isEmpty())
            return fallar(QStringLiteral("no se pudo codificar %1").arg(argumentos[1]));
    } else {
        const auto decodificado = veluma::decodificarDkwin(contenido);
        if (!decodificado)
            return fallar(QStringLiteral("%1 está dañado o no es un archivo codificado").arg(argumentos[1]));
        resultado = *decodificado;
    }

    QSaveFile salida(argumentos[2]);
    if (!salida.open(QIODevice::WriteOnly) || salida.write(resultado) != resultado.size() || !salida.commit())
        return fallar(QStringLiteral("no se puede escribir %1: %2").arg(argumentos[2], salida.errorString()));
    return 0;
}
