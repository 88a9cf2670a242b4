#include "f708/declaracion_708.h"
#include "f708/reportes_708.h"

using namespace veluma;

namespace {

class Datos708 : public test::Declaracion708 {};

QStringList nombres(const std::vector<Sala>& salas)
{
    QStringList lista;
    for (const Sala& sala : salas)
        lista += sala.denominacion;
    return lista;
}

}  // namespace

TEST_F(Datos708, ElCodigoDeSalaSigueAlMayorDelContribuyente)
{
    usar(200401, 0);
    EXPECT_EQ(agregarSala(QStringLiteral("Uno"), QStringLiteral("Calle"), QStringLiteral("1")), 1);
    EXPECT_EQ(agregarSala(QStringLiteral("Dos"), QStringLiteral("Calle"), QStringLiteral("2")), 2);
    EXPECT_EQ(agregarSala(QStringLiteral("Tres"), QStringLiteral("Calle"), QStringLiteral("3")), 3);
    usar(200402, 1);
    EXPECT_EQ(agregarSala(QStringLiteral("Nueva"), QStringLiteral("Calle"), QStringLiteral("1")), 4);
    // Another taxpayer starts at 1.
    sesion.cuit = QStringLiteral("30715482033");
    EXPECT_EQ(agregarSala(QStringLiteral("Otra"), QStringLiteral("Calle"), QStringLiteral("1")), 1);
}

TEST_F(Datos708, ValidacionDeSalaAcumulaMensajes)
{
    EXPECT_EQ(ValidarSala(QStringLiteral("  "), QString(), QStringLiteral("0")),
              QStringLiteral("El campo Denominación, no puede estar vacío\r"
                             "El campo Domicilio, no puede estar vacío\r"
                             "El campo Código INCAA no puede estar vacío y no puede ser cero."));
    const QString invalidoIncaa = QStringLiteral("El campo Código INCAA debe tener sólo dígitos, hasta 6.");
    EXPECT_EQ(ValidarSala(QStringLiteral("S"), QStringLiteral("D"), QStringLiteral("12AB")), invalidoIncaa);
    EXPECT_EQ(ValidarSala(QStringLiteral("S"), QStringLiteral("D"), QStringLiteral("1234567")), invalidoIncaa);
    EXPECT_EQ(ValidarSala(QStringLiteral("S"), QStringLiteral("D"), QStringLiteral("ABC")),
              QStringLiteral("El campo Código INCAA no puede estar vacío y no puede ser cero."));
    EXPECT_EQ(ValidarSala(QString(41, QLatin1Char('x')), QStringLiteral("Sala\nDos"), QStringLiteral("000001")),
              QStringLiteral("El campo Denominación no puede tener más de 40 caracteres\r"
                             "El campo Domicilio contiene caracteres no válidos"));
    EXPECT_EQ(ValidarSala(QString(40, QLatin1Char('x')), QStringLiteral("O'Higgins 12"), QStringLiteral("999999")),
              QString());
}

