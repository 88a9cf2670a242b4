#include "intercambio/columnas_recordadas.h"

#include "core/error.h"
#include "core/respaldos.h"

#include <QSettings>

namespace veluma {

namespace {

QString claveEnIni(const QString& seccion) { return QStringLiteral("Importacion/") + seccion; }

}  // namespace

QStringList columnasRecordadas(const Instalacion& instalacion, const QString& seccion)
{
    const QSettings archivo(rutaConfiguracionPrograma(instalacion), QSettings::IniFormat);
    const QString valor = archivo.value(claveEnIni(seccion)).toString();
    return valor.isEmpty() ? QStringList() : valor.split(QLatin1Char('|'));
}

void recordarColumnas(const Instalacion& instalacion, const QString& seccion, const QStringList& claves)
{
    QSettings archivo(rutaConfiguracionPrograma(instalacion), QSettings::IniFormat);
    archivo.setValue(claveEnIni(seccion), claves.join(QLatin1Char('|')));
    archivo.sync();
    if (archivo.status() != QSettings::NoError)
        throw Error(kErrorAccesoArchivo, QStringLiteral("No se pudo guardar la elección de columnas en %1.")
                                             .arg(rutaConfiguracionPrograma(instalacion)));
}

}  // namespace veluma
