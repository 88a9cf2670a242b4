// veluma-demo DIR
//
// Prepares a demonstration installation in DIR: the host databases with the
// sample taxpayers (kept when they already exist) and the program copied from
// the folder this tool was built into. Prints one demo CUIT per line, so a
// script can start the program with any of them.

#include "instalacion_demo.h"

#include "core/consola.h"
#include "core/error.h"

#include <QCoreApplication>


int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList argumentos = app.arguments();
    if (argumentos.size() != 2) {
        veluma::escribirLinea(stderr, QStringLiteral("Uso: veluma-demo CARPETA"));
        return 1;
    }
    try {
        const QStringList cuits =
            veluma::demo::crearInstalacionDemo(argumentos[1], QCoreApplication::applicationDirPath());
        for (const QString& cuit : cuits)
            veluma::escribirLinea(stdout, cuit);
    } catch (const veluma::Error& e) {
        veluma::escribirLinea(stderr, QStringLiteral("veluma-demo: ") + e.descripcion());
        return 1;
    }
    return 0;
}
