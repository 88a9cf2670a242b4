#include "f618/formulario_618.h"
#include "f618/ingresos_618.h"
#include "f618/interfaz_618.h"
#include "f618/liquidacion_618.h"
#include "f618/percepciones_618.h"
#include "printing/configuracion_reporte.h"
#include "printing/formulas.h"
#include "support/declaracion_618.h"
#include "support/filas.h"
#include "support/formulario_de_prueba.h"

using namespace veluma;

namespace {

// A Form 618 declaration of the session, from its incomes to its settlement and its records.
class Formulario618Prueba : public test::FormularioDePrueba<Liquidacion618, cls618Interfaz> {
protected:
    QStringList percepciones()
    {
        return test::filasDeConsulta(sesion.base,
                                     "SELECT CodInstituto, VideogramasV, VideogramasA, TasaV, TasaA FROM "
                                     "[618TotalPercepcionesEfectuadas] ORDER BY CodInstituto");
    }
};

}  // namespace

TEST_F(Formulario618Prueba, LaDeclaracionDeReferenciaDaElArchivoEscritoAParteYSoloVentasNoDaRegistroDeAlquiler)
{
    test::declaracionDeReferencia618(sesion);
    ASSERT_TRUE(generar()) << mensajes.mensajes.join('|').toStdString();
    EXPECT_EQ(test::leerArchivo(rutaRegistros()), test::leerArchivo(VELUMA_DATOS_PRUEBA "/F0618_esperado.dat"));
    EXPECT_EQ(QStringLiteral("%1 %2 %3").arg(interfaz->CantidadRegistros).arg(interfaz->ArchivoSalidaDKT,
                                                                                interfaz->ArchivoSalidaCD),
              "11 047129F0618.dat 047129F06183070451826520040200.dat");
    EXPECT_NEAR(liquidacion.percepciones.TotalADepositar, 178.20525, 1e-9);  // rounded only in the file

    // Another institute's declaration with sales only: no rentals' record, and the sales rate by default.
    test::crearDeclaracion618(sesion, 200402, QStringLiteral("X"));
    test::agregarIngreso618(sesion, 0, 2, 1000, 1100);
    cls618TotalPercepciones sinFila;
    sinFila.CargarObjeto(sesion.base, sesion.declaracion);
    // No videograms yet: no perception.
    EXPECT_EQ(QStringLiteral("%1 %2 %3").arg(sinFila.TasaV).arg(sinFila.TasaA).arg(sinFila.PercepcionV), "10 0 0");
    test::guardarPercepciones618(sesion, 5, 0, 10, 0);
    ASSERT_TRUE(generar()) << mensajes.mensajes.join('|').toStdString();
    QStringList tipos;
    for (const QByteArray& registro : registros())
        tipos += QString::fromLatin1(registro.left(4));
    EXPECT_EQ(tipos, QStringList({"0130", "0200", "0300", "0400", "20AV", "9930"}));  // one 03, of sales
    EXPECT_EQ(liquidacion.percepciones.TotalADepositar, 100);
}

TEST_F(Formulario618Prueba, LaGeneracionSeNiegaConSuMotivoYNoDejaArchivo)
{
    struct Caso {
        const char* codigo;
        int tipoIngreso;                                   // -1: no income
        std::optional<std::array<double, 4>> percepciones;  // counts and rates, when saved
        const char* motivo;
    };
    const Caso casos[] = {
        {"A", -1, {}, "No tiene ingresado el Detalle de Ingresos.\n\r"},
        {"B", 0, {}, "Falta ingresar la cantidad de Videogramas Ventas.\r\n"},
        // The sales count belongs to no sales.
        {"C", 1, {{5, 0, 10, 10}}, "Falta ingresar la cantidad de Videogramas Alquiler.\r\n"},
        {"Instituto 123", 0, {{1, 0, 10, 0}}, "La longitud del Registro 04 es incorrecta.\r\n"},
    };
    int periodo = 200401;
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.motivo);
        test::crearDeclaracion618(sesion, periodo++, QString::fromUtf8(caso.codigo));
        if (caso.tipoIngreso >= 0)
            test::agregarIngreso618(sesion, caso.tipoIngreso, 3, 10, 12);
        if (const auto& p = caso.percepciones)
            test::guardarPercepciones618(sesion, (*p)[0], (*p)[1], (*p)[2], (*p)[3]);
        mensajes.mensajes.clear();
        EXPECT_FALSE(generar());
        EXPECT_EQ(mensajes.mensajes, fallo(QString::fromUtf8(caso.motivo)));
        EXPECT_FALSE(QFile::exists(rutaRegistros()));
    }
}

