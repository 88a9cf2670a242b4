#pragma once

#include <functional>
#include <vector>

namespace veluma {

class Database;
class Mensajes;

// One upgrade of the working database's schema to `version`.
struct PasoActualizacion {
    int version;
    std::function<void(Database&)> aplicar;
};

// The upgrade steps of released schema versions, oldest first.
const std::vector<PasoActualizacion>& pasosActualizacion();

// Brings an existing working database up to date at every start: the
// secondary index of the rooms table, the text of the Form 617 print query,
// then any schema step the file has not had yet. A duplicate-key conflict in
// the index tells the user and throws FinDelPrograma.
void ActualizarEsquema(Database& base, Mensajes& mensajes);

// Runs, each in its own transaction, the steps whose version is above the
// file's, recording each version as it lands.
void aplicarPasos(Database& base, const std::vector<PasoActualizacion>& pasos, int versionFinal);

// Refuses, before anything touches it, a file written by a newer program or
// one without a single table (an empty file opens as such).
void verificarVersionEsquema(Database& base);

}  // namespace veluma
