#include "f618/liquidacion_618.h"

#include "core/numeros.h"
#include "declarations/ddjj.h"
#include "f618/interfaz_618.h"
#include "f618/reporte_618.h"
#include "generation/codificacion.h"
#include "printing/configuracion_reporte.h"

namespace veluma {

Liquidacion618 Liquidacion618::calcular(Database& base, const ClaveDDJJ& clave)
{
    Liquidacion618 liquidacion;
    liquidacion.clave = clave;
    // Another institute's declaration of the same period has its own time.
    if (const auto hora = clsDDJJ::ObtenerHoraDelValor(base, clave))
        liquidacion.hora = hora->toString(QStringLiteral("HHmmss"));
    liquidacion.ingresos = cls618Ingresos::GetAllInterfaz(base, clave);
    // The sums of the rows just read, in the engine's order (kind, then day), so
    // they equal what SUM gives the perceptions screen.
    cls618TotalPercepciones& percepciones = liquidacion.percepciones;
    for (const IngresoDia& ingreso : liquidacion.ingresos) {
        const bool ventas = ingreso.tipoIngreso == kIngresoVentas;
        (ventas ? percepciones.NetoV : percepciones.NetoA) += ingreso.netoCobrado;
        (ventas ? liquidacion.totalCobradoV : liquidacion.totalCobradoA) += ingreso.totalCobrado;
    }
    percepciones.CargarCantidadesYTasas(base, clave);
    liquidacion.numeroVerificacion = CalcularNVerif(
        clave.cuit, clave.periodo, clave.secuencia,
        formatearNumero(liquidacion.percepciones.TotalADepositar, QStringLiteral("0.00")), liquidacion.hora);
    return liquidacion;
}

std::vector<IngresoDia> Liquidacion618::ingresosDe(int tipoIngreso) const
{
    std::vector<IngresoDia> deTipo;
    for (const IngresoDia& ingreso : ingresos)
        if (ingreso.tipoIngreso == tipoIngreso)
            deTipo.push_back(ingreso);
    return deTipo;
}

QString Liquidacion618::motivoSinPresentacion() const
{
    return QStringLiteral("No tiene ingresado el Detalle de Ingresos.");
}

std::unique_ptr<InterfazRegistros> Liquidacion618::registros(Sesion& sesion) const
{
    return std::make_unique<cls618Interfaz>(sesion, *this);
}

ConfiguracionReporte Liquidacion618::formularioImpreso(const Sesion& sesion) const
{
    return reporteForm618(sesion, *this);
}

std::vector<CifraLiquidada> Liquidacion618::cifras() const
{
    return {{QStringLiteral("Neto cobrado por ventas"), percepciones.NetoV},
            {QStringLiteral("Total cobrado por ventas"), totalCobradoV},
            {QStringLiteral("Percepción por ventas"), percepciones.PercepcionV},
            {QStringLiteral("Neto cobrado por alquiler"), percepciones.NetoA},
            {QStringLiteral("Total cobrado por alquiler"), totalCobradoA},
            {QStringLiteral("Percepción por alquiler"), percepciones.PercepcionA},
            {QStringLiteral("Total a depositar"), percepciones.TotalADepositar}};
}

}  // namespace veluma
