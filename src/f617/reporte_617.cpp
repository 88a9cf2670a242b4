#include "f617/reporte_617.h"

#include "core/numeros.h"
#include "core/sesion.h"
#include "f617/clave_617.h"
#include "f617/liquidacion_617.h"
#include "printing/textos_impresos.h"

namespace veluma {

namespace {

constexpr int kTelevision = 306;

QString formula(const QString& nombre, const QString& valor)
{
    return nombre + QStringLiteral("='") + valor + QLatin1Char('\'');
}

// The licence rows of the printed form, by code.
std::vector<FilaReporte> filasDeLicencias(const Liquidacion617& liquidacion)
{
    std::vector<FilaReporte> filas;
    for (const LicenciaLiquidada& licencia : liquidacion.total.licencias)
        filas.push_back(
            {{QStringLiteral("Licencia"), QString::number(licencia.codigo)},
             {QStringLiteral("RazonSocial"), licencia.razonSocial},
             // The code alone keeps each row on one line, so no row is cut by a page break.
             {QStringLiteral("TipoServicio"), QStringLiteral("%1").arg(licencia.tipoServicio, 2, 10, QLatin1Char('0'))},
             {QStringLiteral("FacBruta"), importeImpreso(licencia.facturacion.bruta)},
             {QStringLiteral("Descuentos"), importeImpreso(licencia.descuentos)},
             {QStringLiteral("SubTotal"), importeImpreso(licencia.subtotal)},
             {QStringLiteral("Alicuota"), formatearNumero(licencia.alicuota, QStringLiteral("0.00"))},
             {QStringLiteral("Impuesto"), importeImpreso(licencia.impuesto)},
             {QStringLiteral("Exento"), importeImpreso(licencia.exento)},
             // An exempt amount above the tax shows here as it lowers the total.
             {QStringLiteral("Total"), formatearNumero(licencia.total(), QStringLiteral("#,###,###,###,##0.00"))}});
    return filas;
}

}  // namespace

ConfiguracionReporte reporteForm617(const Sesion& sesion, const Liquidacion617& liquidacion)
{
    const ClaveDDJJ& clave = liquidacion.clave;
    ConfiguracionReporte reporte = ConfiguracionReporte::deSesion(sesion, QStringLiteral("Form617.rpt"));
    reporte.LimpiarFormulas();
    reporte.formulaSeleccion = seleccionDeDeclaracion(clave);
    reporte.Formula(0, formula(QStringLiteral("cuit"), clave.cuit));
    reporte.Formula(1, formula(QStringLiteral("periodo"), textoPeriodoImpreso(clave.periodo)));
    reporte.Formula(2, formula(QStringLiteral("secuencia"), textoSecuenciaImpresa(clave.secuencia)));
    reporte.Formula(3, formula(QStringLiteral("denominacion"), sesion.contribuyente.denominacion));
    reporte.Formula(4, formula(QStringLiteral("domicilio"), sesion.contribuyente.domicilioFiscal));
    reporte.Formula(5, formula(QStringLiteral("NVerif"), liquidacion.numeroVerificacion));
    reporte.Formula(6, formula(QStringLiteral("version"), versionImpresa()));

    const QString servicio = servicioDe(clave) == kTelevision ? QStringLiteral("TV") : QStringLiteral("RA");
    const TotalesFacturacion facturacion = liquidacion.facturacion();
    const std::pair<QString, double> cifras[] = {
        {QStringLiteral("TPublicidad"), facturacion.publicidad},
        {QStringLiteral("TAbonos"), facturacion.abonos},
        {QStringLiteral("TProgramas"), facturacion.programas},
        {QStringLiteral("TOtros"), facturacion.otros},
        {QStringLiteral("Facturacion"), facturacion.bruta},
        {QStringLiteral("Descuento"), liquidacion.descuentos()},
        {QStringLiteral("IDeterminado"), liquidacion.impuesto()},
        {QStringLiteral("Excenciones"), liquidacion.exento()},
        {QStringLiteral("Total"), liquidacion.total.TotalAPagar},
    };
    int indice = 10;
    for (const auto& [nombre, valor] : cifras)
        reporte.Formula(indice++, formula(nombre + servicio, importeImpreso(valor)));

    reporte.filas = filasDeLicencias(liquidacion);
    reporte.titulo = QStringLiteral("Impresión F.617 - Impuesto a los Servicios de Radiodifusión");
    return reporte;
}

}  // namespace veluma
