#pragma once

#include "core/sesion.h"
#include "declarations/ddjj.h"
#include "f708/impuesto_determinado.h"
#include "f708/pago_cuenta.h"
#include "f708/salas.h"

#include <QDateTime>
#include <gtest/gtest.h>

namespace veluma::test {

// A Form 708 declaration of March 2004 at 10 %, stored through the data
// classes as the screens store it. With rooms: "Sala Ñandú" (INCAA 123456)
// sells 100 tickets at 5,50 in week 1 (tax 50,00) and 3 at 10 in week 2
// (2,73); "Sala 2 d'Orsay" (654321) sells 40 at 12 in week 3 (43,64). Declared
// tax 96,37; payments 30 and 20 in weeks 1 and 2; pending 46,37.
inline constexpr int kPeriodo = 200403;

inline void cargarDeclaracion708(veluma::Sesion& sesion, bool conSalas = true)
{
    veluma::clsDDJJ ddjj;
    ddjj.Cuit = sesion.cuit;
    ddjj.Periodo = kPeriodo;
    ddjj.Secuencia = 0;
    ddjj.Formulario = 708;
    ddjj.campo1 = QStringLiteral("10");
    ddjj.hora = QDateTime(QDate(2004, 4, 12), QTime(14, 35, 20));
    ASSERT_EQ(ddjj.Agregar(sesion.base), QString());
    if (!conSalas)
        return;

    const auto sala = [&](const QString& nombre, const QString& incaa) {
        veluma::cls708Salas alta;
        alta.Cuit = sesion.cuit;
        alta.Periodo = kPeriodo;
        alta.Denominacion = nombre;
        alta.Domicilio = QStringLiteral("Lavalle 869");
        alta.CodigoINCAA = incaa;
        EXPECT_EQ(alta.Agregar(sesion.base), QString());
        return alta.codigo;
    };
    const auto linea = [&](qint32 codSala, int semana, double precio, int entradas) {
        veluma::cls708ImpuestoDeterminado alta;
        alta.Cuit = sesion.cuit;
        alta.Periodo = kPeriodo;
        alta.CodSala = codSala;
        alta.NroSemana = qint16(semana);
        alta.PrecioVenta = precio;
        alta.EntradasVendidas = entradas;
        EXPECT_EQ(alta.Agregar(sesion.base), QString());
    };
    const qint32 primera = sala(QStringLiteral("Sala Ñandú"), QStringLiteral("123456"));
    const qint32 segunda = sala(QStringLiteral("Sala 2 d'Orsay"), QStringLiteral("654321"));
    linea(primera, 1, 5.50, 100);
    linea(primera, 2, 10, 3);
    linea(segunda, 3, 12, 40);

    veluma::cls708PagoCuenta pagos;
    pagos.Cuit = sesion.cuit;
    pagos.Periodo = kPeriodo;
    pagos.Semana1 = 30;
    pagos.Semana2 = 20;
    ASSERT_EQ(pagos.Agregar(sesion.base), QString());
}

}  // namespace veluma::test