TEST_F(Formulario618Prueba, CadaDiaSeGuardaUnaVezSalirSinDiasSoloTocaEstaDeclaracionYElFormularioNumeraLosDias)
{
    // Two institutes' declarations of one period keep their rows apart, apostrophes and all.
    test::crearDeclaracion618(sesion, 200402, QStringLiteral("O'Higgins"));
    const ClaveDDJJ otra = sesion.declaracion;
    test::agregarIngreso618(sesion, 1, 4, 10, 11);
    test::guardarPercepciones618(sesion, 0, 3, 0, 10);
    test::crearDeclaracion618(sesion, 200402, QStringLiteral("Ñandú"));
    test::agregarIngreso618(sesion, 0, 4, 10, 11);
    test::agregarIngreso618(sesion, 0, 4, 20, 22);  // the same day again replaces it
    test::guardarPercepciones618(sesion, 2, 3, 10, 10);
    EXPECT_EQ(test::filasDeConsulta(sesion.base, "SELECT CodInstituto, TipoIngreso, Dia, NetoCobrado FROM "
                                                 "[618Ingresos] ORDER BY CodInstituto"),
              QStringList({"O'Higgins|1|4|10", "Ñandú|0|4|20"}));
    EXPECT_EQ(Formulario618().seccionesConDatos(sesion.base, sesion.declaracion),
              (std::map<QString, bool>{{"frm618Ingresos1", true}, {"frm618Ingresos2", false},
                                       {"frm618TotalPercepcionesEfectuadas", true}, {"frm618TotalADepositar", true}}));

    // Rentals left empty: their count goes; the row stays while sales have videograms.
    cls618Ingresos::ActualizarTotalPercepcionesEfectuadas(sesion.base, sesion.declaracion, kIngresoAlquiler);
    EXPECT_EQ(percepciones(), QStringList({"O'Higgins|0|3|0|10", "Ñandú|2|0|10|10"}));
    cls618Ingresos::EliminarIngresos(sesion.base, sesion.declaracion, kIngresoVentas, 4);
    cls618Ingresos::ActualizarTotalPercepcionesEfectuadas(sesion.base, sesion.declaracion, kIngresoVentas);
    EXPECT_EQ(percepciones(), QStringList({"O'Higgins|0|3|0|10"}));
    // The other declaration, whose sales count is 0 too, keeps its typed rate.
    sesion.declaracion = otra;
    EXPECT_EQ(cls618Ingresos::SumarTotalNetoCobrado(sesion.base, otra, kIngresoAlquiler), 10);

    // The printed form numbers the days of each kind and goes past formula 100.
    test::declaracionDeReferencia618(sesion);
    ConfiguracionReporte reporte = liquidar().formularioImpreso(sesion);
    std::map<QString, QString> valores = valoresDeFormulas(reporte.formulas());
    QStringList vistos;
    for (const char* nombre : {"codigoinstituto", "NVerif", "diav03", "netov02", "diaa01", "totala02", "totaltotalv",
                               "cantidadalquiler", "totalpercepcionesv", "totaladepositar"})
        vistos += valores[nombre];
    EXPECT_EQ(vistos.join('|'), "D'Ávila 7|047129|29|250,50|02|54,75|1.634,10|7|135,05|178,21");

    // Every day of a 31-day month of both kinds: 203 formulas, the last ones beyond the 101 cleared.
    test::crearDeclaracion618(sesion, 200401, QStringLiteral("Z"));
    for (int dia = 1; dia <= 31; ++dia) {
        test::agregarIngreso618(sesion, 0, dia, dia, dia);
        test::agregarIngreso618(sesion, 1, dia, dia, dia);
    }
    reporte = liquidar().formularioImpreso(sesion);
    const auto& formulas = reporte.formulas();
    EXPECT_EQ(QStringList({QString::number(formulas.rbegin()->first), formulas.at(202), formulas.at(8 + 3 * 31),
                           formulas.at(203)}),
              QStringList({"203", "totaladepositar='0,00'", "diaa01='01'", ""}));
}

