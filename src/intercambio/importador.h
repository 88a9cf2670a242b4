#pragma once

#include <QSet>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <vector>

namespace veluma {

class Database;

// One value an importer takes from each line of a file.
struct CampoImportacion {
    QString clave;             // how veluma.ini remembers the column chosen for it
    QString titulo;            // the column title that names it in a header row
    QStringList otrosTitulos;  // other titles people give that column
    bool obligatorio = true;   // false when the screen gives the value the column lacks
    bool importe = false;      // an amount: written with the file's decimal separator
};

// A line read and checked as the screen checks a typed one.
struct LineaLeida {
    QStringList mostrada;         // each field as it will be stored
    QString problema;             // why it is refused; empty when it is not
    QString clave;                // the stored row it becomes, to find repeated lines
    std::vector<QVariant> datos;  // the values to store
};

// The part of a screen that takes its lines from a file: what a line holds,
// how it is read and checked, and how a line becomes a stored row.
class Importador {
public:
    virtual ~Importador() = default;

    // "Entradas vendidas": what is imported, in the preview's title.
    virtual QString titulo() const = 0;
    // Names the section in veluma.ini and in veluma-lote.
    virtual QString seccion() const = 0;
    virtual std::vector<CampoImportacion> campos() const = 0;

    // Reads one line: `valores` holds the text of each field, in the order of
    // campos(), empty for a field without a column; amounts come as typed in
    // the program's boxes.
    virtual LineaLeida leer(const QStringList& valores) const = 0;
    // What the screen says when a line repeats one already typed.
    virtual QString textoRepetida() const = 0;

    // Whether the declaration already stores the row of that key.
    bool yaCargada(const QString& clave) const { return cargadas_.contains(clave); }

    // Stores the lines, within the caller's transaction; a line whose row is
    // stored already takes its place.
    void guardar(Database& base, const std::vector<const LineaLeida*>& lineas) const;

protected:
    // Where a line's row goes, "INTO [table] (columns) VALUES (?, ...)": its
    // parameters are the declaration's values, then the line's `datos`.
    virtual QString destinoDeFila() const = 0;
    virtual std::vector<QVariant> valoresDeLaDeclaracion() const = 0;

    QSet<QString> cargadas_;  // the keys of the rows the declaration stores
};

}  // namespace veluma
