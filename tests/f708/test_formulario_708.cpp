#include "core/error.h"
#include "f708/interfaz_708.h"
#include "f708/liquidacion_708.h"
#include "f708/reportes_708.h"
#include "f708/saldos.h"
#include "printing/configuracion_reporte.h"
#include "support/declaracion_708.h"
#include "support/filas.h"
#include "support/formulario_de_prueba.h"

#include <QFile>

using namespace veluma;
using Impuesto = cls708ImpuestoDeterminado;

namespace {

// A Form 708 declaration of the session's key, from its rooms to its settlement and its records.
class Formulario708 : public test::FormularioDePrueba<Liquidacion708, cls708Interfaz> {
protected:
    qint32 sala(const QString& nombre, const QString& domicilio = QStringLiteral("Calle"), const QString& incaa = "1")
    {
        return test::agregarSala708(sesion, nombre, domicilio, incaa);
    }
    QStringList filas(const QString& sql) { return test::filasDeConsulta(sesion.base, sql); }
};

}  // namespace

TEST(Lineas708, ElCalculoRedondeaComoEnPapelYCadaCajaMalEscritaDeSalasEntradasYPagosTieneSuMensaje)
{
    struct Caso {
        double precioVenta, alicuota, precioBasico;
        qint64 entradas;
        double impuesto;
    };
    // 40 × 11.5385 = 461.54 × 0.105 = 48.4617; 0.00625 rounds up to 0.0063.
    const Caso casos[] = {
        {5.50, 10, 5.0, 100, 50.0},        {10, 10, 9.0909, 3, 2.73}, {12.75, 10.5, 11.5385, 40, 48.46},
        {8, 10, 7.2727, 250, 181.82},      {0.01, 60, 0.0063, 1, 0.0}, {12345.67, 10, 11223.3364, 1000, 1122333.64},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.precioVenta);
        EXPECT_EQ(Impuesto::PrecioBasico(caso.precioVenta, caso.alicuota), caso.precioBasico);
        EXPECT_EQ(Impuesto::impuestodeterminado(caso.precioBasico, caso.entradas, caso.alicuota), caso.impuesto);
    }
    // Half away from zero, on the 15-digit decimal of the double: 1.005 is not 1.00499….
    EXPECT_EQ(QList<double>({Impuesto::impuestodeterminado(1, 1, 12.5), Impuesto::impuestodeterminado(1.005, 1, 100)}),
              QList<double>({0.13, 1.01}));
    EXPECT_THROW(Impuesto::PrecioBasico(10, -100), Error);
    EXPECT_EQ(cls708Saldos::ValidarMontoIngresado(10, 10.01) + '|' + cls708Saldos::ValidarMontoIngresado(10, 10),
              "El Monto a Ingresar no debe superar al Saldo Pendiente de Ingreso|");

    // Every badly typed box of tickets, payments and rooms has its message.
    const QString precioCero = QStringLiteral("El Precio de Venta debe ser mayor a cero.");
    const QString precioMal = QStringLiteral("El Precio de Venta debe ser un número con hasta dos decimales.");
    const QString entradasCero = QStringLiteral("La cantidad de Entradas vendidas debe ser mayor a cero.");
    const struct {
        const char *precio, *entradas;
        QString problema;
    } cajas[] = {
        {"0", "0", precioCero},      {"", "10", precioCero},    {"-5", "10", precioCero},
        {"abc", "10", precioMal},    {"5,555", "10", precioMal}, {"5,50", "0", entradasCero},
        {"5,50", "-3", entradasCero},
        {"1.000.000.000", "1", "El Precio de Venta no puede superar 999.999.999,99."},
        {"5,50", "1,5", "La cantidad de Entradas vendidas debe ser un número entero."},
        {"5,50", "1000000", "La cantidad de Entradas vendidas no puede superar 999.999."},
    };
    for (const auto& caso : cajas)
        EXPECT_EQ(leerLineaImpuesto(caso.precio, caso.entradas).problema, caso.problema) << caso.precio << caso.entradas;
    const LecturaLineaImpuesto bien = leerLineaImpuesto(QStringLiteral("1.234,50"), QStringLiteral("999.999"));
    EXPECT_EQ(bien.problema + '|' + QString::number(bien.precioVenta) + '|' + QString::number(bien.entradas, 'f', 0),
              "|1234.5|999999");

    // Payments: amounts not negative, up to four decimals.
    const LecturaPagos pagos = leerPagos({"", " 1.500,25 ", "", "0,1234"});
    EXPECT_EQ(pagos.problema, QString());
    EXPECT_EQ(pagos.semanas, (std::array<double, 4>{0, 1500.25, 0, 0.1234}));
    const QString mal = QStringLiteral("El Pago a Cuenta de la Semana 2 debe ser un importe positivo con hasta "
                                       "cuatro decimales.");
    for (const char* caja : {"-1", "diez", "0,12345"})
        EXPECT_EQ(leerPagos({"1", caja, "", ""}).problema, mal) << caja;
    EXPECT_EQ(leerPagos({"", "", "", "10.000.000.000.000"}).problema,
              "El Pago a Cuenta de la Semana 4 no puede superar 9.999.999.999.999,99.");

    // Rooms: the messages add up.
    const QString incaaMal = QStringLiteral("El campo Código INCAA debe tener sólo dígitos, hasta 6.");
    const QString incaaCero = QStringLiteral("El campo Código INCAA no puede estar vacío y no puede ser cero.");
    struct Sala {
        QString denominacion, domicilio, incaa, mensaje;
    };
    for (const Sala& caso :
         {Sala{"S", "D", "12AB", incaaMal}, Sala{"S", "D", "1234567", incaaMal}, Sala{"S", "D", "ABC", incaaCero},
          Sala{QString(41, 'x'), "Sala\nDos", "000001",
               "El campo Denominación no puede tener más de 40 caracteres\rEl campo Domicilio contiene caracteres no "
               "válidos"},
          Sala{QString(40, 'x'), "O'Higgins 12", "999999", {}}}) {
        SCOPED_TRACE(caso.incaa.toStdString());
        EXPECT_EQ(ValidarSala(caso.denominacion, caso.domicilio, caso.incaa), caso.mensaje);
    }
}

