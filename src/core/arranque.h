#pragma once

#include <QLockFile>
#include <QString>
#include <QStringList>

namespace veluma {

class Mensajes;
struct Sesion;

// One running copy per machine: a lock file in the system's temporary folder.
// A copy that ended abnormally leaves a stale lock, which the next one takes over.
class InstanciaUnica {
public:
    InstanciaUnica();
    bool adquirir();
    void liberar();

private:
    QLockFile bloqueo_;
};

// The host passes the CUIT as the whole command line: the arguments joined as given.
QString cuitDeArgumentos(const QStringList& argumentos);

// Texts of the two refusals at start-up.
QString textoYaEnEjecucion();
QString textoSinCuit();

// Creates the working database when missing, opens it (unscrambling it
// when it rests scrambled), links the reference tables, upgrades the schema
// and makes the stored queries usable: everything up to a usable `sesion.base`.
void abrirBaseDeTrabajo(Sesion& sesion, Mensajes& mensajes);

}  // namespace veluma
