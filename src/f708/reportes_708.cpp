#include "f708/reportes_708.h"

#include "core/sesion.h"
#include "f708/alicuota_708.h"
#include "f708/liquidacion_708.h"
#include "printing/textos_impresos.h"

namespace veluma {

namespace {

std::vector<std::pair<QString, QString>> datosDelContribuyente(const Sesion& sesion, const ClaveDDJJ& clave)
{
    return {{QStringLiteral("cuit"), clave.cuit},
            {QStringLiteral("periodo"), textoPeriodoImpreso(clave.periodo)},
            {QStringLiteral("secuencia"), textoSecuenciaImpresa(clave.secuencia)},
            {QStringLiteral("denominacion"), sesion.contribuyente.denominacion}};
}

}  // namespace

QString formulaUltimaHoja(int paginas) { return QStringLiteral("ultimahoja=") + QString::number(paginas); }

ConfiguracionReporte reporteForm708(const Sesion& sesion, const Liquidacion708& liquidacion)
{
    const ClaveDDJJ& clave = liquidacion.clave;
    const std::array<double, 4> pagos = liquidacion.semanasPagadas();
    ConfiguracionReporte reporte = ConfiguracionReporte::deSesion(sesion, QStringLiteral("Form708.rpt"));
    reporte.LimpiarFormulas();
    reporte.formulaSeleccion = seleccionDeDeclaracion(clave);
    std::vector<std::pair<QString, QString>> valores = datosDelContribuyente(sesion, clave);
    valores.insert(valores.end(),
                   {{QStringLiteral("domicilio"), sesion.contribuyente.domicilioFiscal},
                    {QStringLiteral("NVerif"), liquidacion.numeroVerificacion},
                    {QStringLiteral("version"), versionImpresa()},
                    {QStringLiteral("alicuota"), textoAlicuota(liquidacion.alicuota)},
                    {QStringLiteral("impuestodeclarado"), importeImpreso(liquidacion.impuestoDeclarado)},
                    {QStringLiteral("pagos1"), importeImpreso(pagos[0])},
                    {QStringLiteral("pagos2"), importeImpreso(pagos[1])},
                    {QStringLiteral("pagos3"), importeImpreso(pagos[2])},
                    {QStringLiteral("pagos4"), importeImpreso(pagos[3])},
                    {QStringLiteral("totalpagos"), importeImpreso(liquidacion.pagosCuenta)},
                    {QStringLiteral("pendiente"), importeImpreso(liquidacion.saldoPendiente)}});
    reporte.PonerFormulas(valores);
    reporte.Formula(20, QString());
    reporte.titulo = QStringLiteral("Impresión del F.708 - Impuesto a las Entradas de Espectáculos Cinematográficos");
    return reporte;
}

ConfiguracionReporte reporteSalas(const Sesion& sesion)
{
    const ClaveDDJJ& clave = sesion.declaracion;
    ConfiguracionReporte reporte = ConfiguracionReporte::deSesion(sesion, QStringLiteral("Salas.rpt"));
    reporte.LimpiarFormulas();
    reporte.PonerFormulas(datosDelContribuyente(sesion, clave));
    reporte.formulaSeleccion = QStringLiteral("{708detalledesalas.CUIT} = ") + citado(clave.cuit)
                               + QStringLiteral(" AND {708detalledesalas.PERIODO} =") + QString::number(clave.periodo)
                               + QStringLiteral(" AND {708detalledesalas.SECUENCIA} = ")
                               + QString::number(clave.secuencia);
    reporte.titulo = QStringLiteral("Impresión Detalle de Salas");
    return reporte;
}

}  // namespace veluma