TEST_F(Formulario708, SinPagosConPagosDeMasYSinEntradas)
{
    test::crearDeclaracion708(sesion, QStringLiteral("10.5"));
    EXPECT_FALSE(liquidar().admitePresentacion());

    const qint32 codigo = sala("Sala");
    test::agregarLinea708(sesion, codigo, 1, 11.05, 100);  // 10 × 100 × 10.5 % = 105
    // A line of a room that is not in the declaration counts in the total only.
    test::agregarLinea708(sesion, 99, 1, 11.05, 1);
    liquidacion = liquidar();
    EXPECT_EQ(liquidacion.impuestoDeclarado, 106.05);
    ASSERT_EQ(liquidacion.porMes.size(), 1u);
    const ImpuestoDeSala& mes = liquidacion.porMes[0];
    EXPECT_EQ(QStringLiteral("%1/%2=%3").arg(mes.codigoINCAA).arg(mes.semana).arg(mes.impuesto), "1/0=105");
    EXPECT_EQ(liquidacion.semanasPagadas(), (std::array<double, 4>{}));
    // Payments above the tax are followed on the balance screen and in the records.

    // Another declaration's rows never count.
    usarDeclaracion(200404, 0);
    EXPECT_EQ(liquidar().impuestoDeclarado, 0.0);
}

TEST_F(Formulario708, ElFormularioImpresoYElListadoDeSalasLlevanSusFormulas)
{
    usarDeclaracion(200103, 2);
    test::crearDeclaracion708(sesion, QStringLiteral("10"), QDateTime(QDate(2001, 4, 2), QTime(10, 20, 30)));
    const qint32 codigo = sala("Sala");
    test::agregarLinea708(sesion, codigo, 1, 5.50, 100);
    test::agregarLinea708(sesion, codigo, 2, 12345.67, 1000);
    ASSERT_EQ(test::pagos708(sesion, 30, 0, 0, 40).Agregar(sesion.base), QString());

    const ConfiguracionReporte reporte = liquidar().formularioImpreso(sesion);
    EXPECT_TRUE(reporte.archivoReporte.endsWith(QStringLiteral("/Form708.rpt")));
    EXPECT_EQ(reporte.formulaSeleccion, "{DDJJ.CUIT} = '30-70451826-5' and {DDJJ.PERIODO} = 200103 "
                                        "and {DDJJ.SECUENCIA} = 2 and {DDJJ.FORMULARIO} = 708");
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
    EXPECT_EQ(formulaUltimaHoja(3), "ultimahoja=3");
}

