#include "core/vinculos.h"

#include "core/clave.h"
#include "core/database.h"
#include "core/esquema.h"
#include "core/instalacion.h"

#include <optional>
#include <sqlcipher/sqlite3.h>

namespace veluma {

namespace {

QString rutaDeConexion(const QString& conexion)
{
    static const QString marca = QStringLiteral(";DATABASE=");
    const int desde = conexion.indexOf(marca) + marca.size();
    return conexion.mid(desde, conexion.indexOf(QLatin1Char(';'), desde) - desde);
}

// Makes sure the linked table is really there, as refreshing a link would.
void refrescarVinculo(Database& base, const QString& tabla, const QString& rutaAuxiliar)
{
    Statement busqueda = base.prepare(QStringLiteral("SELECT 1 FROM \"%1\".sqlite_master WHERE type = 'table' "
                                                     "AND name = ? COLLATE NOCASE").arg(kAliasReferencia));
    if (!busqueda.bindAll(tabla).next()) {
        const QString texto = QStringLiteral("La tabla ") + tabla
            + QStringLiteral(" no se encuentra en la base auxiliar ") + rutaAuxiliar + QLatin1Char('.');
        throw DbError(SQLITE_ERROR, SQLITE_ERROR, texto, texto);
    }
}

std::optional<QString> conexionGuardada(Database& base, const QString& tabla)
{
    Statement vinculo = base.prepare(QStringLiteral("SELECT Conexion FROM %1 WHERE Nombre = ?").arg(kTablaVinculos));
    if (!vinculo.bindAll(tabla).next())
        return std::nullopt;
    return vinculo.text(0);
}

}  // namespace

const QStringList& tablasReferencia()
{
    static const QStringList tablas = {QStringLiteral("617TablaConceptos"), QStringLiteral("617TablaDenom"),
                                       QStringLiteral("617TablaExencion"), QStringLiteral("MsgConfig"),
                                       QStringLiteral("TablaArbol")};
    return tablas;
}

QString textoConexionReferencia(const Instalacion& instalacion)
{
    return QStringLiteral(";DATABASE=") + instalacion.rutaBaseAuxiliar() + QStringLiteral(";PWD=") + contrasenaBase()
        + QLatin1Char(';');
}

void VincularTablasReferencia(Database& base, const Instalacion& instalacion)
{
    const QString conexion = textoConexionReferencia(instalacion);
    if (base.isAttached(kAliasReferencia))
        base.detach(kAliasReferencia);
    const QString rutaAuxiliar = rutaDeConexion(conexion);
    base.attach(rutaAuxiliar, kAliasReferencia, contrasenaDeConexion(conexion));

    for (const QString& tabla : tablasReferencia()) {
        refrescarVinculo(base, tabla, rutaAuxiliar);
        const std::optional<QString> guardada = conexionGuardada(base, tabla);
        if (guardada == conexion)
            continue;
        const QString sql = guardada ? QStringLiteral("UPDATE %1 SET Conexion = ?1 WHERE Nombre = ?2")
                                     : QStringLiteral("INSERT INTO %1 (Conexion, Nombre) VALUES (?1, ?2)");
        base.prepare(sql.arg(kTablaVinculos)).bindAll(conexion, tabla).run();
    }
}

}  // namespace veluma
