#include "f618/reporte_618.h"

#include "core/numeros.h"
#include "core/sesion.h"
#include "f618/liquidacion_618.h"
#include "printing/textos_impresos.h"

namespace veluma {

namespace {

using Valores = std::vector<std::pair<QString, QString>>;

// "diav01", "netov01", "totalv01"… for the days of one kind (`letra` v or a).
void agregarDias(Valores& valores, const std::vector<IngresoDia>& dias, const QString& letra)
{
    int fila = 0;
    for (const IngresoDia& dia : dias) {
        const QString numero = QStringLiteral("%1").arg(++fila, 2, 10, QLatin1Char('0'));
        valores.push_back(
            {QStringLiteral("dia") + letra + numero, QStringLiteral("%1").arg(dia.dia, 2, 10, QLatin1Char('0'))});
        valores.push_back({QStringLiteral("neto") + letra + numero, importeImpreso(dia.netoCobrado)});
        valores.push_back({QStringLiteral("total") + letra + numero, importeImpreso(dia.totalCobrado)});
    }
}

}  // namespace

ConfiguracionReporte reporteForm618(const Sesion& sesion, const Liquidacion618& liquidacion)
{
    const ClaveDDJJ& clave = liquidacion.clave;
    const cls618TotalPercepciones& percepciones = liquidacion.percepciones;
    ConfiguracionReporte reporte = ConfiguracionReporte::deSesion(sesion, QStringLiteral("Form618.rpt"));
    reporte.LimpiarFormulas();
    reporte.formulaSeleccion = seleccionDeDeclaracion(clave);
    Valores valores = {{QStringLiteral("cuit"), clave.cuit},
                       {QStringLiteral("periodo"), textoPeriodoImpreso(clave.periodo)},
                       {QStringLiteral("secuencia"), textoSecuenciaImpresa(clave.secuencia)},
                       {QStringLiteral("codigoinstituto"), clave.campo1},
                       {QStringLiteral("denominacion"), sesion.contribuyente.denominacion},
                       {QStringLiteral("domicilio"), sesion.contribuyente.domicilioFiscal},
                       {QStringLiteral("NVerif"), liquidacion.numeroVerificacion},
                       {QStringLiteral("version"), versionImpresa()}};
    agregarDias(valores, liquidacion.ingresosDe(kIngresoVentas), QStringLiteral("v"));
    agregarDias(valores, liquidacion.ingresosDe(kIngresoAlquiler), QStringLiteral("a"));
    valores.insert(valores.end(), {{QStringLiteral("totaltotalv"), importeImpreso(liquidacion.totalCobradoV)},
                                   {QStringLiteral("totaltotala"), importeImpreso(liquidacion.totalCobradoA)},
                                   {QStringLiteral("cantidadventa"), textoNumero(percepciones.VideogramasV)},
                                   {QStringLiteral("cantidadalquiler"), textoNumero(percepciones.VideogramasA)},
                                   {QStringLiteral("totalnetov"), importeImpreso(percepciones.NetoV)},
                                   {QStringLiteral("totalnetoa"), importeImpreso(percepciones.NetoA)},
                                   {QStringLiteral("totalpercepcionesv"), importeImpreso(percepciones.PercepcionV)},
                                   {QStringLiteral("totalpercepcionesa"), importeImpreso(percepciones.PercepcionA)},
                                   {QStringLiteral("totaladepositar"), importeImpreso(percepciones.TotalADepositar)}});
    reporte.PonerFormulas(valores);
    reporte.titulo = QStringLiteral("Impresión F.618 - Impuesto a los Videogramas Grabados");
    return reporte;
}

}  // namespace veluma
