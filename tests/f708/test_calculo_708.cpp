#include "core/error.h"
#include "f708/impuesto_determinado.h"
#include "f708/liquidacion_708.h"
#include "f708/reportes_708.h"
#include "f708/saldos.h"
#include "printing/configuracion_reporte.h"
#include "support/declaracion_708.h"
#include "support/sesion_de_prueba.h"

using namespace veluma;
using Impuesto = cls708ImpuestoDeterminado;

TEST(Calculo708, PrecioBasicoEImpuestoDeLineaRedondeanComoEnPapel)
{
    struct Caso {
        double precioVenta, alicuota, precioBasico;
        qint64 entradas;
        double impuesto;
    };
    const Caso casos[] = {
        {5.50, 10, 5.0, 100, 50.0},
        {10, 10, 9.0909, 3, 2.73},
        {12.75, 10.5, 11.5385, 40, 48.46},  // 40 × 11.5385 = 461.54 × 0.105 = 48.4617
        {8, 10, 7.2727, 250, 181.82},
        {0.01, 60, 0.0063, 1, 0.0},          // 0.00625 rounds up to 0.0063
        {12345.67, 10, 11223.3364, 1000, 1122333.64},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.precioVenta);
        EXPECT_EQ(Impuesto::PrecioBasico(caso.precioVenta, caso.alicuota), caso.precioBasico);
        EXPECT_EQ(Impuesto::impuestodeterminado(caso.precioBasico, caso.entradas, caso.alicuota), caso.impuesto);
    }
    // Half away from zero, on the 15-digit decimal of the double: 1.005 is not 1.00499….
    EXPECT_EQ(Impuesto::impuestodeterminado(1, 1, 12.5), 0.13);
    EXPECT_EQ(Impuesto::impuestodeterminado(1.005, 1, 100), 1.01);
    EXPECT_THROW(Impuesto::PrecioBasico(10, -100), Error);
    EXPECT_EQ(cls708Saldos::ValidarMontoIngresado(10, 10.01),
              "El Monto a Ingresar no debe superar al Saldo Pendiente de Ingreso");
    EXPECT_EQ(cls708Saldos::ValidarMontoIngresado(10, 10), QString());
}

namespace {

class Liquidacion708Prueba : public test::SesionDePrueba {
protected:
    Liquidacion708 liquidar() { return Liquidacion708::calcular(sesion.base, sesion.declaracion); }
};

QStringList impuestos(const std::vector<ImpuestoDeSala>& salas)
{
    QStringList vistos;
    for (const ImpuestoDeSala& sala : salas)
        vistos += QStringLiteral("%1/%2=%3").arg(sala.codigoINCAA).arg(sala.semana).arg(sala.impuesto);
    return vistos;
}

}  // namespace

TEST_F(Liquidacion708Prueba, SinPagosConPagosDeMasYSinEntradas)
{
    test::crearDeclaracion708(sesion, QStringLiteral("10.5"));
    EXPECT_FALSE(liquidar().admitePresentacion());
    EXPECT_EQ(liquidar().hora, "094715");

    const qint32 sala = test::agregarSala708(sesion, QStringLiteral("Sala"), QStringLiteral("Calle"), "1");
    test::agregarLinea708(sesion, sala, 1, 11.05, 100);  // 10 × 100 × 10.5 % = 105
    // A line of a room that is not in the declaration counts in the total only.
    test::agregarLinea708(sesion, 99, 1, 11.05, 1);
    Liquidacion708 liquidacion = liquidar();
    EXPECT_EQ(liquidacion.impuestoDeclarado, 106.05);
    EXPECT_EQ(impuestos(liquidacion.porMes), QStringList{"1/0=105"});
    EXPECT_FALSE(liquidacion.pagos.has_value());
    EXPECT_EQ(liquidacion.semanasPagadas(), (std::array<double, 4>{}));

    ASSERT_EQ(test::pagos708(sesion, 100, 0, 0, 10).Agregar(sesion.base), QString());
    liquidacion = liquidar();
    EXPECT_EQ(liquidacion.pagosCuenta, 110.0);
    EXPECT_NEAR(liquidacion.saldoPendiente, -3.95, 1e-9);
    EXPECT_EQ(liquidacion.saldoMostrado(), 0.0);

    // Another declaration's rows never count.
    usarDeclaracion(200404, 0);
    EXPECT_EQ(liquidar().impuestoDeclarado, 0.0);
    EXPECT_EQ(liquidar().hora, "000000");
}

TEST_F(Liquidacion708Prueba, ElFormularioImpresoYElListadoDeSalasLlevanSusFormulas)
{
    usarDeclaracion(200103, 2);
    test::crearDeclaracion708(sesion, QStringLiteral("10"), QDateTime(QDate(2001, 4, 2), QTime(10, 20, 30)));
    const qint32 sala = test::agregarSala708(sesion, QStringLiteral("Sala"), QStringLiteral("Calle"), "1");
    test::agregarLinea708(sesion, sala, 1, 5.50, 100);
    test::agregarLinea708(sesion, sala, 2, 12345.67, 1000);
    ASSERT_EQ(test::pagos708(sesion, 30, 0, 0, 40).Agregar(sesion.base), QString());

    const ConfiguracionReporte reporte = liquidar().formularioImpreso(sesion);
    EXPECT_TRUE(reporte.archivoReporte.endsWith(QStringLiteral("/Form708.rpt")));
    EXPECT_EQ(reporte.formulaSeleccion, "{DDJJ.CUIT} = '30-70451826-5' and {DDJJ.PERIODO} = 200103 "
                                        "and {DDJJ.SECUENCIA} = 2 and {DDJJ.FORMULARIO} = 708");
    EXPECT_EQ(reporte.titulo, "Impresión del F.708 - Impuesto a las Entradas de Espectáculos Cinematográficos");
    QStringList formulas;
    for (int i = 0; i <= 15; ++i)
        formulas += reporte.formulas().at(i);
    EXPECT_EQ(formulas,
              (QStringList{"cuit='30-70451826-5'", "periodo='03/2001'", "secuencia='2 - Rectificativa'",
                           "denominacion='Cines del Plata S.A.'",
                           "domicilio='" + sesion.contribuyente.domicilioFiscal + "'", "NVerif='001711'",
                           "version='1.00.00'", "alicuota='10,00'", "impuestodeclarado='1.122.383,64'",
                           "pagos1='30,00'", "pagos2='0,00'", "pagos3='0,00'", "pagos4='40,00'",
                           "totalpagos='70,00'", "pendiente='1.122.313,64'", ""}));
    EXPECT_EQ(reporte.formulas().at(20), QString());

    const ConfiguracionReporte salas = reporteSalas(sesion);
    EXPECT_EQ(salas.formulaSeleccion, "{708detalledesalas.CUIT} = '30-70451826-5' AND {708detalledesalas.PERIODO} "
                                      "=200103 AND {708detalledesalas.SECUENCIA} = 2");
    EXPECT_EQ(salas.titulo, "Impresión Detalle de Salas");
    EXPECT_EQ(salas.formulas().at(2), "secuencia='2 - Rectificativa'");
    EXPECT_EQ(formulaUltimaHoja(3), "ultimahoja=3");
}
