#include "f617/liquidacion_617.h"

#include "core/numeros.h"
#include "declarations/ddjj.h"
#include "f617/interfaz_617.h"
#include "f617/reporte_617.h"
#include "generation/codificacion.h"
#include "printing/configuracion_reporte.h"

namespace veluma {

Liquidacion617 Liquidacion617::calcular(Database& base, const ClaveDDJJ& clave)
{
    Liquidacion617 liquidacion;
    liquidacion.clave = clave;
    // The other service's declaration of the same period has its own time.
    if (const auto hora = clsDDJJ::ObtenerHoraDelValor(base, clave))
        liquidacion.hora = hora->toString(QStringLiteral("HHmmss"));
    liquidacion.total.CargarDatos(base, clave);
    liquidacion.numeroVerificacion =
        CalcularNVerif(clave.cuit, clave.periodo, clave.secuencia,
                       formatearNumero(liquidacion.total.TotalAPagar, QStringLiteral("0.00")), liquidacion.hora);
    return liquidacion;
}

TotalesFacturacion Liquidacion617::facturacion() const
{
    TotalesFacturacion suma;
    for (const LicenciaLiquidada& licencia : total.licencias) {
        suma.publicidad += licencia.facturacion.publicidad;
        suma.abonos += licencia.facturacion.abonos;
        suma.programas += licencia.facturacion.programas;
        suma.otros += licencia.facturacion.otros;
        suma.bruta += licencia.facturacion.bruta;
        suma.cantidad += licencia.facturacion.cantidad;
    }
    return suma;
}

double Liquidacion617::suma(double LicenciaLiquidada::*cifra) const
{
    double acumulado = 0;
    for (const LicenciaLiquidada& licencia : total.licencias)
        acumulado += licencia.*cifra;
    return acumulado;
}

QString Liquidacion617::motivoSinImpresion() const
{
    return total.problemas.isEmpty() ? Liquidacion::motivoSinImpresion() : total.problemas.join(QLatin1Char('\n'));
}

std::unique_ptr<InterfazRegistros> Liquidacion617::registros(Sesion& sesion) const
{
    return std::make_unique<cls617Interfaz>(sesion, *this);
}

ConfiguracionReporte Liquidacion617::formularioImpreso(const Sesion& sesion) const
{
    return reporteForm617(sesion, *this);
}

std::vector<CifraLiquidada> Liquidacion617::cifras() const
{
    return {{QStringLiteral("Facturación bruta"), facturacion().bruta},
            {QStringLiteral("Descuentos y bonificaciones"), descuentos()},
            {QStringLiteral("Subtotal"), subtotal()},
            {QStringLiteral("Impuesto"), impuesto()},
            {QStringLiteral("Importe exento"), exento()},
            {QStringLiteral("Total a pagar"), total.TotalAPagar}};
}

}  // namespace veluma
