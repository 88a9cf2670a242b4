// veluma-demo DIR
//
// Prepares a demonstration installation in DIR: the host databases with the
// sample taxpayers (kept when they already exist) and the program copied from
// the folder this tool was built into. Prints one demo CUIT per line, so a
// script can start the program with any of them.

#include "instalacion_demo.h"

#include "core/error.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

void escribir(std::FILE* salida, const QString& texto)
{
    const QByteArray utf8 = (texto + QLatin1Char('\n')).toUtf8();
    std::fwrite(utf8.constData(), 1, size_t(utf8.size()), salida);
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList argumentos = app.arguments();
    if (argumentos.size() != 2) {
        escribir(stderr, QStringLiteral("Uso: veluma-demo CARPETA"));
        return 1;
    }
    try {
        const QStringList cuits =
            veluma::demo::crearInstalacionDemo(argumentos[1], QCoreApplication::applicationDirPath());
        for (const QString& cuit : cuits)
            escribir(stdout, cuit);
    } catch (const veluma::Error& e) {
        escribir(stderr, QStringLiteral("veluma-demo: ") + e.descripcion());
        return 1;
    }
    return 0;
}