TEST_F(Datos708, SalasSeGuardanModificanYOrdenan)
{
    const qint32 ohiggins =
        agregarSala(QStringLiteral("Cine O'Higgins"), QStringLiteral("Av. 1"), QStringLiteral("100"));
    agregarSala(QStringLiteral("árbol"), QStringLiteral("Zeta 3"), QStringLiteral("200"));
    agregarSala(QStringLiteral("Beta"), QStringLiteral("Alfa 2"), QStringLiteral("300"));
    EXPECT_EQ(
        nombres(cls708Salas::GetAll(sesion.base, clave(), QStringLiteral("denominacion_sala"), QStringLiteral("ASC"))),
        (QStringList{"árbol", "Beta", "Cine O'Higgins"}));
    EXPECT_EQ(
        nombres(cls708Salas::GetAll(sesion.base, clave(), QStringLiteral("Domicilio_sala"), QStringLiteral("desc"))),
        (QStringList{"árbol", "Cine O'Higgins", "Beta"}));
    EXPECT_THROW(
        cls708Salas::GetAll(sesion.base, clave(), QStringLiteral("CUIT; DROP TABLE DDJJ"), QStringLiteral("ASC")),
        Error);

    // The same INCAA code twice in one declaration is the same room.
    cls708Salas repetida;
    repetida.Cuit = sesion.cuit;
    repetida.Periodo = sesion.periodo;
    repetida.Denominacion = QStringLiteral("Repetida");
    repetida.Domicilio = QStringLiteral("Calle");
    repetida.CodigoINCAA = QStringLiteral("100");
    EXPECT_EQ(repetida.Agregar(sesion.base), QStringLiteral("La Sala que está intentando Cargar ya Existe"));

    // The same room code in another declaration (as a copy would carry it) stays as it was.
    sesion.base
        .prepare(QStringLiteral(
            "INSERT INTO [708Salas] (CUIT, PERIODO, SECUENCIA, COD_SALA, "
            "DENOMINACION_SALA, DOMICILIO_SALA, COD_INCAA) VALUES (?, 200402, 0, ?, 'Vieja', 'Calle', '100')"))
        .bindAll(sesion.cuit, ohiggins)
        .run();
    cls708Salas cambio;
    cambio.Cuit = sesion.cuit;
    cambio.Periodo = sesion.periodo;
    cambio.codigo = ohiggins;
    cambio.Denominacion = QStringLiteral("Cine Nuevo");
    cambio.Domicilio = QStringLiteral("Av. 2");
    cambio.CodigoINCAA = QStringLiteral("101");
    EXPECT_EQ(cambio.Modificar(sesion.base), QString());
    EXPECT_EQ(filas(QStringLiteral("SELECT PERIODO, DENOMINACION_SALA, DOMICILIO_SALA, COD_INCAA FROM [708Salas] "
                                   "WHERE COD_SALA = %1 ORDER BY PERIODO")
                        .arg(ohiggins)),
              (QStringList{"200402|Vieja|Calle|100", "200403|Cine Nuevo|Av. 2|101"}));
    cambio.CodigoINCAA = QStringLiteral("200");
    EXPECT_EQ(cambio.Modificar(sesion.base), QStringLiteral("La Sala que está intentando Cargar ya Existe"));
}

TEST_F(Datos708, EliminarSalaBorraSusEntradasYNadaMas)
{
    crearDeclaracion();
    const qint32 a = agregarSala(QStringLiteral("A"), QStringLiteral("Calle"), QStringLiteral("1"));
    const qint32 b = agregarSala(QStringLiteral("B"), QStringLiteral("Calle"), QStringLiteral("2"));
    for (int semana = 1; semana <= 4; ++semana) {
        agregarLinea(a, semana, 10, 1);
        agregarLinea(b, semana, 10, 1);
    }
    ASSERT_EQ(pagos(1, 2, 3, 4).Agregar(sesion.base), QString());

    cls708Salas::Eliminar(sesion.base, clave(), a);
    const QString cuenta = QStringLiteral("SELECT count(*) FROM [%1] WHERE COD_SALA = %2");
    EXPECT_EQ(filas(cuenta.arg("708Salas").arg(a)), QStringList{"0"});
    EXPECT_EQ(filas(cuenta.arg("708ImpuestoDeterminado").arg(a)), QStringList{"0"});
    EXPECT_EQ(filas(cuenta.arg("708ImpuestoDeterminado").arg(b)), QStringList{"4"});
    EXPECT_EQ(filas(QStringLiteral("SELECT count(*) FROM [708PagoCuenta]")), QStringList{"1"});
    EXPECT_EQ(filas(QStringLiteral("SELECT count(*) FROM DDJJ")), QStringList{"1"});

    cls708Salas::EliminarTodos(sesion.base, clave());
    EXPECT_EQ(filas(QStringLiteral("SELECT (SELECT count(*) FROM [708Salas]) || '/' || "
                                   "(SELECT count(*) FROM [708ImpuestoDeterminado]) || '/' || "
                                   "(SELECT count(*) FROM [708PagoCuenta])")),
              QStringList{"0/0/1"});
}

