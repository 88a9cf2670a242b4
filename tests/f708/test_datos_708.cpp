#include "core/error.h"
#include "support/declaracion_708.h"
#include "support/filas.h"
#include "support/sesion_de_prueba.h"

using namespace veluma;

namespace {

class Datos708 : public test::SesionDePrueba {
protected:
    qint32 sala(const QString& nombre, const QString& domicilio = QStringLiteral("Calle"), const QString& incaa = "1")
    {
        return test::agregarSala708(sesion, nombre, domicilio, incaa);
    }
    QStringList filas(const QString& sql) { return test::filasDeConsulta(sesion.base, sql); }
    QStringList nombres(const char* campo, const char* direccion)
    {
        QStringList lista;
        for (const Sala& s : cls708Salas::GetAll(sesion.base, sesion.declaracion, campo, direccion))
            lista += s.denominacion;
        return lista;
    }
};

const QString kSalaExistente = QStringLiteral("La Sala que está intentando Cargar ya Existe");

}  // namespace

TEST_F(Datos708, LasSalasSeNumeranPorContribuyenteSeOrdenanYSeModificanEnSuDeclaracion)
{
    usarDeclaracion(200401, 0);
    EXPECT_EQ(sala("Cine O'Higgins", "Av. 1", "100"), 1);
    EXPECT_EQ(sala("árbol", "Zeta 3", "200"), 2);
    EXPECT_EQ(sala("Beta", "Alfa 2", "300"), 3);
    EXPECT_EQ(nombres("denominacion_sala", "ASC"), (QStringList{"árbol", "Beta", "Cine O'Higgins"}));
    EXPECT_EQ(nombres("Domicilio_sala", "desc"), (QStringList{"árbol", "Cine O'Higgins", "Beta"}));
    EXPECT_THROW(nombres("CUIT; DROP TABLE DDJJ", "ASC"), Error);

    // The same INCAA code twice in one declaration is the same room.
    cls708Salas repetida;
    repetida.Cuit = sesion.cuit;
    repetida.Periodo = 200401;
    repetida.CodigoINCAA = QStringLiteral("100");
    EXPECT_EQ(repetida.Agregar(sesion.base), kSalaExistente);

    // A new declaration goes on from the taxpayer's highest code; another taxpayer starts at 1.
    usarDeclaracion(200402, 1);
    const qint32 nueva = sala("Nueva", "Calle", "100");
    EXPECT_EQ(nueva, 4);
    // Room 4 with the same code in another declaration, as a copy would carry it.
    sesion.base
        .prepare(QStringLiteral("INSERT INTO [708Salas] (CUIT, PERIODO, SECUENCIA, COD_SALA, DENOMINACION_SALA, "
                                "DOMICILIO_SALA, COD_INCAA) VALUES (?, 200403, 0, 4, 'Vieja', 'Calle', '100')"))
        .bindAll(sesion.cuit)
        .run();
    cls708Salas cambio;
    cambio.Cuit = sesion.cuit;
    cambio.Periodo = 200402;
    cambio.Secuencia = 1;
    cambio.codigo = nueva;
    cambio.Denominacion = QStringLiteral("Cine Nuevo");
    cambio.Domicilio = QStringLiteral("Av. 2");
    cambio.CodigoINCAA = QStringLiteral("101");
    EXPECT_EQ(cambio.Modificar(sesion.base), QString());
    EXPECT_EQ(filas(QStringLiteral("SELECT PERIODO, DENOMINACION_SALA, DOMICILIO_SALA, COD_INCAA FROM [708Salas] "
                                   "WHERE COD_SALA = 4 ORDER BY PERIODO")),
              (QStringList{"200402|Cine Nuevo|Av. 2|101", "200403|Vieja|Calle|100"}));
    usarContribuyente(instalacion.cuits().at(1));
    EXPECT_EQ(sala("Otra"), 1);
}

