#include "core/error.h"
#include "f617/importacion_617.h"
#include "f618/importacion_618.h"
#include "f618/ingresos_618.h"
#include "f708/importacion_708.h"
#include "intercambio/importacion.h"
#include "support/declaracion_617.h"
#include "support/declaracion_618.h"
#include "support/declaracion_708.h"
#include "support/filas.h"
#include "support/sesion_de_prueba.h"

#include <gtest/gtest.h>

using namespace veluma;

namespace {

// A file read by an importer, and what each case expects of it.
class Importadores : public test::SesionDePrueba {
protected:
    Importacion leer(const Importador& importador, const QByteArray& csv)
    {
        TablaCsv tabla = leerCsv(csv, QStringLiteral("archivo.csv"));
        const Asignacion asignacion = asignacionSugerida(importador, tabla, {});
        return Importacion(importador, std::move(tabla), asignacion);
    }
    // "line: shown fields => reason" for each line, "(cargada)" for a line already stored.
    static QStringList vista(const Importacion& importacion)
    {
        QStringList lineas;
        for (const LineaImportada& linea : importacion.lineas())
            lineas += QStringLiteral("%1: %2%3")
                          .arg(linea.linea)
                          .arg(linea.leida.mostrada.join('|'), linea.yaCargada ? QStringLiteral(" (cargada)")
                                                               : linea.leida.problema.isEmpty()
                                                                   ? QString()
                                                                   : QStringLiteral(" => ") + linea.leida.problema);
        return lineas;
    }
    // Importing refuses the file with `motivo` and stores nothing.
    void rechaza(const Importacion& importacion, const QString& tabla, const QString& motivo)
    {
        const QStringList antes = test::filasDeConsulta(sesion.base, "SELECT * FROM " + tabla);
        EXPECT_EQ(importacion.impedimento(), motivo);
        try {
            importacion.importar(sesion.base, true);
            ADD_FAILURE() << "se importó";
        } catch (const Error& error) {
            EXPECT_EQ(error.descripcion(), motivo);
        }
        EXPECT_EQ(test::filasDeConsulta(sesion.base, "SELECT * FROM " + tabla), antes);
    }
    QStringList filas(const char* sql) { return test::filasDeConsulta(sesion.base, QString::fromUtf8(sql)); }
};

}  // namespace

