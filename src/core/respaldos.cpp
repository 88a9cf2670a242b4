#include "core/respaldos.h"

#include "core/error.h"
#include "core/instalacion.h"
#include "core/sincronizacion.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryFile>
#include <algorithm>
#include <cerrno>
#include <cstdio>

namespace veluma {

namespace {

constexpr qint64 kBloqueCopia = 1 << 20;

const QString kGrupo = QStringLiteral("Respaldo");
const QString kClaveCarpeta = QStringLiteral("Carpeta");
const QString kClaveDias = QStringLiteral("Dias");

// The host starts the program from any folder: relative paths belong to the program folder.
QString carpetaAbsoluta(const Instalacion& instalacion, const QString& carpeta)
{
    return QDir::cleanPath(QDir(instalacion.carpetaPrograma()).absoluteFilePath(carpeta));
}

QString nombreBase(const Instalacion& instalacion)
{
    return QFileInfo(instalacion.nombreBaseTrabajo()).completeBaseName();
}

// What was being done and why it failed. A device without a recorded error
// would only say "Unknown error": the likely cause is given instead.
QString conMotivo(const QString& accion, const QFileDevice& archivo, const QString& causaProbable = {})
{
    const QString causa = archivo.error() != QFileDevice::NoError ? archivo.errorString() : causaProbable;
    return causa.isEmpty() ? accion : accion + QStringLiteral(" (") + causa + QLatin1Char(')');
}

// Copies beside the final name, forces the copy to the disk and renames it
// over the final name, so that name holds the old copy or the whole new one.
// Returns why it failed, or nothing.
QString copiarSobre(const QString& origen, const QString& destino)
{
    QFile entrada(origen);
    if (!entrada.open(QIODevice::ReadOnly))
        return conMotivo(QStringLiteral("no se pudo leer la base de datos"), entrada);
    const QFileInfo destinoFinal(destino);
    QTemporaryFile copia(destinoFinal.absolutePath() + QStringLiteral("/.") + destinoFinal.fileName()
                         + QStringLiteral(".XXXXXX"));
    if (!copia.open())
        return conMotivo(QStringLiteral("no se pudo crear la copia"), copia);
    const QString rutaCopia = copia.fileName();  // gives the file its name on disk
    while (!entrada.atEnd()) {
        const QByteArray bloque = entrada.read(kBloqueCopia);
        if (bloque.isEmpty())
            return conMotivo(QStringLiteral("no se pudo leer la base de datos"), entrada);
        if (copia.write(bloque) != bloque.size())
            return conMotivo(QStringLiteral("no se pudo escribir la copia"), copia,
                             QStringLiteral("no hay espacio suficiente en el disco"));
    }
    if (!copia.flush() || !sincronizarArchivo(copia))
        return QStringLiteral("no se pudo asegurar la copia en el disco");
    copia.close();
    if (std::rename(QFile::encodeName(rutaCopia).constData(), QFile::encodeName(destino).constData()) != 0)
        return QStringLiteral("no se pudo reemplazar ") + destino + QStringLiteral(" (") + qt_error_string(errno)
            + QLatin1Char(')');
    copia.setAutoRemove(false);
    sincronizarCarpeta(destinoFinal.absolutePath());
    return QString();
}

// Keeps the copies of the last `dias` days, today's included.
QString eliminarAntiguos(const Instalacion& instalacion, const QString& carpeta, const QDate& hoy, int dias)
{
    const QDate primeroQueQueda = hoy.addDays(1 - std::clamp(dias, kDiasRespaldoMinimo, kDiasRespaldoMaximo));
    QStringList sinEliminar;
    for (const Respaldo& respaldo : respaldosEn(instalacion, carpeta)) {
        if (respaldo.fecha < primeroQueQueda && !QFile::remove(respaldo.archivo))
            sinEliminar += respaldo.archivo;
    }
    if (sinEliminar.isEmpty())
        return QString();
    return QStringLiteral("El respaldo diario se realizó, pero no se pudieron eliminar los respaldos antiguos ")
        + sinEliminar.join(QStringLiteral(", ")) + QLatin1Char('.');
}

}  // namespace

QString rutaConfiguracionPrograma(const Instalacion& instalacion)
{
    return instalacion.carpetaPrograma() + QStringLiteral("/veluma.ini");
}

ConfiguracionRespaldo configuracionRespaldoPorDefecto(const Instalacion& instalacion)
{
    return {instalacion.carpetaPrograma() + QStringLiteral("/respaldos"), kDiasRespaldoPorDefecto};
}

ConfiguracionRespaldo leerConfiguracionRespaldo(const Instalacion& instalacion)
{
    ConfiguracionRespaldo configuracion = configuracionRespaldoPorDefecto(instalacion);
    QSettings archivo(rutaConfiguracionPrograma(instalacion), QSettings::IniFormat);
    archivo.beginGroup(kGrupo);
    const QString carpeta = archivo.value(kClaveCarpeta).toString();
    if (!carpeta.trimmed().isEmpty())
        configuracion.carpeta = carpeta;
    bool esNumero = false;
    const int dias = archivo.value(kClaveDias).toInt(&esNumero);
    if (esNumero && dias >= kDiasRespaldoMinimo && dias <= kDiasRespaldoMaximo)
        configuracion.dias = dias;
    return configuracion;
}

void guardarConfiguracionRespaldo(const Instalacion& instalacion, const ConfiguracionRespaldo& configuracion)
{
    const QString ruta = rutaConfiguracionPrograma(instalacion);
    // QSettings replaces the whole file atomically (atomic sync is its default).
    QSettings archivo(ruta, QSettings::IniFormat);
    archivo.beginGroup(kGrupo);
    archivo.setValue(kClaveCarpeta, configuracion.carpeta);
    archivo.setValue(kClaveDias, configuracion.dias);
    archivo.endGroup();
    archivo.sync();
    if (archivo.status() != QSettings::NoError) {
        throw Error(kErrorAccesoArchivo, QStringLiteral("No se pudo guardar la configuración de los respaldos en ")
                                             + ruta + QLatin1Char('.'));
    }
}

QString nombreRespaldo(const Instalacion& instalacion, const QDate& fecha)
{
    return nombreBase(instalacion) + QLatin1Char('-') + fecha.toString(QStringLiteral("yyyyMMdd"))
        + QStringLiteral(".mdb");
}

QList<Respaldo> respaldosEn(const Instalacion& instalacion, const QString& carpeta)
{
    const QRegularExpression patron(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(nombreBase(instalacion)) + QStringLiteral("-([0-9]{8})\\.mdb")));
    QList<Respaldo> respaldos;
    const QFileInfoList archivos = QDir(carpetaAbsoluta(instalacion, carpeta)).entryInfoList(QDir::Files);
    for (const QFileInfo& archivo : archivos) {
        const QRegularExpressionMatch nombre = patron.match(archivo.fileName());
        if (!nombre.hasMatch())
            continue;
        const QDate fecha = QDate::fromString(nombre.captured(1), QStringLiteral("yyyyMMdd"));
        if (fecha.isValid())
            respaldos.append({archivo.absoluteFilePath(), fecha});
    }
    std::sort(respaldos.begin(), respaldos.end(),
              [](const Respaldo& a, const Respaldo& b) { return a.fecha > b.fecha; });
    return respaldos;
}