TEST(Lectura618, LosDiasLasCantidadesYLasTasasEscritosSeLeenConSuMensaje)
{
    const QString fueraDelMes = QStringLiteral("El día ingresado no corresponde al mes del periodo declarado.");
    const QString netoMal =
        QStringLiteral("El importe Neto Cobrado debe ser un número no negativo con hasta dos decimales.");
    struct Caso {
        int periodo;
        const char *dia, *neto, *total;
        QString problema;
    };
    const Caso casos[] = {
        {200402, "29", "1.000,5", "1100", {}},
        {200402, "30", "1", "1", fueraDelMes}, {200302, "29", "1", "1", fueraDelMes},
        {200402, "0", "1", "1", fueraDelMes},  {200402, "-3", "1", "1", fueraDelMes},
        {200402, "", "", "", "Debe ingresar el día correspondiente."},
        {200402, "1a", "1", "1", "El día debe ser un número entero."},
        {200402, "5", " ", "1", "Debe ingresar el importe Neto Cobrado."},
        {200402, "5", "1", "", "Debe ingresar el importe Total Cobrado."},
        {200402, "5", "abc", "1", netoMal},    {200402, "5", "-5", "1", netoMal},
        {200402, "5", "1", "1,005", "El importe Total Cobrado debe ser un número no negativo con hasta dos decimales."},
        {200402, "5", "10000000000000", "1", "El importe Neto Cobrado no puede superar 9.999.999.999.999,99."},
        {200402, "5", "100", "99,99", "El importe Total Cobrado no puede ser inferior al Neto Cobrado."},
    };
    for (const Caso& caso : casos)
        EXPECT_EQ(leerIngreso(caso.dia, caso.neto, caso.total, caso.periodo).problema, caso.problema)
            << caso.dia << " " << caso.neto;
    EXPECT_EQ(leerIngreso("5", "1", QString(400, '9'), 200402).problema,  // beyond a double
              "El importe Total Cobrado debe ser un número no negativo con hasta dos decimales.");
    const LecturaIngreso valido = leerIngreso("29", "1.000,5", "1100", 200402);
    EXPECT_EQ(QStringList({QString::number(valido.dia), QString::number(valido.neto)}), QStringList({"29", "1000.5"}));

    // Counts and rates, with the box to correct.
    const QString cantidad = QStringLiteral(" debe ser un número entero entre 0 y 999.999.999.999.999.");
    const QString tasa = QStringLiteral(" debe ser un número entre 0 y 100, con hasta dos decimales.");
    struct Cajas {
        std::array<QString, 4> cajas;
        QString problema;
        int campo;
    };
    const Cajas deCajas[] = {
        {{"12", "", "12,5", ""}, {}, -1},
        {{"-1", "", "", ""}, "La cantidad de Videogramas en Ventas" + cantidad, 0},
        {{"", "2,5", "", ""}, "La cantidad de Videogramas en Alquiler" + cantidad, 1},
        {{"1000000000000000", "", "", ""}, "La cantidad de Videogramas en Ventas" + cantidad, 0},
        {{"", "", "100,01", ""}, "La Tasa de Ventas" + tasa, 2},
        {{"", "", "", "10,555"}, "La Tasa de Alquiler" + tasa, 3},
    };
    for (const Cajas& caso : deCajas) {
        const LecturaPercepciones lectura = leerPercepciones(caso.cajas);
        EXPECT_EQ(lectura.problema, caso.problema);
        EXPECT_EQ(lectura.campo, caso.campo);
    }
    EXPECT_EQ(leerPercepciones({"12", "", "12,5", ""}).valores, (std::array<double, 4>{12, 0, 12.5, 0}));
}

