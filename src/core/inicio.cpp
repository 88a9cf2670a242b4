#include "core/inicio.h"

#include "core/clave.h"
#include "core/database.h"
#include "core/sincronizacion.h"

#include <QFile>
#include <QFileInfo>
#include <sqlcipher/sqlite3.h>

namespace veluma {

namespace {

constexpr int kReintentos = 3;
constexpr qint64 kZonaMezclada = 400;
constexpr qint64 kPaso = 10;

// Only a file that reads as no database at all can be a scrambled one;
// a missing file, a folder or a busy file are reported at once.
bool puedeEstarMezclada(const DbError& error)
{
    return error.kind() == DbErrorKind::NotADatabase || error.kind() == DbErrorKind::Corrupt;
}

}  // namespace

clsInicio::clsInicio(const Instalacion& instalacion, const QString& clave) : instalacion_(instalacion), clave_(clave) {}

void clsInicio::AbrirBase(const QString& nombreArchivo, Database& base)
{
    const QString ruta = instalacion_.carpetaPrograma() + QLatin1Char('/') + nombreArchivo;
    int mezclas = 0;
    for (int intento = 0;; ++intento) {
        try {
            Database abierta = Database::open(ruta, contrasenaDeConexion(clave_));
            abierta.checkIntegrity();
            base = std::move(abierta);
            intentos_ = intento + 1;
            return;
        } catch (const DbError& error) {
            const bool reintentar = intento < kReintentos && puedeEstarMezclada(error);
            try {
                if (reintentar) {
                    EncriptaDesencripta(ruta);
                    ++mezclas;
                    continue;
                }
                if (mezclas % 2 == 1)
                    EncriptaDesencripta(ruta);
            } catch (const Error&) {
                // Could not touch the file: the open error says what is wrong.
            }
            throw;
        }
    }
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
