#include "core/sesion.h"
#include "f708/formulario_708.h"
#include "f708/pago_cuenta.h"
#include "f708/salas.h"
#include "intercambio/hoja_liquidacion.h"

namespace veluma {

namespace {

Hoja hojaSalas(Sesion& sesion)
{
    Hoja hoja{QStringLiteral("Salas"),
              {{QStringLiteral("Código"), TipoColumna::Entero},
               {QStringLiteral("Denominación"), TipoColumna::Texto},
               {QStringLiteral("Domicilio"), TipoColumna::Texto},
               {QStringLiteral("Código INCAA"), TipoColumna::Texto}},
              {}};
    for (const Sala& sala : cls708Salas::GetAll(sesion.base, sesion.declaracion, QStringLiteral("DENOMINACION_SALA"),
                                                QStringLiteral("ASC")))
        hoja.filas.push_back({qint64(sala.codigo), sala.denominacion, sala.domicilio, sala.codigoINCAA});
    return hoja;
}

// The ticket lines of the declaration's rooms, by room name as the rooms list
// sorts it, week and price.
Hoja hojaEntradas(Sesion& sesion)
{
    Hoja hoja{QStringLiteral("Entradas"),
              {{QStringLiteral("Sala"), TipoColumna::Texto},
               {QStringLiteral("Código INCAA"), TipoColumna::Texto},
               {QStringLiteral("Semana"), TipoColumna::Entero},
               {QStringLiteral("Precio de venta"), TipoColumna::Importe},
               {QStringLiteral("Entradas vendidas"), TipoColumna::Entero}},
              {}};
    Statement consulta = sesion.base.prepare(QStringLiteral("SELECT s.DENOMINACION_SALA, s.COD_INCAA, i.NRO_SEMANA, "
                                                            "i.PRECIO_VENTA, i.CANT_ENTRADAS_POR_PRECIO_VENTA "
                                                            "FROM [708ImpuestoDeterminado] i JOIN [708Salas] s ON "
                                                            "s.CUIT=i.CUIT AND s.PERIODO=i.PERIODO "
                                                            "AND s.SECUENCIA=i.SECUENCIA AND s.COD_SALA=i.COD_SALA "
                                                            "WHERE i.CUIT=? AND i.PERIODO=? AND i.SECUENCIA=? "
                                                            "ORDER BY s.DENOMINACION_SALA COLLATE GENERAL, "
                                                            "s.COD_SALA, i.NRO_SEMANA, i.PRECIO_VENTA"));
    ligarClave(consulta, sesion.declaracion);
    while (consulta.next())
        hoja.filas.push_back({consulta.text(0).value_or(QString()), consulta.text(1).value_or(QString()),
                              consulta.integer(2).value_or(0), consulta.real(3).value_or(0),
                              consulta.integer(4).value_or(0)});
    return hoja;
}

// Four rows when the payments were entered, none otherwise.
Hoja hojaPagos(Sesion& sesion)
{
    Hoja hoja{QStringLiteral("Pagos a cuenta"),
              {{QStringLiteral("Semana"), TipoColumna::Entero}, {QStringLiteral("Importe"), TipoColumna::Importe}},
              {}};
    if (const auto pagos = cls708PagoCuenta::GetPagoInterfaz(sesion.base, sesion.declaracion))
        for (std::size_t semana = 0; semana < pagos->size(); ++semana)
            hoja.filas.push_back({qint64(semana + 1), (*pagos)[semana]});
    return hoja;
}

}  // namespace

std::vector<Hoja> Formulario708::hojasDeExportacion(Sesion& sesion) const
{
    return {hojaSalas(sesion), hojaEntradas(sesion), hojaPagos(sesion), hojaDeLiquidacion(*this, sesion)};
}

}  // namespace veluma
