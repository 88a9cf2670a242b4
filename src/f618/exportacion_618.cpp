#include "core/sesion.h"
#include "f618/clave_618.h"
#include "f618/formulario_618.h"
#include "f618/ingresos_618.h"
#include "intercambio/hoja_liquidacion.h"

#include <QDate>
#include <cmath>

namespace veluma {

namespace {

// Sales first, each kind by day; the day as a date of the declaration's month.
Hoja hojaIngresos(Sesion& sesion)
{
    Hoja hoja{QStringLiteral("Ingresos"),
              {{QStringLiteral("Tipo de ingreso"), TipoColumna::Texto},
               {QStringLiteral("Fecha"), TipoColumna::Fecha},
               {QStringLiteral("Neto cobrado"), TipoColumna::Importe},
               {QStringLiteral("Total cobrado"), TipoColumna::Importe}},
              {}};
    const int periodo = sesion.declaracion.periodo;
    for (const IngresoDia& ingreso : cls618Ingresos::GetAllInterfaz(sesion.base, sesion.declaracion))
        hoja.filas.push_back({nombreTipoIngreso(ingreso.tipoIngreso), QDate(periodo / 100, periodo % 100, ingreso.dia),
                              ingreso.netoCobrado, ingreso.totalCobrado});
    return hoja;
}

// The counts and rates as stored: a row per kind when they were entered, none
// otherwise.
Hoja hojaPercepciones(Sesion& sesion)
{
    Hoja hoja{QStringLiteral("Percepciones"),
              {{QStringLiteral("Tipo de ingreso"), TipoColumna::Texto},
               {QStringLiteral("Videogramas"), TipoColumna::Entero},
               {QStringLiteral("Tasa (%)"), TipoColumna::Importe}},
              {}};
    Statement fila = prepararDe618(sesion.base,
                                   QStringLiteral("SELECT VideogramasV, TasaV, VideogramasA, TasaA FROM "
                                                  "[618TotalPercepcionesEfectuadas] WHERE %1"),
                                   sesion.declaracion);
    if (fila.next())
        for (int tipo : {kIngresoVentas, kIngresoAlquiler})
            hoja.filas.push_back({nombreTipoIngreso(tipo), qint64(std::llround(fila.real(tipo * 2).value_or(0))),
                                  fila.real(tipo * 2 + 1).value_or(0)});
    return hoja;
}

}  // namespace

std::vector<Hoja> Formulario618::hojasDeExportacion(Sesion& sesion) const
{
    return {hojaIngresos(sesion), hojaPercepciones(sesion), hojaDeLiquidacion(*this, sesion)};
}

}  // namespace veluma
