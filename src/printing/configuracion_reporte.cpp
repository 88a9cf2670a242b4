#include "printing/configuracion_reporte.h"

#include "core/clave.h"
#include "core/error.h"
#include "core/sesion.h"

#include <QFileInfo>

namespace veluma {

namespace {

constexpr int kIndiceFueraDeRango = 9;

}  // namespace

ConfiguracionReporte ConfiguracionReporte::deSesion(const Sesion& sesion, const QString& plantilla)
{
    ConfiguracionReporte configuracion;
    configuracion.archivoReporte = sesion.instalacion.carpetaPrograma() + QLatin1Char('/') + plantilla;
    configuracion.archivoDatos = sesion.instalacion.rutaBaseTrabajo();
    configuracion.conexion = sesion.clave;
    configuracion.contrasena = contrasenaDeConexion(sesion.clave);
    const ClaveDDJJ& clave = sesion.declaracion;
    QString cuit = clave.cuit;
    cuit.remove(QLatin1Char('-'));
    configuracion.nombreDocumento = QStringLiteral("%1-%2-%3-%4")
                                        .arg(QFileInfo(plantilla).completeBaseName(), cuit)
                                        .arg(clave.periodo)
                                        .arg(clave.secuencia);
    return configuracion;
}

void ConfiguracionReporte::LimpiarFormulas()
{
    for (int indice = 0; indice <= kUltimoIndiceLimpio; ++indice)
        formulas_[indice].clear();
}

void ConfiguracionReporte::Formula(int indice, const QString& texto)
{
    if (indice < 0)
        throw Error(kIndiceFueraDeRango, QStringLiteral("El índice de fórmula %1 no es válido.").arg(indice));
    formulas_[indice] = texto;
}

void ConfiguracionReporte::PonerFormulas(const std::vector<std::pair<QString, QString>>& valores)
{
    int indice = 0;
    for (const auto& [nombre, valor] : valores)
        Formula(indice++, nombre + QStringLiteral("='") + valor + QLatin1Char('\''));
    Formula(indice, QString());
}

}  // namespace veluma
