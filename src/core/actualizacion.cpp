#include "core/actualizacion.h"

#include "core/consultas.h"
#include "core/database.h"
#include "core/esquema.h"
#include "core/mensajes.h"
#include "core/transaction.h"

#include <sqlcipher/sqlite3.h>

namespace veluma {

namespace {

const QString kTablaSalas = QStringLiteral("708Salas");

// Older files carry the rooms' secondary index under the name "Secundario".
void actualizarIndiceSalas(Database& base)
{
    for (const QString& indice : indicesDeTabla(base, kTablaSalas)) {
        const QString nombre = indice.toUpper();
        if (nombre == QLatin1String("SECUNDARIO1"))
            return;
        if (nombre == QLatin1String("SECUNDARIO"))
            eliminarIndice(base, kTablaSalas, indice);
    }
    crearIndice(base, kTablaSalas, {QStringLiteral("Secundario1"), {QStringLiteral("COD_INCAA")}, false});
}

}  // namespace

const std::vector<PasoActualizacion>& pasosActualizacion()
{
    // Version 1 is the first schema. Each later version adds its step here,
    // with a test that upgrades a file of the version before.
    static const std::vector<PasoActualizacion> pasos;
    return pasos;
}

void verificarVersionEsquema(Database& base)
{
    // An empty file opens as a database without a single table.
    Statement tablas = base.prepare(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'table'"));
    if (tablas.next() && tablas.integer(0) == 0) {
        throw Error(SQLITE_CORRUPT, QStringLiteral("La base de datos de trabajo está vacía o dañada: no tiene "
                                                   "ninguna de sus tablas. El archivo no se modificó."));
    }
    const int version = base.userVersion();
    if (version > kVersionEsquema) {
        throw Error(SQLITE_ERROR,
                    QStringLiteral("La base de datos fue actualizada por una versión más reciente del sistema "
                                   "(esquema %1; esta versión conoce hasta el %2). Instale la versión más reciente "
                                   "para seguir usándola; el archivo no se modificó.")
                        .arg(version)
                        .arg(kVersionEsquema));
    }
}

void aplicarPasos(Database& base, const std::vector<PasoActualizacion>& pasos, int versionFinal)
{
    for (const PasoActualizacion& paso : pasos) {
        if (paso.version <= base.userVersion())
            continue;
        Transaction transaccion(base);
        paso.aplicar(base);
        base.setUserVersion(paso.version);
        transaccion.commit();
    }
    if (base.userVersion() < versionFinal)
        base.setUserVersion(versionFinal);
}

void ActualizarEsquema(Database& base, Mensajes& mensajes)
{
    try {
        actualizarIndiceSalas(base);
    } catch (const DbError& error) {
        if (error.kind() == DbErrorKind::DuplicateKey) {
            mensajes.MensajeSimple(QStringLiteral("Se ha detectado un conflicto en el índice de su base de datos\r"
                                                  "por favor comuníquese con la mesa de ayudas de la KELT"));
            throw FinDelPrograma();
        }
        // Any other failure only leaves the old index in place.
    } catch (const Error&) {
    }
    guardarConsulta(base, kConsultaImpresionDDJJ, sqlImpresionDDJJ());
    aplicarPasos(base, pasosActualizacion(), kVersionEsquema);
}

}  // namespace veluma
