#include "core/cierre.h"

#include "core/database.h"
#include "core/inicio.h"
#include "core/instalacion.h"
#include "core/sincronizacion.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <cstdio>
#include <sqlcipher/sqlite3.h>

namespace veluma {

namespace {

const QString kAliasCopia = QStringLiteral("compacta");

void eliminarCopiaAnterior(const QString& ruta)
{
    for (const QString& archivo : {ruta, ruta + QStringLiteral("-journal")}) {
        if (QFileInfo::exists(archivo) && !QFile::remove(archivo)) {
            throw Error(SQLITE_CANTOPEN, QStringLiteral("No se puede eliminar el archivo temporal ") + archivo
                                             + QStringLiteral(", que quedó de un cierre anterior."));
        }
    }
}

// The copy must hold every row of every table before it may replace the original.
void verificarCopia(Database& base)
{
    base.checkIntegrity(kAliasCopia);
    QStringList tablas;
    {
        Statement lista = base.prepare(QStringLiteral("SELECT name FROM main.sqlite_master WHERE type = 'table'"));
        while (lista.next())
            tablas += *lista.text(0);
    }
    for (QString tabla : tablas) {
        tabla.replace(QLatin1Char('"'), QLatin1String("\"\""));
        Statement cuenta = base.prepare(QStringLiteral("SELECT (SELECT count(*) FROM main.\"%1\") = "
                                                       "(SELECT count(*) FROM \"%2\".\"%1\")").arg(tabla, kAliasCopia));
        if (!cuenta.next() || cuenta.integer(0) != 1) {
            throw Error(SQLITE_CORRUPT, QStringLiteral("La copia compactada no coincide con la base de datos (tabla ")
                                            + tabla + QStringLiteral(")."));
        }
    }
}

void exportarCopia(Database& base, const QString& rutaCopia)
{
    // The copy takes the key the open database already derived: closing derives none.
    base.attachNew(rutaCopia, kAliasCopia);
    try {
        base.prepare(QStringLiteral("SELECT sqlcipher_export(?)")).bindAll(kAliasCopia).run();
        base.setUserVersion(base.userVersion(), kAliasCopia);
        verificarCopia(base);
        base.detach(kAliasCopia);
    } catch (...) {
        try {
            base.detach(kAliasCopia);
        } catch (const Error&) {
        }
        throw;
    }
}

}  // namespace

void CompactoBaseDatos(Database& base, const Instalacion& instalacion)
{
    const QString ruta = instalacion.rutaBaseTrabajo();
    const QString rutaCopia = instalacion.rutaCompactacion();
    eliminarCopiaAnterior(rutaCopia);
    try {
        exportarCopia(base, rutaCopia);
        base.close();
        soloDelPropietario(rutaCopia);
        if (!sincronizarArchivo(rutaCopia))
            throw Error(SQLITE_IOERR, QStringLiteral("No se pudo asegurar en el disco la copia ") + rutaCopia + QLatin1Char('.'));
        if (std::rename(QFile::encodeName(rutaCopia).constData(), QFile::encodeName(ruta).constData()) != 0)
            throw Error(SQLITE_IOERR, QStringLiteral("No se pudo reemplazar la base de datos por su copia compactada."));
    } catch (...) {
        QFile::remove(rutaCopia);
        QFile::remove(rutaCopia + QStringLiteral("-journal"));
        throw;
    }
    sincronizarCarpeta(instalacion.carpetaPrograma());
}

ResultadoCierre CerrarBaseTrabajo(Database& base, const Instalacion& instalacion)
{
    ResultadoCierre resultado;
    // A database that never opened this session is in an unknown state: leave it alone.
    if (!base.isOpen())
        return resultado;
    try {
        CompactoBaseDatos(base, instalacion);
        resultado.compactada = true;
    } catch (const Error& error) {
        resultado.problema = error.descripcion();
    } catch (const std::exception& error) {
        resultado.problema = QString::fromUtf8(error.what());
    }
    base.close();
    try {
        clsInicio::EncriptaDesencripta(instalacion.rutaBaseTrabajo());
        resultado.protegida = true;
    } catch (const Error& error) {
        resultado.problemaProteccion = error.descripcion();
    }
    return resultado;
}

QString mensajeCierre(const ResultadoCierre& resultado)
{
    if (resultado.correcto())
        return QString();
    QStringList fallos;
    if (!resultado.problema.isEmpty())
        fallos += QStringLiteral("No se pudo compactar la base de datos al cerrar: ") + resultado.problema;
    if (!resultado.problemaProteccion.isEmpty())
        fallos += QStringLiteral("No se pudo proteger el archivo de la base de datos al cerrar: ")
                  + resultado.problemaProteccion;
    return fallos.join(QStringLiteral("\r\n"))
           + QStringLiteral("\r\nSus datos no se perdieron: la base de datos queda en su lugar y se abrirá "
                            "normalmente la próxima vez que inicie el sistema.");
}

}  // namespace veluma
