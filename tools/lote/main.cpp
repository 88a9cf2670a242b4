// veluma-lote --instalacion CARPETA --cuit CUIT --formulario NNN --periodo AAAAMM
//             --secuencia N --destino CARPETA [--pdf ARCHIVO]
// veluma-lote ... --importar ARCHIVO.csv [--reemplazar]
// veluma-lote ... --exportar ARCHIVO.xlsx|ARCHIVO.csv
//
// Generates the submission file of one stored declaration into a folder, as
// the CD destination of the program does, and prints its full path; with
// --pdf it also prints the declaration's form into that file. With
// --importar it stores the lines of a CSV file in the declaration instead,
// all or none; with --exportar it writes the declaration to a workbook or
// CSV files and prints their paths. Messages are
// written as "Título: texto" lines on standard error and every question is
// answered so the run goes on (a file already at the destination is
// replaced). Exit code 0 when the file was written (or the lines stored), 1 when it
// was not (or printing or closing failed), 2 for a wrong command line. Ended by
// a signal, it closes the database and releases its lock before it ends so.

#include "core/consola.h"
#include "core/mensajes.h"
#include "formularios_instalados.h"
#include "lote.h"
#include "terminacion.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdio>
#include <memory>

using namespace veluma;

int main(int argc, char** argv)
{
    registrarFormularios();
    QStringList argumentos;
    for (int i = 1; i < argc; ++i)
        argumentos += QString::fromLocal8Bit(argv[i]);
    const lote::LecturaOpciones lectura = lote::leerOpciones(argumentos);
    if (lectura.ayuda) {
        escribirLinea(stdout, lote::textoUso());
        return lote::kSalidaCorrecta;
    }
    if (!lectura.opciones) {
        escribirLinea(stderr, lectura.problema);
        escribirLinea(stderr, lote::textoUso());
        return lote::kSalidaUso;
    }

    // Laying out the printed form needs fonts, hence a GUI application; no
    // screen is ever shown.
    std::unique_ptr<QCoreApplication> aplicacion;
    if (lectura.opciones->pdf.isEmpty()) {
        aplicacion = std::make_unique<QCoreApplication>(argc, argv);
    } else {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        aplicacion = std::make_unique<QGuiApplication>(argc, argv);
    }
    aplicacion->setApplicationName(tituloPrograma());

    MensajesConsola mensajes;
    lote::postergarTerminacion();
    const lote::ResultadoLote resultado = lote::ejecutarLote(*lectura.opciones, mensajes);
    if (lote::senalPendiente() != 0) {
        mensajes.MensajeInformacion(QStringLiteral("El proceso fue interrumpido; la base de datos quedó cerrada."));
        std::fflush(stderr);
        lote::terminarPorSenalPendiente();
    }
    if (!resultado.archivo.isEmpty())
        escribirLinea(stdout, resultado.archivo);
    return resultado.codigo;
}
