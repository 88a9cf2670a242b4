#include "f708/liquidacion_708.h"

#include "core/numeros.h"
#include "declarations/ddjj.h"
#include "f708/impuesto_determinado.h"
#include "f708/interfaz_708.h"
#include "f708/reportes_708.h"
#include "f708/saldos.h"
#include "generation/codificacion.h"
#include "printing/configuracion_reporte.h"

#include <algorithm>
#include <unordered_map>

namespace veluma {

namespace {

void leerDeclaracion(Database& base, Liquidacion708& liquidacion)
{
    const clsDDJJ::AlicuotaYHora declaracion = clsDDJJ::ObtenerAlicuotaYHora(base, liquidacion.clave);
    liquidacion.alicuota = declaracion.alicuota;
    if (declaracion.hora)
        liquidacion.hora = declaracion.hora->toString(QStringLiteral("HHmmss"));
}

// A line's tax depends on its base price and its tickets alone.
struct ClaveImpuesto {
    double precioBasico;
    qint32 entradas;
    bool operator==(const ClaveImpuesto&) const = default;
};
struct HashImpuesto {
    std::size_t operator()(const ClaveImpuesto& clave) const
    {
        return std::hash<double>()(clave.precioBasico) ^ (std::hash<qint32>()(clave.entradas) << 1);
    }
};

// Each line's base price and tax, computed once per distinct price and
// quantity: a month repeats the same few prices in every room and week.
void leerLineas(Database& base, Liquidacion708& liquidacion)
{
    std::unordered_map<qint32, const Sala*> salas;
    for (const Sala& sala : liquidacion.salas)
        salas.emplace(sala.codigo, &sala);
    std::unordered_map<double, double> preciosBasicos;
    std::unordered_map<ClaveImpuesto, double, HashImpuesto> impuestos;

    // Counted first so the lines take one allocation: growing by doubling
    // costs more than the count's index scan.
    Statement cuenta = base.prepare(QStringLiteral(
        "SELECT COUNT(*) FROM [708ImpuestoDeterminado] WHERE CUIT=? AND PERIODO=? AND SECUENCIA=?"));
    ligarClave(cuenta, liquidacion.clave);
    if (cuenta.next())
        liquidacion.lineas.reserve(std::size_t(cuenta.integer(0).value_or(0)));

    Statement consulta = base.prepare(QStringLiteral(
        "SELECT COD_SALA, NRO_SEMANA, PRECIO_VENTA, CANT_ENTRADAS_POR_PRECIO_VENTA FROM [708ImpuestoDeterminado] "
        "WHERE CUIT=? AND PERIODO=? AND SECUENCIA=? ORDER BY COD_SALA, NRO_SEMANA, PRECIO_VENTA"));
    ligarClave(consulta, liquidacion.clave);
    while (consulta.next()) {
        LineaLiquidada linea;
        linea.codSala = qint32(consulta.integer(0).value_or(0));
        linea.nroSemana = qint16(consulta.integer(1).value_or(0));
        linea.precioVenta = consulta.real(2).value_or(0);
        linea.entradas = qint32(consulta.integer(3).value_or(0));
        auto [basico, nuevo] = preciosBasicos.try_emplace(linea.precioVenta, 0.0);
        if (nuevo)
            basico->second = cls708ImpuestoDeterminado::PrecioBasico(linea.precioVenta, liquidacion.alicuota);
        linea.precioBasico = basico->second;
        auto [impuesto, otro] = impuestos.try_emplace({linea.precioBasico, linea.entradas}, 0.0);
        if (otro)
            impuesto->second = cls708ImpuestoDeterminado::impuestodeterminado(linea.precioBasico, linea.entradas,
                                                                              liquidacion.alicuota);
        linea.impuesto = impuesto->second;
        if (const auto sala = salas.find(linea.codSala); sala != salas.end()) {
            linea.codigoINCAA = sala->second->codigoINCAA;
            linea.conSala = true;
        }
        liquidacion.lineas.push_back(std::move(linea));
    }
}

// The sums, each in the order of the lines: by room, then week, then price.
void sumar(Liquidacion708& liquidacion)
{
    for (const LineaLiquidada& linea : liquidacion.lineas) {
        liquidacion.impuestoDeclarado += linea.impuesto;
        if (!linea.conSala)
            continue;
        if (liquidacion.porMes.empty() || liquidacion.porMes.back().codSala != linea.codSala)
            liquidacion.porMes.push_back({linea.codigoINCAA, linea.codSala, 0, 0});
        liquidacion.porMes.back().impuesto += linea.impuesto;
        if (liquidacion.porSemana.empty() || liquidacion.porSemana.back().codSala != linea.codSala
            || liquidacion.porSemana.back().semana != linea.nroSemana)
            liquidacion.porSemana.push_back({linea.codigoINCAA, linea.codSala, linea.nroSemana, 0});
        liquidacion.porSemana.back().impuesto += linea.impuesto;
    }
}

void leerPagos(Database& base, Liquidacion708& liquidacion)
{
    // The total is the engine's sum of the four, as the balance has always taken it.
    Statement consulta = base.prepare(
        QStringLiteral("SELECT SEMANA1, SEMANA2, SEMANA3, SEMANA4, SEMANA1 + SEMANA2 + SEMANA3 + SEMANA4 "
                       "FROM [708PagoCuenta] WHERE CUIT=? AND PERIODO=? AND SECUENCIA=?"));
    ligarClave(consulta, liquidacion.clave);
    if (!consulta.next())
        return;
    std::array<double, 4> semanas{};
    for (int i = 0; i < 4; ++i)
        semanas[std::size_t(i)] = consulta.real(i).value_or(0);
    liquidacion.pagos = semanas;
    liquidacion.pagosCuenta = consulta.real(4).value_or(0);
}

}  // namespace

Liquidacion708 Liquidacion708::calcular(Database& base, const ClaveDDJJ& clave)
{
    Liquidacion708 liquidacion;
    liquidacion.clave = clave;
    leerDeclaracion(base, liquidacion);
    liquidacion.salas =
        cls708Salas::GetAll(base, clave, QStringLiteral("DENOMINACION_SALA"), QStringLiteral("ASC"));
    leerLineas(base, liquidacion);
    sumar(liquidacion);
    leerPagos(base, liquidacion);
    liquidacion.saldoPendiente =
        cls708Saldos::GetSaldoPendienteIngreso(liquidacion.impuestoDeclarado, liquidacion.pagosCuenta);
    liquidacion.numeroVerificacion =
        CalcularNVerif(clave.cuit, clave.periodo, clave.secuencia,
                       formatearNumero(liquidacion.saldoPendiente, QStringLiteral("0.00")), liquidacion.hora);
    return liquidacion;
}

std::vector<const LineaLiquidada*> Liquidacion708::lineasPorSemana() const
{
    std::vector<const LineaLiquidada*> orden;
    for (const LineaLiquidada& linea : lineas)
        if (linea.conSala)
            orden.push_back(&linea);
    // Already by room and price within each week: a stable sort on the week keeps that.
    std::stable_sort(orden.begin(), orden.end(),
                     [](const LineaLiquidada* a, const LineaLiquidada* b) { return a->nroSemana < b->nroSemana; });
    return orden;
}

std::unique_ptr<InterfazRegistros> Liquidacion708::registros(Sesion& sesion) const
{
    return std::make_unique<cls708Interfaz>(sesion, *this);
}

ConfiguracionReporte Liquidacion708::formularioImpreso(const Sesion& sesion) const
{
    return reporteForm708(sesion, *this);
}

std::vector<CifraLiquidada> Liquidacion708::cifras() const
{
    return {{QStringLiteral("Alícuota (%)"), alicuota},
            {QStringLiteral("Impuesto determinado"), impuestoDeclarado},
            {QStringLiteral("Pagos a cuenta"), pagosCuenta},
            {QStringLiteral("Saldo a ingresar"), saldoMostrado()}};
}

}  // namespace veluma