ResultadoRespaldo RealizarRespaldo(const Instalacion& instalacion, const ConfiguracionRespaldo& configuracion,
                                   const QDate& hoy)
{
    const QString carpeta = carpetaAbsoluta(instalacion, configuracion.carpeta);
    const auto fallo = [&carpeta](const QString& motivo) {
        return ResultadoRespaldo{QString(), QStringLiteral("No se pudo realizar el respaldo diario en ") + carpeta
                                                + QStringLiteral(": ") + motivo + QLatin1Char('.')};
    };
    const QString origen = instalacion.rutaBaseTrabajo();
    if (!QFileInfo(origen).isFile())
        return fallo(QStringLiteral("no se encuentra la base de datos ") + origen);
    if (const QFileInfo destino(carpeta); destino.exists() && !destino.isDir())
        return fallo(QStringLiteral("existe un archivo con ese nombre"));
    if (!QDir().mkpath(carpeta))
        return fallo(QStringLiteral("no se pudo crear la carpeta"));

    const QString archivo = carpeta + QLatin1Char('/') + nombreRespaldo(instalacion, hoy);
    if (const QString motivo = copiarSobre(origen, archivo); !motivo.isEmpty())
        return fallo(motivo);
    return {archivo, eliminarAntiguos(instalacion, carpeta, hoy, configuracion.dias)};
}

}  // namespace veluma
