#include "support/declaracion_618.h"

#include "declarations/ddjj.h"
#include "f618/ingresos_618.h"
#include "f618/percepciones_618.h"

#include <gtest/gtest.h>

namespace veluma::test {

void crearDeclaracion618(veluma::Sesion& sesion, int periodo, const QString& codigo, const QDateTime& hora)
{
    veluma::clsDDJJ ddjj;
    ddjj.Cuit = sesion.cuit;
    ddjj.Periodo = periodo;
    ddjj.Formulario = 618;
    ddjj.campo1 = codigo;
    ddjj.hora = hora;
    ASSERT_EQ(ddjj.Agregar(sesion.base), QString());
    sesion.formulario = 618;
    sesion.declaracion = {sesion.cuit, periodo, 0, 618, codigo};
}

void agregarIngreso618(veluma::Sesion& sesion, int tipo, int dia, double neto, double total)
{
    veluma::cls618Ingresos{dia, neto, total}.AgregarIngresos(sesion.base, sesion.declaracion, tipo);
}

void guardarPercepciones618(veluma::Sesion& sesion, double videogramasV, double videogramasA, double tasaV,
                            double tasaA)
{
    // The nets and perceptions are never stored: zeros here.
    veluma::cls618TotalPercepciones{videogramasV, videogramasA, 0, 0, tasaV, tasaA}.AgregarDatos(sesion.base,
                                                                                                 sesion.declaracion);
}

void declaracionDeReferencia618(veluma::Sesion& sesion)
{
    crearDeclaracion618(sesion, 200402, QStringLiteral("D'Ávila 7"));
    agregarIngreso618(sesion, 0, 15, 250.50, 303.11);
    agregarIngreso618(sesion, 0, 1, 1000, 1210);
    agregarIngreso618(sesion, 0, 29, 99.99, 120.99);
    agregarIngreso618(sesion, 1, 28, 45.25, 54.75);
    agregarIngreso618(sesion, 1, 2, 300, 363);
    guardarPercepciones618(sesion, 12, 7, 10, 12.5);
}

}  // namespace veluma::test