TEST_F(Datos708, LineasDeEntradas)
{
    const qint32 sala = agregarSala(QStringLiteral("A"), QStringLiteral("Calle"), QStringLiteral("1"));
    agregarLinea(sala, 2, 12.5, 10);
    agregarLinea(sala, 2, 7, 5);
    EXPECT_EQ(cls708ImpuestoDeterminado::SemanasConEntradas(sesion.base, clave(), sala),
              (std::array<bool, 4>{false, true, false, false}));
    EXPECT_EQ(linea(sala, 2, 12.5, 3).Agregar(sesion.base),
              QStringLiteral("El registro que está intentando Cargar ya Existe"));

    // A price with decimals is found to change and to delete.
    cls708ImpuestoDeterminado cambio = linea(sala, 2, 12.5, 30);
    EXPECT_EQ(cambio.Modificar(sesion.base, 2, sala, 12.5), QString());
    EXPECT_EQ(cambio.Modificar(sesion.base, 2, sala, 99.99),
              QStringLiteral("El registro que está intentando Modificar no Existe"));
    cambio.PrecioVenta = 7;
    EXPECT_EQ(cambio.Modificar(sesion.base, 2, sala, 12.5),
              QStringLiteral("El registro que está intentando Cargar ya Existe"));
    const auto lineas = cls708ImpuestoDeterminado::GetAll(sesion.base, clave(), 2, sala, QStringLiteral("precio_venta"),
                                                          QStringLiteral("DESC"));
    ASSERT_EQ(lineas.size(), 2u);
    EXPECT_EQ(lineas[0].precioVenta, 12.5);
    EXPECT_EQ(lineas[0].entradas, 30);

    cls708ImpuestoDeterminado::Eliminar(sesion.base, clave(), 2, sala, 12.5);
    EXPECT_EQ(
        filas(QStringLiteral("SELECT PRECIO_VENTA, CANT_ENTRADAS_POR_PRECIO_VENTA FROM [708ImpuestoDeterminado]")),
        QStringList{"7|5"});
    agregarLinea(sala, 3, 7, 1);
    cls708ImpuestoDeterminado::EliminarSemana(sesion.base, clave(), 2, sala);
    EXPECT_EQ(filas(QStringLiteral("SELECT NRO_SEMANA FROM [708ImpuestoDeterminado]")), QStringList{"3"});
}

TEST(LecturaLinea708, CadaCajaMalEscritaTieneSuMensaje)
{
    const auto problema = [](const char* precio, const char* entradas) {
        return leerLineaImpuesto(QString::fromUtf8(precio), QString::fromUtf8(entradas)).problema;
    };
    const QString precioCero = QStringLiteral("El Precio de Venta debe ser mayor a cero.");
    const QString precioMal = QStringLiteral("El Precio de Venta debe ser un número con hasta dos decimales.");
    const QString entradasCero = QStringLiteral("La cantidad de Entradas vendidas debe ser mayor a cero.");
    EXPECT_EQ(problema("0", "0"), precioCero);
    EXPECT_EQ(problema("", "10"), precioCero);
    EXPECT_EQ(problema("-5", "10"), precioCero);
    EXPECT_EQ(problema("abc", "10"), precioMal);
    EXPECT_EQ(problema("5,555", "10"), precioMal);
    EXPECT_EQ(problema("1.000.000.000", "1"), QStringLiteral("El Precio de Venta no puede superar 999.999.999,99."));
    EXPECT_EQ(problema("5,50", "0"), entradasCero);
    EXPECT_EQ(problema("5,50", "-3"), entradasCero);
    EXPECT_EQ(problema("5,50", "1,5"), QStringLiteral("La cantidad de Entradas vendidas debe ser un número entero."));
    EXPECT_EQ(problema("5,50", "2147483648"),
              QStringLiteral("La cantidad de Entradas vendidas no puede superar 2.147.483.647."));
    const LecturaLineaImpuesto bien = leerLineaImpuesto(QStringLiteral("1.234,50"), QStringLiteral("2147483647"));
    EXPECT_EQ(bien.problema, QString());
    EXPECT_EQ(bien.precioVenta, 1234.5);
    EXPECT_EQ(bien.entradas, 2147483647.0);
}

TEST_F(Datos708, PagosReemplazanLaFilaEnUnaTransaccion)
{
    ASSERT_EQ(pagos(0, 0, 125.5, 0).Agregar(sesion.base), QString());
    ASSERT_EQ(pagos(0, 0, 125.5, 0).Agregar(sesion.base), QString());
    EXPECT_EQ(filas(QStringLiteral("SELECT SEMANA1, SEMANA2, SEMANA3, SEMANA4 FROM [708PagoCuenta]")),
              QStringList{"0|0|125.5|0"});
    cls708PagoCuenta leido;
    leido.GetPago(sesion.base, clave());
    EXPECT_EQ(leido.semanas(), (std::array<double, 4>{0, 0, 125.5, 0}));

    // A refused insert leaves the earlier payments in place.
    sesion.base.execute(QStringLiteral("CREATE TEMP TRIGGER rechazo BEFORE INSERT ON [708PagoCuenta] "
                                       "BEGIN SELECT RAISE(ABORT, 'disco lleno'); END"));
    EXPECT_FALSE(pagos(1, 1, 1, 1).Agregar(sesion.base).isEmpty());
    EXPECT_EQ(filas(QStringLiteral("SELECT SEMANA3 FROM [708PagoCuenta]")), QStringList{"125.5"});

    cls708PagoCuenta::Eliminar(sesion.base, clave());
    EXPECT_FALSE(cls708PagoCuenta::GetPagoInterfaz(sesion.base, clave()).has_value());
    leido.GetPago(sesion.base, clave());
    EXPECT_EQ(leido.semanas(), (std::array<double, 4>{}));
    EXPECT_EQ(leido.Cuit, sesion.cuit);
}

