#include "f617/interfaz_617.h"
#include "f617/liquidacion_617.h"
#include "f617/socios_617.h"
#include "support/declaracion_617.h"
#include "support/filas.h"
#include "support/formulario_de_prueba.h"

#include <functional>

using namespace veluma;

namespace {

using Formulario617Registros = test::FormularioDePrueba<Liquidacion617, cls617Interfaz>;

// A television declaration that generates: partners to 100 %, one licence with detail, concept and totals.
void declaracionMinima(Sesion& sesion, int periodo, int secuencia = 0)
{
    test::crearDeclaracion617(sesion, periodo, 306, secuencia);
    test::agregarSocio617(sesion, QStringLiteral("Único Socio"), QStringLiteral("20-12345678-6"), 100);
    const qint64 licencia = test::agregarLicencia617(sesion, QStringLiteral("Canal Uno"), 1);
    test::guardarActo617(sesion, licencia, 2, 123, QDate(2001, 1, 2));
    test::agregarConcepto617(sesion, licencia, 100, 1000);
    test::guardarTotales617(sesion, licencia, 0);
}

}  // namespace

TEST_F(Formulario617Registros, LaDeclaracionDeReferenciaDaElArchivoEsperadoYSusNombres)
{
    test::declaracionDeReferencia617(sesion);
    ASSERT_TRUE(generar()) << mensajes.mensajes.join('|').toStdString();
    EXPECT_EQ(test::leerArchivo(rutaRegistros()), test::leerArchivo(VELUMA_DATOS_PRUEBA "/F0617_esperado.dat"));
    // One header, two partners, three records for each of the three licences with detail, eight concepts, three
    // closing records.
    EXPECT_EQ(QStringLiteral("%1 %2 %3")
                  .arg(interfaz->CantidadRegistros)
                  .arg(interfaz->ArchivoSalidaDKT, interfaz->ArchivoSalidaCD),
              "23 523374F0617.dat 523374F06173070451826520050500.dat");
    // The licence without a totals row got its row of zeros; nothing else was written.
    EXPECT_EQ(test::filasDeConsulta(sesion.base,
                                    "SELECT CodigoLicencia, DescuentosBonificaciones FROM "
                                    "[617LicenciasTotalLicencias] ORDER BY CodigoLicencia"),
              QStringList({"1|500", "2|0", "3|0", "4|0"}));
}

TEST_F(Formulario617Registros, CadaFaltaDetieneLaGeneracionConSuMotivoYNoDejaArchivo)
{
    struct Caso {
        std::function<void(Sesion&)> preparar;
        QString motivo;
    };
    const auto cambiar = [](const char* sql) {
        return [sql](Sesion& sesion) { sesion.base.execute(QString::fromUtf8(sql)); };
    };
    const Caso casos[] = {
        {cambiar("UPDATE [617CompSocietaria] SET Porcentaje = 90"),
         QStringLiteral("No se ha completado el 100 % de la Composición Societaria.")},
        {cambiar("DELETE FROM [617CompSocietaria]"),
         QStringLiteral("No tiene ingresado la Composición Societaria.\n\r")},
        {cambiar("UPDATE [617LicenciasDetalle] SET NroDecreto = 0, FechaNroDecreto = NULL"),
         QStringLiteral("Falta ingresar el Detalle de la Licencia \r\nCanal Uno                               .\r\n")},
        {cambiar("DELETE FROM [617LicenciasDetalle]"), QStringLiteral("No tiene ingresado Detalle de Licencias.\n\r")},
        {cambiar("DELETE FROM [617LicenciasIngresoConceptos]"),
         QStringLiteral("No tiene ingresado Conceptos por Licencia.\n\r")},
        // Its tax could not be told: the file would declare less than the licences it lists.
        {cambiar("DELETE FROM [617LicenciasTotalLicencias]"),
         QStringLiteral("La licencia 1 (Canal Uno) no tiene cargado su Total por Licencias.\n\r")},
    };
    int periodo = 200501;
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.motivo.toStdString());
        sesion.base.execute(
            QStringLiteral("DELETE FROM [617CompSocietaria]; DELETE FROM [617Licencias]; "
                           "DELETE FROM [617LicenciasDetalle]; DELETE FROM [617LicenciasIngresoConceptos]; "
                           "DELETE FROM [617LicenciasTotalLicencias]"));
        declaracionMinima(sesion, periodo++);
        caso.preparar(sesion);
        mensajes.mensajes.clear();
        EXPECT_FALSE(generar());
        EXPECT_EQ(mensajes.mensajes, fallo(caso.motivo));
        EXPECT_FALSE(QFile::exists(rutaRegistros()));
    }

    // A sequence of two digits makes the header one character too long.
    declaracionMinima(sesion, 200601, 10);
    mensajes.mensajes.clear();
    EXPECT_FALSE(generar());
    EXPECT_EQ(mensajes.mensajes, fallo(QStringLiteral("La longitud del Registro 01 es incorrecta.\r\n")));
}
