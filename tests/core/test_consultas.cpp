// The stored queries, read as the printed forms and the records read them, and
// the SQL functions they are written with.

#include "support/filas.h"
#include "support/sesion_de_prueba.h"

#include <gtest/gtest.h>

using namespace veluma;

namespace {

class Consultas : public veluma::test::SesionDePrueba {
protected:
    void ejecutar(const QString& sql) { sesion.base.execute(sql); }

    QStringList filas(const QString& sql) { return veluma::test::filasDeConsulta(sesion.base, sql); }

    // The one row of a query, its columns joined with "|" and NULL as "NULL",
    // or the engine's message when the query fails.
    template <class... Args>
    QString fila(const QString& sql, const Args&... args)
    {
        try {
            Statement consulta = sesion.base.prepare(sql);
            consulta.bindAll(args...);
            QStringList columnas;
            EXPECT_TRUE(consulta.next()) << sql.toStdString();
            for (int i = 0; i < consulta.columnCount(); ++i)
                columnas += consulta.isNull(i) ? QStringLiteral("NULL") : consulta.value(i).toString();
            return columnas.join(QLatin1Char('|'));
        } catch (const DbError& error) {
            return error.engineMessage();
        }
    }
};

TEST_F(Consultas, DetalleDeSalasYAgrupacionDeIngresosPorRangoDeConcepto)
{
    ejecutar("INSERT INTO DDJJ (CUIT, PERIODO, SECUENCIA, FORMULARIO, CAMPO1) VALUES "
             "('30-70845123-9', 200403, 0, 708, '10'), ('30-70845123-9', 200404, 0, 617, '306')");
    ejecutar("INSERT INTO [708Salas] (CUIT, PERIODO, SECUENCIA, COD_SALA, DENOMINACION_SALA, COD_INCAA) VALUES "
             "('30-70845123-9', 200403, 0, 1, 'Sala Uno', '000123'), "
             "('30-70845123-9', 200404, 0, 1, 'De otro formulario', '000124')");
    ejecutar("INSERT INTO [708ImpuestoDeterminado] (CUIT, PERIODO, SECUENCIA, NRO_SEMANA, PRECIO_VENTA, COD_SALA, "
             "CANT_ENTRADAS_POR_PRECIO_VENTA) VALUES ('30-70845123-9', 200403, 0, 1, 5.5, 1, 100), "
             "('30-70845123-9', 200403, 0, 2, 10, 1, 3), ('30-70845123-9', 200404, 0, 1, 10, 1, 3)");

    EXPECT_EQ(filas("SELECT DENOMINACION_SALA, COD_INCAA, PV, CANT, PB, round(IMPDETER, 6), CUIT, PERIODO, SECUENCIA "
                    "FROM [708DetalledeSalas] ORDER BY PV"),
              (QStringList{"Sala Uno|000123|5.5|100|5,0000|50|30-70845123-9|200403|0",
                           "Sala Uno|000123|10|3|9,0909|2.72727|30-70845123-9|200403|0"}));

    // The income of a licence grouped by ranges of concepts.
    for (const auto& [concepto, importe] : {std::pair{100, 1000.0}, {108, 50.0}, {109, 200.0}, {115, 1.5},
                                            {116, 300.0}, {117, 10.0}, {118, 7.0}, {120, 3.0}}) {
        sesion.base.prepare(QStringLiteral("INSERT INTO [617LicenciasIngresoConceptos] (CUIT, Periodo, Secuencia, "
                                           "ImpServicio, CodigoLicencia, Concepto, FacturacionBruta) "
                                           "VALUES ('20-12345678-6', 200403, 0, 306, 1, ?, ?)"))
            .bindAll(concepto, importe).run();
    }
    EXPECT_EQ(filas("SELECT * FROM [617ConsAgrupIngresos]"),
              QStringList{"1050|201.5|310|10|1571.5|20-12345678-6|200403|0|306|1"});
}

TEST_F(Consultas, ImpresionRegistro7YLicenciasAplicanAlicuotaYExenciones)
{
    // Service type 1 is open television at 8 %.
    ejecutar("INSERT INTO [617Licencias] (CUIT, Periodo, Secuencia, ImpServicio, CodigoLicencia, TipoServicio, "
             "ApellidoNombre, InicioActividades) "
             "VALUES ('20-12345678-6', 200403, 0, 306, 7, 1, 'Canal Siete', '1999-05-01')");
    ejecutar("INSERT INTO [617LicenciasIngresoConceptos] (CUIT, Periodo, Secuencia, ImpServicio, CodigoLicencia, "
             "Concepto, FacturacionBruta) VALUES ('20-12345678-6', 200403, 0, 306, 7, 100, 1000), "
             "('20-12345678-6', 200403, 0, 306, 7, 110, 250)");
    ejecutar("INSERT INTO [617LicenciasTotalLicencias] (CUIT, Periodo, Secuencia, ImpServicio, CodigoLicencia, "
             "DescuentosBonificaciones, ExencionesOtorgadas, ImporteExentoIngresar) "
             "VALUES ('20-12345678-6', 200403, 0, 306, 7, 250, 2, 30)");
    ejecutar("INSERT INTO [617LicenciasDetalle] (CUIT, Periodo, Secuencia, ImpServicio, CodigoLicencia, "
             "NroDecreto, FechaNroDecreto) VALUES ('20-12345678-6', 200403, 0, 306, 7, 1234, '1998-12-30')");

    EXPECT_EQ(filas("SELECT Publicidad, Abonos, Programas, OtrosConceptos, FacBruta, DescuentosBonificaciones, "
                    "ImpIngresar, ImporteExentoIngresar, TotalAPagar, CUIT, Periodo, Secuencia, ImpServicio, "
                    "VigenciaDesde, VigenciaHasta FROM [617ImpresionDDJJ]"),
              QStringList{"1000|250|0|0|1250|250|80|30|50|20-12345678-6|200403|0|306|1981-01-01|2099-12-31"});
    EXPECT_EQ(filas("SELECT * FROM [617Registro7]"),
              QStringList{"20-12345678-6|200403|0|306|1250|250|1000|80|0|30|0|50"});
    EXPECT_EQ(filas("SELECT Expr1, Expr5, Expr6, Expr9, Expr14, Expr15 FROM [617ConsultaLicencias]"),
              QStringList{"20-12345678-6|7|Canal Siete|1999-05-01|1234|1998-12-30"});
}

TEST_F(Consultas, FormatValCDblIIfYLaIntercalacionComoLosEscribenLasConsultas)
{
    // The masks themselves are checked on formatearNumero; here what the queries hand them.
    EXPECT_EQ(fila("SELECT Format(?, ?), Format(?, ?), Format(?, ?), Format(?, ?), Format(?, ?), format(?, ?)",
                   "2004-03-01", "yyyymmdd", "2004-03-01 10:20:30", "YYYYMMDD", "01/03/2004", "yyyymmdd", nullptr,
                   "0.00", "3", "00", " 1234.5", "#,###,###,###,##0.00"),
              "20040301|20040301|NULL|NULL|03|1.234,50");
    const QString formato = QStringLiteral("SELECT Format(?, ?)");
    EXPECT_EQ(fila(formato, 1, "0.000") + '|' + fila(formato, "1,5", "0.00") + '|' + fila(formato, 1, nullptr),
              "Máscara de formato desconocida: \"0.000\"|Format: \"1,5\" no es un número|Format: falta la máscara");
    EXPECT_EQ(fila(formato, 20040301, "yyyymmdd"), "Format: la máscara \"yyyymmdd\" necesita una fecha");

    EXPECT_EQ(fila("SELECT Val(?), Val(?) / 2, typeof(Val(?)), Val(?), Val(?)", "10,5", 7, "10", nullptr, "abc"),
              "10|3.5|real|NULL|0");
    EXPECT_EQ(fila("SELECT Val(?)", "1e400"), "Desbordamiento");
    const QString cdbl = QStringLiteral("SELECT CDbl(?), CDbl(?), CDbl(?) / 2, typeof(CDbl(?)), CDbl(?)");
    EXPECT_EQ(fila(cdbl, "5,0000", "1.234,5", 7, 7, nullptr), "5|1234.5|3.5|real|NULL");
    EXPECT_EQ(fila("SELECT CDbl(?)", "5.5") + '|' + fila("SELECT CDbl(?)", ""),
              "CDbl: \"5.5\" no es un número|CDbl: \"\" no es un número");

    const QString iif = QStringLiteral("SELECT IIf(?, 'si', 'no')");
    EXPECT_EQ(fila(iif, nullptr) + fila(iif, 0) + fila(iif, 0.0) + fila(iif, "abc"), "nononono");
    EXPECT_EQ(fila(iif, -1) + fila(iif, 0.5) + fila(iif, "3 salas"), "sisisi");
    EXPECT_EQ(fila("SELECT IIf(? > 100, ?, ?)", nullptr, 1, 2), "2");

    // The GENERAL collation sorts names as a person would.
    ejecutar("CREATE TEMP TABLE personas (nombre TEXT)");
    Statement alta = sesion.base.prepare(QStringLiteral("INSERT INTO personas VALUES (?)"));
    for (const QString& nombre :
         QStringLiteral("zeta|Ñandú|Benítez|Ángel|álvarez|Nandu|Nuñez|Alvarez|angel|Óscar|Muñoz|ALVAREZ|Nandú|Alvarado")
             .split(QLatin1Char('|'))) {
        alta.bindAll(nombre).run();
        alta.reset();
    }
    EXPECT_EQ(filas("SELECT nombre FROM personas ORDER BY nombre COLLATE GENERAL").join(QLatin1Char('|')),
              QStringLiteral("Alvarado|ALVAREZ|Alvarez|álvarez|angel|Ángel|Benítez|Muñoz|Nandu|Nandú|Ñandú|Nuñez|"
                             "Óscar|zeta"));
}

}  // namespace