TEST_F(Importadores, EntradasPorSalaYSemanaConLosMensajesDeLaPantalla)
{
    test::declaracionDeReferencia708(sesion);  // Cine Ópera (1234), Atlas Flores (000789)
    const ImportadorEntradas708 importador(sesion.base, sesion.declaracion);
    const Importacion malo = leer(importador,
                                  "Sala;Código INCAA;Semana;Precio de venta;Entradas vendidas\n"
                                  "Ópera;1234;1;5,50;120\n"
                                  "Atlas;789;4;1.500,00;2\n"
                                  "X;9999;1;5;1\n"
                                  "Ópera;1234;5;5;1\n"
                                  "Ópera;1234;2;5,555;1\n"
                                  "Ópera;1234;2;-5;1\n"
                                  "Ópera;1234;2;abc;1\n"
                                  "Ópera;1234;2;7;1,5\n"
                                  "Ópera;1234;2;7;0\n"
                                  "Atlas;789;4;1500;9\n"
                                  "Ópera;1234;2\n");
    EXPECT_EQ(vista(malo),
              QStringList({
                  "2: Cine Ópera (1234)|1|5,50|120 (cargada)",
                  "3: Atlas Flores (000789)|4|1.500,00|2",
                  "4: 9999|1|5|1 => La declaración no tiene una sala con el Código INCAA 9999.",
                  "5: Cine Ópera (1234)|5|5|1 => La semana debe ser un número del 1 al 4.",
                  "6: Cine Ópera (1234)|2|5,555|1 => El Precio de Venta debe ser un número con hasta dos "
                  "decimales.",
                  "7: Cine Ópera (1234)|2|-5|1 => El Precio de Venta debe ser mayor a cero.",
                  "8: Cine Ópera (1234)|2|abc|1 => El Precio de Venta debe ser un número con hasta dos decimales.",
                  "9: Cine Ópera (1234)|2|7|1,5 => La cantidad de Entradas vendidas debe ser un número entero.",
                  "10: Cine Ópera (1234)|2|7|0 => La cantidad de Entradas vendidas debe ser mayor a cero.",
                  "11: Atlas Flores (000789)|4|1.500,00|9 => El registro que está intentando Cargar ya Existe",
                  "12:  => La línea tiene 3 campos y debería tener 5.",
              }));
    rechaza(malo, "[708ImpuestoDeterminado]",
            "No se pueden importar 9 líneas; la primera es la línea 4: La declaración no tiene una sala con el "
            "Código INCAA 9999.");

    // A file without titles goes to the screen's room and week; a stored line is left or replaced as chosen.
    const qint32 atlas = filas("SELECT COD_SALA FROM [708Salas] WHERE COD_INCAA='000789'").value(0).toInt();
    const ImportadorEntradas708 deLaSemana(sesion.base, sesion.declaracion, SalaYSemana{atlas, 2});
    const Importacion bueno = leer(deLaSemana, "9.5,10\n8,40\n");
    EXPECT_EQ(vista(bueno),
              QStringList({"1: Atlas Flores (000789)|2|9,50|10", "2: Atlas Flores (000789)|2|8,00|40 (cargada)"}));
    EXPECT_EQ(bueno.importar(sesion.base, false), 1);
    const char* semana2 =
        "SELECT PRECIO_VENTA, CANT_ENTRADAS_POR_PRECIO_VENTA FROM [708ImpuestoDeterminado] "
        "WHERE NRO_SEMANA=2 ORDER BY PRECIO_VENTA";
    EXPECT_EQ(filas(semana2), QStringList({"8|10", "9.5|10"}));
    EXPECT_EQ(leer(ImportadorEntradas708(sesion.base, sesion.declaracion, SalaYSemana{atlas, 2}), "9.5,10\n8,40\n")
                  .importar(sesion.base, true),
              2);
    EXPECT_EQ(filas(semana2), QStringList({"8|40", "9.5|10"}));

    // Without the screen's room, the file must say which: its columns are read in the order of the fields.
    EXPECT_EQ(leer(importador, "12;3\n").impedimento(), "Falta la columna «Precio de venta».");
}

TEST_F(Importadores, IngresosPorTipoYDiaOFechaDelMes)
{
    test::declaracionDeReferencia618(sesion);  // February 2004: sales on days 1, 15 and 29; rentals on 2 and 28
    const ImportadorIngresos618 importador(sesion.base, sesion.declaracion);
    const Importacion importacion = leer(importador,
                                         "Tipo de ingreso;Fecha;Neto cobrado;Total cobrado\n"
                                         "Ventas;03/02/2004;100;121\n"
                                         "alquiler;29/02/2004;1.000,50;1.210,60\n"
                                         "Ventas;30/02/2004;1;2\n"
                                         "Ventas;01/03/2004;1;2\n"
                                         "Ventas;30;1;2\n"
                                         "Compras;4;1;2\n"
                                         "Ventas;5;-1;2\n"
                                         "Ventas;6;10;5\n"
                                         "Ventas;3;1;2\n"
                                         "Ventas;15;1;2\n");
    const QString fueraDelMes = " => El día ingresado no corresponde al mes del periodo declarado.";
    EXPECT_EQ(vista(importacion),
              QStringList({
                  "2: Ingresos por Ventas|3|100,00|121,00",
                  "3: Ingresos por Alquiler|29|1.000,50|1.210,60",
                  "4: Ingresos por Ventas|30/02/2004|1|2 => La fecha 30/02/2004 no existe.",
                  "5: Ingresos por Ventas|01/03/2004|1|2" + fueraDelMes,
                  "6: Ingresos por Ventas|30|1|2" + fueraDelMes,
                  "7: Compras|4|1|2 => El tipo de ingreso debe ser Ventas o Alquiler.",
                  "8: Ingresos por Ventas|5|-1|2 => El importe Neto Cobrado debe ser un número no negativo con hasta "
                  "dos decimales.",
                  "9: Ingresos por Ventas|6|10|5 => El importe Total Cobrado no puede ser inferior al Neto Cobrado.",
                  "10: Ingresos por Ventas|3|1,00|2,00 => El día que intenta ingresar ya existe.",
                  "11: Ingresos por Ventas|15|1,00|2,00 (cargada)",
              }));
    rechaza(importacion, "[618Ingresos]",
            "No se pueden importar 7 líneas; la primera es la línea 4: La fecha 30/02/2004 no existe.");

    const ImportadorIngresos618 alquileres(sesion.base, sesion.declaracion, kIngresoAlquiler);
    EXPECT_EQ(leer(alquileres, "Día;Neto;Total\n3;10;12,1\n28;1;1\n").importar(sesion.base, true), 2);
    EXPECT_EQ(filas("SELECT TipoIngreso, Dia, NetoCobrado, TotalCobrado FROM [618Ingresos] WHERE TipoIngreso=1 "
                    "ORDER BY Dia"),
              QStringList({"1|2|300|363", "1|3|10|12.1", "1|28|1|1"}));
}