TEST_F(Formulario708, LasSalasSeNumeranPorContribuyenteSeOrdenanYSeModificanEnSuDeclaracion)
{
    usarDeclaracion(200401, 0);
    EXPECT_EQ(QList<int>({sala("Cine O'Higgins", "Av. 1", "100"), sala("árbol", "Zeta 3", "200"),
                          sala("Beta", "Alfa 2", "300")}),
              QList<int>({1, 2, 3}));
    // The order by each column is checked on the rooms' screen; the column's name never reaches the SQL.
    EXPECT_THROW(cls708Salas::GetAll(sesion.base, sesion.declaracion, "CUIT; DROP TABLE DDJJ", "ASC"), Error);

    // The same INCAA code twice in one declaration is the same room.
    EXPECT_EQ(test::sala708(sesion, {}, {}, QStringLiteral("100")).Agregar(sesion.base),
              "La Sala que está intentando Cargar ya Existe");

    // A new declaration goes on from the taxpayer's highest code; another taxpayer starts at 1.
    usarDeclaracion(200402, 1);
    const qint32 nueva = sala("Nueva", "Calle", "100");
    EXPECT_EQ(nueva, 4);
    // Room 4 with the same code in another declaration, as a copy would carry it.
    sesion.base
        .prepare("INSERT INTO [708Salas] (CUIT, PERIODO, SECUENCIA, COD_SALA, DENOMINACION_SALA, DOMICILIO_SALA, "
                 "COD_INCAA) VALUES (?, 200403, 0, 4, 'Vieja', 'Calle', '100')")
        .bindAll(sesion.cuit).run();
    cls708Salas cambio = test::sala708(sesion, QStringLiteral("Cine Nuevo"), QStringLiteral("Av. 2"), "101");
    cambio.codigo = nueva;
    EXPECT_EQ(cambio.Modificar(sesion.base), QString());
    EXPECT_EQ(filas(QStringLiteral("SELECT PERIODO, DENOMINACION_SALA, DOMICILIO_SALA, COD_INCAA FROM [708Salas] "
                                   "WHERE COD_SALA = 4 ORDER BY PERIODO")),
              (QStringList{"200402|Cine Nuevo|Av. 2|101", "200403|Vieja|Calle|100"}));
    usarContribuyente(instalacion.cuits().at(1));
    EXPECT_EQ(sala("Otra"), 1);
}

TEST_F(Formulario708, LineasDeEntradasPorPrecioYPagosQueReemplazanSuFilaEnUnaTransaccion)
{
    const qint32 s = sala("A");
    test::agregarLinea708(sesion, s, 2, 12.5, 10);
    test::agregarLinea708(sesion, s, 2, 7, 5);
    // Which weeks have tickets shows on the rooms' screen.
    const QString existente = QStringLiteral("El registro que está intentando Cargar ya Existe");
    EXPECT_EQ(test::linea708(sesion, s, 2, 12.5, 3).Agregar(sesion.base), existente);

    cls708ImpuestoDeterminado cambio = test::linea708(sesion, s, 2, 12.5, 30);
    EXPECT_EQ(cambio.Modificar(sesion.base, 2, s, 12.5), QString());
    EXPECT_EQ(cambio.Modificar(sesion.base, 2, s, 99.99), "El registro que está intentando Modificar no Existe");
    cambio.PrecioVenta = 7;
    EXPECT_EQ(cambio.Modificar(sesion.base, 2, s, 12.5), existente);
    EXPECT_EQ(filas("SELECT PRECIO_VENTA, CANT_ENTRADAS_POR_PRECIO_VENTA FROM [708ImpuestoDeterminado] ORDER BY 1"),
              (QStringList{"7|5", "12.5|30"}));
    // Deleting a line or a week is checked through the tickets screen.

    // The payments, saved twice, are one row.
    ASSERT_EQ(test::pagos708(sesion, 0, 0, 125.5, 0).Agregar(sesion.base), QString());
    ASSERT_EQ(test::pagos708(sesion, 0, 0, 125.5, 0).Agregar(sesion.base), QString());
    cls708PagoCuenta leido;
    leido.GetPago(sesion.base, sesion.declaracion);
    EXPECT_EQ(leido.semanas(), (std::array<double, 4>{0, 0, 125.5, 0}));

    // A refused insert leaves the earlier payments in place.
    sesion.base.execute(QStringLiteral("CREATE TEMP TRIGGER rechazo BEFORE INSERT ON [708PagoCuenta] "
                                       "BEGIN SELECT RAISE(ABORT, 'disco lleno'); END"));
    EXPECT_EQ(test::pagos708(sesion, 1, 1, 1, 1).Agregar(sesion.base),
              "Un valor no cumple las reglas de la base de datos. (disco lleno)");
    EXPECT_EQ(filas("SELECT SEMANA1, SEMANA2, SEMANA3, SEMANA4 FROM [708PagoCuenta]"), QStringList{"0|0|125.5|0"});

    cls708PagoCuenta::Eliminar(sesion.base, sesion.declaracion);
    EXPECT_FALSE(cls708PagoCuenta::GetPagoInterfaz(sesion.base, sesion.declaracion).has_value());
}

