#include "core/arranque.h"
#include "core/clave.h"
#include "core/sesion.h"
#include "support/instalacion_temporal.h"
#include "support/filas.h"
#include "support/sesion_de_prueba.h"
#include "support/mensajes_grabados.h"

#include <gtest/gtest.h>

using namespace veluma;

namespace {

// The stored queries, read as the printed forms and the records read them.
class Consultas : public veluma::test::SesionDePrueba {
protected:
    void ejecutar(const QString& sql) { sesion.base.execute(sql); }

    QStringList filas(const QString& sql) { return veluma::test::filasDeConsulta(sesion.base, sql); }
};

TEST_F(Consultas, DetalleDeSalasCalculaPrecioBasicoEImpuesto)
{
    ejecutar("INSERT INTO DDJJ (CUIT, PERIODO, SECUENCIA, FORMULARIO, CAMPO1) VALUES ('30-70845123-9', 200403, 0, 708, '10')");
    ejecutar("INSERT INTO DDJJ (CUIT, PERIODO, SECUENCIA, FORMULARIO, CAMPO1) VALUES ('30-70845123-9', 200404, 0, 617, '306')");
    ejecutar("INSERT INTO [708Salas] (CUIT, PERIODO, SECUENCIA, COD_SALA, DENOMINACION_SALA, COD_INCAA) "
             "VALUES ('30-70845123-9', 200403, 0, 1, 'Sala Uno', '000123')");
    ejecutar("INSERT INTO [708Salas] (CUIT, PERIODO, SECUENCIA, COD_SALA, DENOMINACION_SALA, COD_INCAA) "
             "VALUES ('30-70845123-9', 200404, 0, 1, 'De otro formulario', '000124')");
    ejecutar("INSERT INTO [708ImpuestoDeterminado] (CUIT, PERIODO, SECUENCIA, NRO_SEMANA, PRECIO_VENTA, COD_SALA, "
             "CANT_ENTRADAS_POR_PRECIO_VENTA) VALUES ('30-70845123-9', 200403, 0, 1, 5.5, 1, 100), "
             "('30-70845123-9', 200403, 0, 2, 10, 1, 3), ('30-70845123-9', 200404, 0, 1, 10, 1, 3)");

    EXPECT_EQ(filas("SELECT DENOMINACION_SALA, COD_INCAA, PV, CANT, PB, round(IMPDETER, 6), CUIT, PERIODO, SECUENCIA "
                    "FROM [708DetalledeSalas] ORDER BY PV"),
              (QStringList{"Sala Uno|000123|5.5|100|5,0000|50|30-70845123-9|200403|0",
                           "Sala Uno|000123|10|3|9,0909|2.72727|30-70845123-9|200403|0"}));
}

TEST_F(Consultas, AgrupacionDeIngresosPorRangoDeConcepto)
{
    for (const auto& [concepto, importe] : {std::pair{100, 1000.0}, {108, 50.0}, {109, 200.0}, {115, 1.5},
                                            {116, 300.0}, {117, 10.0}, {118, 7.0}, {120, 3.0}}) {
        sesion.base.prepare(QStringLiteral("INSERT INTO [617LicenciasIngresoConceptos] (CUIT, Periodo, Secuencia, "
                                           "ImpServicio, CodigoLicencia, Concepto, FacturacionBruta) "
                                           "VALUES ('20-12345678-6', 200403, 0, 306, 1, ?, ?)"))
            .bindAll(concepto, importe)
            .run();
    }
    EXPECT_EQ(filas("SELECT * FROM [617ConsAgrupIngresos]"),
              QStringList{"1050|201.5|310|10|1571.5|20-12345678-6|200403|0|306|1"});
}

TEST_F(Consultas, ImpresionYRegistro7AplicanAlicuotaYExenciones)
{
    // Service type 1 is open television at 8 %.
    ejecutar("INSERT INTO [617Licencias] (CUIT, Periodo, Secuencia, ImpServicio, CodigoLicencia, TipoServicio) "
             "VALUES ('20-12345678-6', 200403, 0, 306, 7, 1)");
    ejecutar("INSERT INTO [617LicenciasIngresoConceptos] (CUIT, Periodo, Secuencia, ImpServicio, CodigoLicencia, "
             "Concepto, FacturacionBruta) VALUES ('20-12345678-6', 200403, 0, 306, 7, 100, 1000), "
             "('20-12345678-6', 200403, 0, 306, 7, 110, 250)");
    ejecutar("INSERT INTO [617LicenciasTotalLicencias] (CUIT, Periodo, Secuencia, ImpServicio, CodigoLicencia, "
             "DescuentosBonificaciones, ExencionesOtorgadas, ImporteExentoIngresar) "
             "VALUES ('20-12345678-6', 200403, 0, 306, 7, 250, 2, 30)");

    EXPECT_EQ(filas("SELECT Publicidad, Abonos, Programas, OtrosConceptos, FacBruta, DescuentosBonificaciones, "
                    "ImpIngresar, ImporteExentoIngresar, TotalAPagar, CUIT, Periodo, Secuencia, ImpServicio, "
                    "VigenciaDesde, VigenciaHasta FROM [617ImpresionDDJJ]"),
              QStringList{"1000|250|0|0|1250|250|80|30|50|20-12345678-6|200403|0|306|1981-01-01|2099-12-31"});
    EXPECT_EQ(filas("SELECT * FROM [617Registro7]"),
              QStringList{"20-12345678-6|200403|0|306|1250|250|1000|80|0|30|0|50"});
}

TEST_F(Consultas, LicenciasConSuDetalle)
{
    ejecutar("INSERT INTO [617Licencias] (CUIT, Periodo, Secuencia, ImpServicio, CodigoLicencia, ApellidoNombre, "
             "InicioActividades) VALUES ('20-12345678-6', 200403, 0, 306, 7, 'Canal Siete', '1999-05-01')");
    ejecutar("INSERT INTO [617LicenciasDetalle] (CUIT, Periodo, Secuencia, ImpServicio, CodigoLicencia, "
             "NroDecreto, FechaNroDecreto) VALUES ('20-12345678-6', 200403, 0, 306, 7, 1234, '1998-12-30')");
    EXPECT_EQ(filas("SELECT Expr1, Expr5, Expr6, Expr9, Expr14, Expr15 FROM [617ConsultaLicencias]"),
              QStringList{"20-12345678-6|7|Canal Siete|1999-05-01|1234|1998-12-30"});
}

}  // namespace
