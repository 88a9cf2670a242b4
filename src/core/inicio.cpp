#include "core/inicio.h"

#include "core/clave.h"
#include "core/database.h"
#include "core/sincronizacion.h"

#include <QFile>
#include <QFileInfo>
#include <exception>
#include <sqlcipher/sqlite3.h>

namespace veluma {

namespace {

constexpr qint64 kZonaMezclada = 400;
constexpr qint64 kPaso = 10;

// Only a file that reads as no database at all can be in the other state.
bool puedeEstarMezclada(const DbError& error)
{
    return error.kind() == DbErrorKind::NotADatabase || error.kind() == DbErrorKind::Corrupt;
}

}  // namespace

clsInicio::clsInicio(const Instalacion& instalacion, const QString& clave) : instalacion_(instalacion), clave_(clave) {}

void clsInicio::AbrirBase(const QString& nombreArchivo, Database& base, Reposo reposo)
{
    const QString ruta = instalacion_.carpetaPrograma() + QLatin1Char('/') + nombreArchivo;
    requireIdleDatabaseFile(ruta);

    bool alternada = false;  // scrambling toggled an odd number of times
    std::exception_ptr fallo;
    for (int intento = 1; intento <= 2; ++intento) {
        const bool quiereAlternada = (intento == 1) == (reposo == Reposo::Mezclada);
        if (quiereAlternada != alternada) {
            try {
                EncriptaDesencripta(ruta);
                alternada = !alternada;
            } catch (const Error&) {
                // Could not touch the file: try it as it is, or let the open error say what is wrong.
                if (fallo)
                    break;
                continue;
            }
        }
        try {
            Database abierta = Database::open(ruta, contrasenaDeConexion(clave_));
            abierta.checkIntegrity();
            base = std::move(abierta);
            intentos_ = intento;
            return;
        } catch (const DbError& error) {
            fallo = std::current_exception();
            if (!puedeEstarMezclada(error))
                break;
        }
    }
    if (alternada) {
        try {
            EncriptaDesencripta(ruta);
        } catch (const Error&) {
        }
    }
    std::rethrow_exception(fallo);
}

void clsInicio::EncriptaDesencripta(const QString& ruta)
{
    const QFileInfo info(ruta);
    QFile archivo(ruta);
    if (!info.isFile() || !archivo.open(QIODevice::ReadWrite)) {
        throw Error(SQLITE_CANTOPEN, QStringLiteral("No se puede abrir el archivo ") + ruta + QStringLiteral(": ")
                                         + archivo.errorString());
    }
    QByteArray cabecera = archivo.read(kZonaMezclada);
    for (qint64 posicion = 0; posicion < cabecera.size(); posicion += kPaso)
        cabecera[posicion] = char(static_cast<unsigned char>(cabecera[posicion]) ^ kClaveMezcla);
    if (!archivo.seek(0) || archivo.write(cabecera) != cabecera.size() || !archivo.flush()
        || !sincronizarArchivo(archivo)) {
        throw Error(SQLITE_IOERR, QStringLiteral("No se pudo escribir el archivo ") + ruta + QStringLiteral(": ")
                                      + archivo.errorString());
    }
}

}  // namespace veluma