TEST_F(Formulario708, SinPagosNoHayRegistro04YElSaldoNegativoVaEnCeros)
{
    test::declaracionDeReferencia708(sesion);
    cls708PagoCuenta::Eliminar(sesion.base, sesion.declaracion);
    ASSERT_TRUE(generar());
    EXPECT_TRUE(registros("04").isEmpty());
    EXPECT_EQ(registro("07").mid(47, 60), QByteArray(60, '0'));

    // Payments above the tax: zeros for the balance in 07 and 99; a week paid 0 has no 04.
    ASSERT_EQ(test::pagos708(sesion, 200, 0, 0, 100).Agregar(sesion.base), QString());
    ASSERT_TRUE(generar());
    EXPECT_EQ(registro("07").mid(17, 30), "000000000030000" + QByteArray(15, '0'));
    EXPECT_EQ(registro("99").left(20), "99304" + QByteArray(15, '0'));
    EXPECT_EQ(registros("04"), (QList<QByteArray>{"041000000000020000", "044000000000010000"}));
}

TEST_F(Formulario708, FallasConSuMotivoYSinArchivo)
{
    test::crearDeclaracion708(sesion);
    EXPECT_FALSE(generar());
    EXPECT_EQ(mensajes.mensajes, fallo(QStringLiteral("No tiene Salas ingresadas.\r\n")));
    EXPECT_FALSE(QFile::exists(rutaRegistros()));

    mensajes.mensajes.clear();
    sala("Sala");
    EXPECT_FALSE(generar());
    EXPECT_EQ(mensajes.mensajes, fallo(QStringLiteral("No tiene ingresado Impuesto Determinado.\n\r")));

    // A sequence of two digits makes the header one character too long.
    mensajes.mensajes.clear();
    usarDeclaracion(200403, 10);
    test::declaracionDeReferencia708(sesion);
    EXPECT_FALSE(generar());
    EXPECT_EQ(mensajes.mensajes, fallo(QStringLiteral("La longitud del Registro 01 es incorrecta.\r\n")));

    // A taxpayer without a fiscal address has an empty address block.
    mensajes.mensajes.clear();
    usarContribuyente(QStringLiteral("30715482033"));
    test::declaracionDeReferencia708(sesion);
    EXPECT_FALSE(generar());
    EXPECT_EQ(mensajes.mensajes, fallo(QStringLiteral("La longitud del Registro 20 es incorrecta.\r\n")));
    EXPECT_FALSE(QFile::exists(rutaRegistros()));
}

TEST_F(Formulario708, ControlesEnLosTextosNoCorrenLosCampos)
{
    test::crearDeclaracion708(sesion, QStringLiteral("10.5"));
    // Stored by another program: the screens refuse a line feed.
    sesion.base
        .prepare(QStringLiteral("INSERT INTO [708Salas] (CUIT, PERIODO, SECUENCIA, COD_SALA, DENOMINACION_SALA, "
                                "DOMICILIO_SALA, COD_INCAA) VALUES (?, 200403, 0, 7, 'Sala\nUno', 'Calle\tDos', '77')"))
        .bindAll(sesion.cuit).run();
    test::agregarLinea708(sesion, 7, 4, 10, 3);
    ASSERT_TRUE(generar());
    EXPECT_EQ(registro("02"), "0277    Sala Uno" + QByteArray(32, ' ') + "Calle Dos" + QByteArray(31, ' '));
    // 10 × 100 / 110.5 = 9.0498; 3 × 9.0498 × 0.105 = 2.850687
    EXPECT_EQ(registro("03"), "0377    4000000000001000000003000000000090498000000000000285");
    EXPECT_EQ(registro("07").right(5), "01050");
}