TEST_F(Importadores, ConceptosPorLicenciaDelCatalogo)
{
    test::crearDeclaracion617(sesion, 200505, 306);
    const qint64 cable = test::agregarLicencia617(sesion, QStringLiteral("Cable Ñandú"), 2);
    test::agregarLicencia617(sesion, QStringLiteral("Dúo"), 1);
    const qint64 duo3 = test::agregarLicencia617(sesion, QStringLiteral("Dúo"), 3);
    test::agregarConcepto617(sesion, cable, 100, 50);
    const ImportadorConceptos617 importador(sesion.base, sesion.declaracion);
    const Importacion importacion = leer(importador,
                                         "Licencia\tTipo de servicio\tConcepto\tFacturación bruta\n"
                                         "Cable Ñandú\t\t101\t1234.5\n"
                                         "cable ñandú\t\t100\t10\n"
                                         "Dúo\t\t101\t1\n"
                                         "Dúo\t3\t101\t1\n"
                                         "Nadie\t\t101\t1\n"
                                         "Cable Ñandú\t\t999\t1\n"
                                         "Cable Ñandú\t\t102\t0\n"
                                         "Cable Ñandú\t\t101\t5\n");
    EXPECT_EQ(vista(importacion),
              QStringList({
                  "2: Cable Ñandú|2|101 - Publicidad no tradicional y menciones en programas|1.234,50",
                  "3: Cable Ñandú|2|100 - Publicidad comercial en tandas|10,00 (cargada)",
                  "4: Dúo||101|1 => La declaración tiene más de una licencia Dúo: indique el tipo de servicio.",
                  "5: Dúo|3|101 - Publicidad no tradicional y menciones en programas|1,00",
                  "6: Nadie||101|1 => La declaración no tiene la licencia Nadie.",
                  "7: Cable Ñandú||999|1 => El concepto no es válido",
                  "8: Cable Ñandú||102|0 => La facturación no puede ser cero",
                  "9: Cable Ñandú|2|101 - Publicidad no tradicional y menciones en programas|5,00 => El Concepto que "
                  "intenta agregar ya existe.",
              }));
    rechaza(importacion, "[617LicenciasIngresoConceptos]",
            "No se pueden importar 5 líneas; la primera es la línea 4: La declaración tiene más de una licencia Dúo: "
            "indique el tipo de servicio.");

    const ImportadorConceptos617 deLaLicencia(sesion.base, sesion.declaracion, duo3);
    EXPECT_EQ(leer(deLaLicencia, "118;2.500,75\n").importar(sesion.base, false), 1);
    EXPECT_EQ(filas("SELECT CodigoLicencia, Concepto, FacturacionBruta FROM [617LicenciasIngresoConceptos] "
                    "ORDER BY CodigoLicencia, Concepto"),
              QStringList({QStringLiteral("%1|100|50").arg(cable), QStringLiteral("%1|118|2500.75").arg(duo3)}));
}
