#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace veluma::lote {

// What a run does with the declaration: generate its file, import lines
// into it from a CSV file, or export it to a workbook or CSV files.
enum class Tarea { Generar, Importar, Exportar };

// What one run of veluma-lote is asked to do.
struct OpcionesLote {
    Tarea tarea = Tarea::Generar;
    QString instalacion;  // the program folder of the installation
    QString cuit;         // exactly as the host would pass it
    int formulario = 0;
    int periodo = 0;    // YYYYMM
    int secuencia = 0;  // 0 original, 1 to 3 rectifying
    QString destino;    // Generar: the folder that receives the file, as for a CD
    QString pdf;        // where the printed form goes; empty for none
    QString valor;      // the form's own value (618: the institute code); empty for any
    QString archivo;    // Importar: the CSV file read; Exportar: the file written
    bool reemplazar = false;  // Importar: lines already stored take the file's values
};

struct LecturaOpciones {
    std::optional<OpcionesLote> opciones;  // set when the command line is complete and valid
    bool ayuda = false;                    // --ayuda or --help: only the usage is wanted
    QString problema;                      // why the command line cannot be used
};

// Reads the arguments after the program name. The declaration's options are
// required, with one of --destino, --importar and --exportar; each option
// takes one value (--reemplazar none) and may appear once.
LecturaOpciones leerOpciones(const QStringList& argumentos);

// The usage lines shown with --ayuda and after a wrong command line.
QString textoUso();

}  // namespace veluma::lote
