#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace veluma {

class Database;

enum class TipoCampo { Texto, Byte, Entero16, Entero32, Doble, FechaHora };

struct Campo {
    QString nombre;
    TipoCampo tipo;
    int tamano = 0;               // characters, for text
    bool vacioPermitido = true;   // a zero-length text may be stored
    bool requerido = false;       // may not be null
    QString valorPorDefecto;      // SQL literal; empty = no default
};

struct Indice {
    QString nombre;
    QStringList campos;
    bool primario = false;        // primary: unique, and no key column may be null
};

struct Tabla {
    QString nombre;
    std::vector<Campo> campos;
    std::vector<Indice> indices;
};

// The declaration tables of a new working database, in creation order.
const std::vector<Tabla>& tablasDeTrabajo();

// Schema version written into new databases; raised by each upgrade step.
inline constexpr int kVersionEsquema = 1;

// Creates a new working database file in the folder. A failure leaves no file behind.
void CrearBase(const QString& carpetaPrograma, const QString& nombreArchivo);

// Index names are per table, as users and tools know them ("PrimaryKey");
// in the file each is stored as "<table>.<index>" because the engine wants
// them unique across the database.
QString nombreIndiceEnBase(const QString& tabla, const QString& indice);
QStringList indicesDeTabla(Database& base, const QString& tabla);
void crearIndice(Database& base, const QString& tabla, const Indice& indice);
void eliminarIndice(Database& base, const QString& tabla, const QString& indice);

// Internal tables that stand in for the engine catalog of links and queries.
inline const QString kTablaVinculos = QStringLiteral("MSysVinculos");
inline const QString kTablaConsultas = QStringLiteral("MSysConsultas");

}  // namespace veluma
