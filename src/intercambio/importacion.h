#pragma once

#include "intercambio/archivo_csv.h"
#include "intercambio/importador.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

namespace veluma {

class Database;

// Which column of the file gives each field of the importer.
struct Asignacion {
    bool encabezado = false;    // the first record holds the titles, not a line
    std::vector<int> columnas;  // by field, the file column from 0; -1 for none
};

// A line of the file as the preview lists it.
struct LineaImportada {
    int linea = 0;  // in the file
    LineaLeida leida;
    bool yaCargada = false;
};

// The field key of each file column, empty for a column not used: what
// veluma.ini remembers.
QStringList clavesPorColumna(const Importador& importador, const Asignacion& asignacion, int columnas);

// "1 línea", "120 líneas".
QString textoLineas(qsizetype cantidad);

// A file read for one importer: every line checked with the columns chosen,
// nothing stored until importar().
class Importacion {
public:
    // The columns start from the titles of the file's first record when they
    // name the fields; otherwise from `recordada` (the field keys by column,
    // as clavesPorColumna() gives them) when the file has that many columns;
    // otherwise the fields are taken in order.
    Importacion(std::unique_ptr<Importador> importador, TablaCsv tabla, const QStringList& recordada = {});

    const Importador& importador() const { return *importador_; }
    const TablaCsv& tabla() const { return tabla_; }
    const Asignacion& asignacion() const { return asignacion_; }
    // The fields of the file's first record.
    int columnas() const;
    QChar separadorDecimal() const { return decimal_; }

    // Checks every line again with other columns.
    void asignar(const Asignacion& asignacion);
    const std::vector<LineaImportada>& lineas() const { return lineas_; }
    int rechazadas() const { return rechazadas_; }
    int yaCargadas() const { return yaCargadas_; }

    // Why the file cannot be imported as it is: a field without its column,
    // no lines, or refused lines (the first one named). Empty when it can.
    QString impedimento() const;

    // Stores the lines in one transaction: all of them or none. Returns how
    // many were stored; throws Error when the file cannot be imported or the
    // database refuses a row.
    int importar(Database& base, bool reemplazar) const;

private:
    std::unique_ptr<Importador> importador_;
    TablaCsv tabla_;
    Asignacion asignacion_;
    QChar decimal_;
    std::vector<LineaImportada> lineas_;
    int rechazadas_ = 0;
    int yaCargadas_ = 0;
};

}  // namespace veluma