TEST(LecturaPagos708, ImportesNoNegativosConHastaCuatroDecimales)
{
    const auto leer = [](std::array<QString, 4> cajas) { return leerPagos(cajas); };
    LecturaPagos bien = leer({"", " 1.500,25 ", "", "0,1234"});
    EXPECT_EQ(bien.problema, QString());
    EXPECT_EQ(bien.semanas, (std::array<double, 4>{0, 1500.25, 0, 0.1234}));
    const QString mal = QStringLiteral("El Pago a Cuenta de la Semana 2 debe ser un importe positivo con hasta "
                                       "cuatro decimales.");
    EXPECT_EQ(leer({"1", "-1", "", ""}).problema, mal);
    EXPECT_EQ(leer({"1", "diez", "", ""}).problema, mal);
    EXPECT_EQ(leer({"1", "0,12345", "", ""}).problema, mal);
    EXPECT_EQ(leer({"", "", "", "10.000.000.000.000"}).problema,
              QStringLiteral("El Pago a Cuenta de la Semana 4 no puede superar 9.999.999.999.999,99."));
}

TEST_F(Datos708, FormulasDelFormulario708YDelListadoDeSalas)
{
    sesion.cuit = QStringLiteral("30-70451826-5");
    sesion.denominacion = QStringLiteral("Cines del Plata S.A.");
    sesion.domicilioFiscal = QStringLiteral("Av. Corrientes 1530");
    usar(200103, 2);
    crearDeclaracion(QStringLiteral("10"), QDateTime(QDate(2001, 4, 2), QTime(10, 20, 30)));
    const qint32 sala = agregarSala(QStringLiteral("Sala"), QStringLiteral("Calle"), QStringLiteral("1"));
    agregarLinea(sala, 1, 5.50, 100);
    agregarLinea(sala, 2, 12345.67, 1000);
    ASSERT_EQ(pagos(30, 0, 0, 40).Agregar(sesion.base), QString());

    const ConfiguracionReporte reporte = reporteForm708(sesion, QStringLiteral("10,00"));
    EXPECT_TRUE(reporte.archivoReporte.endsWith(QStringLiteral("/Form708.rpt")));
    EXPECT_EQ(reporte.formulaSeleccion, QStringLiteral("{DDJJ.CUIT} = '30-70451826-5' and {DDJJ.PERIODO} = 200103 "
                                                       "and {DDJJ.SECUENCIA} = 2 and {DDJJ.FORMULARIO} = 708"));
    EXPECT_EQ(reporte.titulo,
              QStringLiteral("Impresión del F.708 - Impuesto a las Entradas de Espectáculos Cinematográficos"));
    QStringList formulas;
    for (int i = 0; i <= 15; ++i)
        formulas += reporte.formulas().at(i);
    // 12345.67 × 100 / 110 = 11223.3364; × 1000 × 0.1 = 1122333.64
    EXPECT_EQ(formulas, (QStringList{"cuit='30-70451826-5'", "periodo='03/2001'", "secuencia='2 - Rectificativa'",
                                     "denominacion='Cines del Plata S.A.'", "domicilio='Av. Corrientes 1530'",
                                     "NVerif='001711'",
                                     "version='1.00.00'", "alicuota='10,00'", "impuestodeclarado='1.122.383,64'",
                                     "pagos1='30,00'", "pagos2='0,00'", "pagos3='0,00'", "pagos4='40,00'",
                                     "totalpagos='70,00'", "pendiente='1.122.313,64'", ""}));
    EXPECT_EQ(reporte.formulas().at(20), QString());

    const ConfiguracionReporte salas = reporteSalas(sesion);
    EXPECT_EQ(salas.formulaSeleccion, QStringLiteral("{708detalledesalas.CUIT} = '30-70451826-5' AND "
                                                     "{708detalledesalas.PERIODO} =200103 AND "
                                                     "{708detalledesalas.SECUENCIA} = 2"));
    EXPECT_EQ(salas.titulo, QStringLiteral("Impresión Detalle de Salas"));
    EXPECT_EQ(salas.formulas().at(2), QStringLiteral("secuencia='2 - Rectificativa'"));
    EXPECT_EQ(textoSecuenciaImpresa(0), QStringLiteral("0 - Original"));
    EXPECT_EQ(formulaUltimaHoja(3), QStringLiteral("ultimahoja=3"));
}
