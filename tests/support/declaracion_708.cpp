#include "support/declaracion_708.h"

#include "declarations/ddjj.h"

#include <gtest/gtest.h>

namespace veluma::test {

namespace {

// A row of the session's declaration key.
template <class T>
T deLaDeclaracion(const veluma::Sesion& sesion)
{
    T fila;
    fila.Cuit = sesion.declaracion.cuit;
    fila.Periodo = sesion.declaracion.periodo;
    fila.Secuencia = qint16(sesion.declaracion.secuencia);
    return fila;
}

}  // namespace

void crearDeclaracion708(veluma::Sesion& sesion, const QString& alicuota, const QDateTime& hora)
{
    auto ddjj = deLaDeclaracion<veluma::clsDDJJ>(sesion);
    ddjj.Formulario = 708;
    ddjj.campo1 = alicuota;
    ddjj.hora = hora;
    ASSERT_EQ(ddjj.Agregar(sesion.base), QString());
    sesion.declaracion.formulario = 708;
    sesion.declaracion.campo1 = alicuota;
}

veluma::cls708Salas sala708(const veluma::Sesion& sesion, const QString& nombre, const QString& domicilio,
                           const QString& incaa)
{
    auto sala = deLaDeclaracion<veluma::cls708Salas>(sesion);
    sala.Denominacion = nombre;
    sala.Domicilio = domicilio;
    sala.CodigoINCAA = incaa;
    return sala;
}

qint32 agregarSala708(veluma::Sesion& sesion, const QString& nombre, const QString& domicilio, const QString& incaa)
{
    veluma::cls708Salas sala = sala708(sesion, nombre, domicilio, incaa);
    EXPECT_EQ(sala.Agregar(sesion.base), QString());
    return sala.codigo;
}

veluma::cls708ImpuestoDeterminado linea708(const veluma::Sesion& sesion, qint32 sala, int semana, double precio,
                                           double entradas)
{
    auto linea = deLaDeclaracion<veluma::cls708ImpuestoDeterminado>(sesion);
    linea.CodSala = sala;
    linea.NroSemana = qint16(semana);
    linea.PrecioVenta = precio;
    linea.EntradasVendidas = entradas;
    return linea;
}

void agregarLinea708(veluma::Sesion& sesion, qint32 sala, int semana, double precio, double entradas)
{
    EXPECT_EQ(linea708(sesion, sala, semana, precio, entradas).Agregar(sesion.base), QString());
}

veluma::cls708PagoCuenta pagos708(const veluma::Sesion& sesion, double s1, double s2, double s3, double s4)
{
    auto pago = deLaDeclaracion<veluma::cls708PagoCuenta>(sesion);
    pago.Semana1 = s1;
    pago.Semana2 = s2;
    pago.Semana3 = s3;
    pago.Semana4 = s4;
    return pago;
}

void declaracionDeReferencia708(veluma::Sesion& sesion, bool conSalas)
{
    crearDeclaracion708(sesion);
    if (!conSalas)
        return;
    const qint32 opera = agregarSala708(sesion, "Cine Ópera", "Av. Corrientes 860", "1234");
    const qint32 atlas = agregarSala708(sesion, "Atlas Flores", "Rivadavia 7000", "000789");
    agregarLinea708(sesion, opera, 1, 5.50, 100);
    agregarLinea708(sesion, opera, 1, 10, 3);
    agregarLinea708(sesion, opera, 3, 12.75, 40);
    agregarLinea708(sesion, atlas, 1, 8, 250);
    agregarLinea708(sesion, atlas, 2, 8, 10);
    ASSERT_EQ(pagos708(sesion, 10, 0, 5.5, 0).Agregar(sesion.base), QString());
}

}  // namespace veluma::test
