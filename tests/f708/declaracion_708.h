#pragma once

#include "core/database.h"
#include "declarations/ddjj.h"
#include "f708/impuesto_determinado.h"
#include "f708/pago_cuenta.h"
#include "f708/salas.h"
#include "support/filas.h"
#include "support/sesion_de_prueba.h"

#include <QDateTime>
#include <gtest/gtest.h>

namespace veluma::test {

// A session over a fresh installation with Form 708 declarations stored
// through the program's own classes.
class Declaracion708 : public SesionDePrueba {
protected:
    void SetUp() override
    {
        SesionDePrueba::SetUp();
        sesion.cuit = QStringLiteral("30-70451826-5");
        sesion.formulario = 708;
        usar(200403, 0);
    }

    // Makes (periodo, secuencia) the session's declaration.
    void usar(int periodo, int secuencia)
    {
        sesion.periodo = periodo;
        sesion.secuencia = secuencia;
    }
    veluma::ClaveDDJJ clave() const { return {sesion.cuit, sesion.periodo, sesion.secuencia, 708}; }

    void crearDeclaracion(const QString& alicuota = QStringLiteral("10"),
                          const QDateTime& hora = QDateTime(QDate(2004, 4, 10), QTime(9, 47, 15)))
    {
        veluma::clsDDJJ ddjj;
        ddjj.Cuit = sesion.cuit;
        ddjj.Periodo = sesion.periodo;
        ddjj.Secuencia = sesion.secuencia;
        ddjj.Formulario = 708;
        ddjj.campo1 = alicuota;
        ddjj.hora = hora;
        ASSERT_EQ(ddjj.Agregar(sesion.base), QString());
    }

    qint32 agregarSala(const QString& denominacion, const QString& domicilio, const QString& incaa)
    {
        veluma::cls708Salas sala;
        sala.Cuit = sesion.cuit;
        sala.Periodo = sesion.periodo;
        sala.Secuencia = qint16(sesion.secuencia);
        sala.Denominacion = denominacion;
        sala.Domicilio = domicilio;
        sala.CodigoINCAA = incaa;
        EXPECT_EQ(sala.Agregar(sesion.base), QString());
        return sala.codigo;
    }

    veluma::cls708ImpuestoDeterminado linea(qint32 sala, int semana, double precio, double entradas) const
    {
        veluma::cls708ImpuestoDeterminado linea;
        linea.Cuit = sesion.cuit;
        linea.Periodo = sesion.periodo;
        linea.Secuencia = qint16(sesion.secuencia);
        linea.CodSala = sala;
        linea.NroSemana = qint16(semana);
        linea.PrecioVenta = precio;
        linea.EntradasVendidas = entradas;
        return linea;
    }
    void agregarLinea(qint32 sala, int semana, double precio, double entradas)
    {
        EXPECT_EQ(linea(sala, semana, precio, entradas).Agregar(sesion.base), QString());
    }

    veluma::cls708PagoCuenta pagos(double s1, double s2, double s3, double s4) const
    {
        veluma::cls708PagoCuenta pago;
        pago.Cuit = sesion.cuit;
        pago.Periodo = sesion.periodo;
        pago.Secuencia = qint16(sesion.secuencia);
        pago.Semana1 = s1;
        pago.Semana2 = s2;
        pago.Semana3 = s3;
        pago.Semana4 = s4;
        return pago;
    }

    // The declaration every record test starts from: two rooms whose names
    // sort against their codes, tickets in three weeks, two payments.
    void declaracionDeReferencia()
    {
        crearDeclaracion();
        const qint32 opera =
            agregarSala(QStringLiteral("Cine Ópera"), QStringLiteral("Av. Corrientes 860"), QStringLiteral("1234"));
        const qint32 atlas =
            agregarSala(QStringLiteral("Atlas Flores"), QStringLiteral("Rivadavia 7000"), QStringLiteral("000789"));
        agregarLinea(opera, 1, 5.50, 100);
        agregarLinea(opera, 1, 10, 3);
        agregarLinea(opera, 3, 12.75, 40);
        agregarLinea(atlas, 1, 8, 250);
        agregarLinea(atlas, 2, 8, 10);
        ASSERT_EQ(pagos(10, 0, 5.5, 0).Agregar(sesion.base), QString());
    }

    QStringList filas(const QString& sql) { return filasDeConsulta(sesion.base, sql); }
};

}  // namespace veluma::test