TEST_F(Datos708, ValidacionDeSalaAcumulaMensajes)
{
    const QString incaaMal = QStringLiteral("El campo Código INCAA debe tener sólo dígitos, hasta 6.");
    const QString incaaCero = QStringLiteral("El campo Código INCAA no puede estar vacío y no puede ser cero.");
    struct Caso {
        QString denominacion, domicilio, incaa, mensaje;
    };
    for (const Caso& caso :
         {Caso{"  ", "", "0", "El campo Denominación, no puede estar vacío\rEl campo Domicilio, no puede estar vacío\r"
                              + incaaCero},
          Caso{"S", "D", "12AB", incaaMal}, Caso{"S", "D", "1234567", incaaMal}, Caso{"S", "D", "ABC", incaaCero},
          Caso{QString(41, 'x'), "Sala\nDos", "000001",
               "El campo Denominación no puede tener más de 40 caracteres\rEl campo Domicilio contiene caracteres no "
               "válidos"},
          Caso{QString(40, 'x'), "O'Higgins 12", "999999", {}}}) {
        SCOPED_TRACE(caso.incaa.toStdString());
        EXPECT_EQ(ValidarSala(caso.denominacion, caso.domicilio, caso.incaa), caso.mensaje);
    }
}

TEST_F(Datos708, EliminarSalaBorraSusEntradasYNadaMas)
{
    test::crearDeclaracion708(sesion);
    const qint32 a = sala("A", "Calle", "1");
    const qint32 b = sala("B", "Calle", "2");
    for (int semana = 1; semana <= 4; ++semana) {
        test::agregarLinea708(sesion, a, semana, 10, 1);
        test::agregarLinea708(sesion, b, semana, 10, 1);
    }
    ASSERT_EQ(test::pagos708(sesion, 1, 2, 3, 4).Agregar(sesion.base), QString());
    const QString cuentas = QStringLiteral(
        "SELECT ifnull((SELECT group_concat(COD_SALA) FROM [708Salas]), '') || '/' || (SELECT count(*) FROM "
        "[708ImpuestoDeterminado] WHERE COD_SALA = %1) || '/' || (SELECT count(*) FROM [708ImpuestoDeterminado] "
        "WHERE COD_SALA = %2) || '/' || (SELECT count(*) FROM [708PagoCuenta]) || '/' || (SELECT count(*) FROM DDJJ)")
                                .arg(a)
                                .arg(b);
    cls708Salas::Eliminar(sesion.base, sesion.declaracion, a);
    EXPECT_EQ(filas(cuentas), QStringList{QStringLiteral("%1/0/4/1/1").arg(b)});
    cls708Salas::EliminarTodos(sesion.base, sesion.declaracion);
    EXPECT_EQ(filas(cuentas), QStringList{QStringLiteral("/0/0/1/1")});
}

TEST_F(Datos708, LineasDeEntradasPorPrecioConDecimales)
{
    const qint32 s = sala("A");
    test::agregarLinea708(sesion, s, 2, 12.5, 10);
    test::agregarLinea708(sesion, s, 2, 7, 5);
    EXPECT_EQ(cls708ImpuestoDeterminado::SemanasConEntradas(sesion.base, sesion.declaracion, s),
              (std::array<bool, 4>{false, true, false, false}));
    const QString existente = QStringLiteral("El registro que está intentando Cargar ya Existe");
    EXPECT_EQ(test::linea708(sesion, s, 2, 12.5, 3).Agregar(sesion.base), existente);

    cls708ImpuestoDeterminado cambio = test::linea708(sesion, s, 2, 12.5, 30);
    EXPECT_EQ(cambio.Modificar(sesion.base, 2, s, 12.5), QString());
    EXPECT_EQ(cambio.Modificar(sesion.base, 2, s, 99.99), "El registro que está intentando Modificar no Existe");
    cambio.PrecioVenta = 7;
    EXPECT_EQ(cambio.Modificar(sesion.base, 2, s, 12.5), existente);
    const auto lineas = cls708ImpuestoDeterminado::GetAll(sesion.base, sesion.declaracion, 2, s, "precio_venta", "DESC");
    ASSERT_EQ(lineas.size(), 2u);
    EXPECT_EQ(lineas[0].precioVenta, 12.5);
    EXPECT_EQ(lineas[0].entradas, 30);

    cls708ImpuestoDeterminado::Eliminar(sesion.base, sesion.declaracion, 2, s, 12.5);
    test::agregarLinea708(sesion, s, 3, 7, 1);
    EXPECT_EQ(filas(QStringLiteral("SELECT NRO_SEMANA, PRECIO_VENTA, CANT_ENTRADAS_POR_PRECIO_VENTA FROM "
                                   "[708ImpuestoDeterminado] ORDER BY 1")),
              (QStringList{"2|7|5", "3|7|1"}));
    cls708ImpuestoDeterminado::EliminarSemana(sesion.base, sesion.declaracion, 2, s);
    EXPECT_EQ(filas(QStringLiteral("SELECT NRO_SEMANA FROM [708ImpuestoDeterminado]")), QStringList{"3"});
}

