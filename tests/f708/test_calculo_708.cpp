#include "core/decimal.h"
#include "core/error.h"
#include "f708/declaracion_708.h"
#include "f708/saldos.h"

using namespace veluma;
using Impuesto = cls708ImpuestoDeterminado;

TEST(Calculo708, PrecioBasicoEImpuestoDeLinea)
{
    EXPECT_EQ(Impuesto::PrecioBasico(5.50, 10), 5.0);
    EXPECT_EQ(Impuesto::impuestodeterminado(5.0, 100, 10), 50.0);
    EXPECT_EQ(Impuesto::PrecioBasico(10, 10), 9.0909);
    EXPECT_EQ(Impuesto::impuestodeterminado(9.0909, 3, 10), 2.73);
    // Both roundings go half away from zero: 0.00625 and 0.125.
    EXPECT_EQ(Impuesto::PrecioBasico(0.01, 60), 0.0063);
    EXPECT_EQ(Impuesto::impuestodeterminado(1, 1, 12.5), 0.13);
    // The double is taken as its 15-digit decimal: 1.005 is not 1.00499….
    EXPECT_EQ(Impuesto::impuestodeterminado(1.005, 1, 100), 1.01);
    EXPECT_EQ(Impuesto::PrecioBasico(12.75, 10.5), 11.5385);
    EXPECT_EQ(Impuesto::impuestodeterminado(7.2727, 250, 10), 181.82);
    EXPECT_THROW(Impuesto::PrecioBasico(10, -100), Error);
}

TEST(Calculo708, DecimalMultiplicaYDivideExacto)
{
    EXPECT_EQ((Decimal(1.5) * Decimal(-0.25)).toString(), QStringLiteral("-0.375"));
    EXPECT_EQ((Decimal(123456789012345.0) * Decimal(1000)).toString(), QStringLiteral("123456789012345000"));
    EXPECT_EQ(Decimal::quotient(Decimal(2), Decimal(3), 4).toString(), QStringLiteral("0.6667"));
    EXPECT_EQ(Decimal::quotient(Decimal(-1), Decimal(8), 2).toString(), QStringLiteral("-0.13"));
    EXPECT_EQ(Decimal::quotient(Decimal(1e-10), Decimal(3e10), 22).toString(),
              QStringLiteral("0.0000000000000000000033"));
    EXPECT_EQ(Decimal::quotient(Decimal(0), Decimal(7), 4).toString(), QStringLiteral("0"));
    EXPECT_THROW(Decimal::quotient(Decimal(1), Decimal(0), 2), Error);
}

class Totales708 : public test::Declaracion708 {};

TEST_F(Totales708, SemanaMesYDeclaracionSumanLineasYaRedondeadas)
{
    crearDeclaracion();
    const qint32 a = agregarSala(QStringLiteral("A"), QStringLiteral("Calle 1"), QStringLiteral("11"));
    const qint32 b = agregarSala(QStringLiteral("B"), QStringLiteral("Calle 2"), QStringLiteral("22"));
    agregarLinea(a, 1, 10, 3);     // 2.73
    agregarLinea(a, 1, 10.01, 3);  // 3 × 9.1 = 27.3 × 0.1 = 2.73
    agregarLinea(a, 2, 5.5, 100);  // 50
    agregarLinea(b, 4, 8, 250);    // 181.82

    EXPECT_DOUBLE_EQ(Impuesto::TotalImpuestoSemana(sesion.base, clave(), 1, a, 10), 5.46);
    EXPECT_EQ(Impuesto::TotalImpuestoSemana(sesion.base, clave(), 3, a, 10), 0.0);
    EXPECT_DOUBLE_EQ(Impuesto::TotalImpuestoMes(sesion.base, clave(), a, 10), 55.46);
    EXPECT_DOUBLE_EQ(Impuesto::TotalImpuestoMes(sesion.base, clave(), b, 10), 181.82);
    EXPECT_DOUBLE_EQ(Impuesto::TotalImpuestoMes(sesion.base, clave(), 0, 10), 55.46 + 181.82);
    // Another declaration's lines never count.
    usar(200404, 0);
    EXPECT_EQ(Impuesto::TotalImpuestoMes(sesion.base, clave(), 0, 10), 0.0);
}

TEST_F(Totales708, SaldoConYSinPagos)
{
    crearDeclaracion();
    const qint32 sala = agregarSala(QStringLiteral("Sala"), QStringLiteral("Calle"), QStringLiteral("1"));
    agregarLinea(sala, 1, 5.50, 100);

    Saldos708 saldos = calcularSaldos708(sesion.base, clave(), 10);
    EXPECT_EQ(saldos.impuestoDeclarado, 50.0);
    EXPECT_EQ(saldos.pagosCuenta, 0.0);
    EXPECT_EQ(saldos.saldoPendiente, 50.0);
    EXPECT_TRUE(saldos.habilitaFormularioYGeneracion());

    ASSERT_EQ(pagos(30, 40, 0, 0).Agregar(sesion.base), QString());
    saldos = calcularSaldos708(sesion.base, clave(), 10);
    EXPECT_EQ(saldos.pagosCuenta, 70.0);
    EXPECT_EQ(saldos.saldoPendiente, -20.0);
    EXPECT_EQ(saldos.saldoMostrado(), 0.0);

    cls708PagoCuenta::Eliminar(sesion.base, clave());
    EXPECT_EQ(cls708Saldos::GetImportePagosCuenta(sesion.base, clave()), 0.0);
    EXPECT_FALSE(
        calcularSaldos708(sesion.base, ClaveDDJJ{sesion.cuit, 200405, 0, 708}, 10).habilitaFormularioYGeneracion());

    EXPECT_EQ(cls708Saldos::ValidarMontoIngresado(10, 10.01),
              QStringLiteral("El Monto a Ingresar no debe superar al Saldo Pendiente de Ingreso"));
    EXPECT_EQ(cls708Saldos::ValidarMontoIngresado(10, 10), QString());
}
