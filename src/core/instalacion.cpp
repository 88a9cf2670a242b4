#include "core/instalacion.h"

#include "core/version.h"

#include <QDir>
#include <QFileInfo>

namespace veluma {

Version versionDelPrograma() { return {kVersionMayor, kVersionMenor, kVersionRevision}; }

QString FormatoDosDigitos(int numero) { return QStringLiteral("%1").arg(numero, 2, 10, QLatin1Char('0')); }

QString NombreBaseAuxiliar(const Version& version)
{
    return QStringLiteral("Si") + FormatoDosDigitos(version.mayor) + FormatoDosDigitos(version.menor)
        + FormatoDosDigitos(version.revision) + QStringLiteral(".mdb");
}

Instalacion::Instalacion(const QString& carpetaPrograma, const QString& nombreEjecutable, const Version& version,
                         const QString& carpetaTrabajo)
    : carpetaPrograma_(QDir::cleanPath(QDir(carpetaPrograma).absolutePath())),
      nombreEjecutable_(nombreEjecutable),
      version_(version),
      carpetaTrabajo_(carpetaTrabajo)
{
}

Instalacion Instalacion::delEjecutable(const QString& rutaEjecutable)
{
    const QFileInfo ejecutable(rutaEjecutable);
    return Instalacion(ejecutable.absolutePath(), ejecutable.fileName(), versionDelPrograma(),
                       qEnvironmentVariable("WINDIR"));
}

QString Instalacion::enPrograma(const QString& nombre) const { return carpetaPrograma_ + QLatin1Char('/') + nombre; }

QString Instalacion::nombreBaseTrabajo() const
{
    return QFileInfo(nombreEjecutable_).completeBaseName() + QStringLiteral(".mdb");
}

QString Instalacion::rutaBaseTrabajo() const { return enPrograma(nombreBaseTrabajo()); }

QString Instalacion::rutaBaseAuxiliar() const { return enPrograma(NombreBaseAuxiliar(version_)); }

QString Instalacion::nombreAyuda() { return QStringLiteral("VELUMA.html"); }

QString Instalacion::rutaAyuda() const { return enPrograma(nombreAyuda()); }

QString Instalacion::rutaCompactacion() const { return enPrograma(QStringLiteral("SBaseAux.mdb")); }

QString Instalacion::rutaKelt() const { return QDir::cleanPath(enPrograma(QStringLiteral("../kelt.mdb"))); }

QString Instalacion::rutaSistema() const { return QDir::cleanPath(enPrograma(QStringLiteral("../sistema.mdb"))); }

QString Instalacion::carpetaTrabajo() const
{
    const QString carpeta = carpetaTrabajo_.isEmpty() ? enPrograma(QStringLiteral("trabajo")) : carpetaTrabajo_;
    return carpeta.endsWith(QLatin1Char('/')) ? carpeta : carpeta + QLatin1Char('/');
}

QString Instalacion::nombreCodificador() { return QStringLiteral("dkwin"); }

QString Instalacion::rutaCodificador() const { return enPrograma(nombreCodificador()); }

QStringList Instalacion::archivosDelPrograma() const
{
    return {nombreEjecutable_, NombreBaseAuxiliar(version_), nombreAyuda(), nombreCodificador(),
            QStringLiteral("veluma-verificar"), QStringLiteral("veluma-lote"), QStringLiteral("Form617.rpt"),
            QStringLiteral("Form618.rpt"), QStringLiteral("Form708.rpt"), QStringLiteral("Salas.rpt")};
}

}  // namespace veluma