TEST(LecturaLinea708, CadaCajaMalEscritaTieneSuMensaje)
{
    const QString precioCero = QStringLiteral("El Precio de Venta debe ser mayor a cero.");
    const QString precioMal = QStringLiteral("El Precio de Venta debe ser un número con hasta dos decimales.");
    const QString entradasCero = QStringLiteral("La cantidad de Entradas vendidas debe ser mayor a cero.");
    const struct {
        const char *precio, *entradas;
        QString problema;
    } casos[] = {
        {"0", "0", precioCero},
        {"", "10", precioCero},
        {"-5", "10", precioCero},
        {"abc", "10", precioMal},
        {"5,555", "10", precioMal},
        {"1.000.000.000", "1", "El Precio de Venta no puede superar 999.999.999,99."},
        {"5,50", "0", entradasCero},
        {"5,50", "-3", entradasCero},
        {"5,50", "1,5", "La cantidad de Entradas vendidas debe ser un número entero."},
        {"5,50", "2147483648", "La cantidad de Entradas vendidas no puede superar 2.147.483.647."},
    };
    for (const auto& caso : casos)
        EXPECT_EQ(leerLineaImpuesto(caso.precio, caso.entradas).problema, caso.problema) << caso.precio << caso.entradas;
    const LecturaLineaImpuesto bien = leerLineaImpuesto(QStringLiteral("1.234,50"), QStringLiteral("2147483647"));
    EXPECT_EQ(bien.problema, QString());
    EXPECT_EQ(bien.precioVenta, 1234.5);
    EXPECT_EQ(bien.entradas, 2147483647.0);
}

TEST_F(Datos708, PagosReemplazanLaFilaEnUnaTransaccion)
{
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
    EXPECT_EQ(filas(QStringLiteral("SELECT SEMANA1, SEMANA2, SEMANA3, SEMANA4 FROM [708PagoCuenta]")),
              QStringList{"0|0|125.5|0"});

    cls708PagoCuenta::Eliminar(sesion.base, sesion.declaracion);
    EXPECT_FALSE(cls708PagoCuenta::GetPagoInterfaz(sesion.base, sesion.declaracion).has_value());
    leido.GetPago(sesion.base, sesion.declaracion);
    EXPECT_EQ(leido.semanas(), (std::array<double, 4>{}));
}

TEST(LecturaPagos708, ImportesNoNegativosConHastaCuatroDecimales)
{
    LecturaPagos bien = leerPagos({"", " 1.500,25 ", "", "0,1234"});
    EXPECT_EQ(bien.problema, QString());
    EXPECT_EQ(bien.semanas, (std::array<double, 4>{0, 1500.25, 0, 0.1234}));
    const QString mal = QStringLiteral("El Pago a Cuenta de la Semana 2 debe ser un importe positivo con hasta "
                                       "cuatro decimales.");
    for (const char* caja : {"-1", "diez", "0,12345"})
        EXPECT_EQ(leerPagos({"1", caja, "", ""}).problema, mal) << caja;
    EXPECT_EQ(leerPagos({"", "", "", "10.000.000.000.000"}).problema,
              "El Pago a Cuenta de la Semana 4 no puede superar 9.999.999.999.999,99.");
}
