#pragma once

#include <QString>

namespace veluma {

class Database;
class Instalacion;

struct ResultadoCierre {
    bool compactada = false;  // the compacted copy took the database's place
    bool protegida = false;   // the file rests scrambled
    QString problema;            // why it could not be compacted; empty when it was
    QString problemaProteccion;  // why it could not be scrambled; empty when it was

    bool correcto() const { return problema.isEmpty() && problemaProteccion.isEmpty(); }
};

// Copies the open working database, compacted, into the temporary file of
// the program folder, checks the copy and makes it durable, closes the
// database and puts the copy in its place with one atomic rename. Any
// failure removes the copy and leaves the database file as it was.
void CompactoBaseDatos(Database& base, const Instalacion& instalacion);

// The closing of a session: compaction, then scrambling of the file at rest.
// Never throws and never loses the database; says what went wrong.
ResultadoCierre CerrarBaseTrabajo(Database& base, const Instalacion& instalacion);

// What the user is told after a closing that did not go as planned, every
// failure of it; empty when it went well.
QString mensajeCierre(const ResultadoCierre& resultado);

}  // namespace veluma
