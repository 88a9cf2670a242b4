#include "exportacion/exportacion_de_prueba.h"
#include "support/archivos.h"

using namespace veluma;

namespace {

// The files tests/data/exportacion/<form>/ holds are those the export of the form's small declaration writes, byte
// for byte (BOM, CRLF, quoting, decimal commas), in the order of its sheets.
struct CasoCsv {
    test::DeclaracionExportada declaracion;
    QStringList hojas;
};

void PrintTo(const CasoCsv& caso, std::ostream* salida) { *salida << caso.declaracion.nombre; }

class ExportacionCsv : public test::ExportacionDePrueba, public ::testing::WithParamInterface<CasoCsv> {};

TEST_P(ExportacionCsv, CadaHojaEnSuArchivoConLosBytesEsperados)
{
    GetParam().declaracion.preparar(sesion);
    const QString esperados = QStringLiteral(VELUMA_DATOS_PRUEBA "/exportacion/") + GetParam().declaracion.nombre;
    QStringList escritos;
    for (const QString& hoja : GetParam().hojas)
        escritos += ruta("DDJJ-" + hoja + ".CSV");
    // The extension in any case.
    EXPECT_EQ(exportarDeclaracion(sesion, ruta("DDJJ.CSV")), escritos);
    for (const QString& hoja : GetParam().hojas) {
        SCOPED_TRACE(hoja.toStdString());
        EXPECT_EQ(test::leerArchivo(ruta("DDJJ-" + hoja + ".CSV")).toStdString(),
                  test::leerArchivo(esperados + "/DDJJ-" + hoja + ".csv").toStdString());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Formularios, ExportacionCsv,
    ::testing::Values(CasoCsv{{"F708", test::declaracion708}, {"Salas", "Entradas", "Pagos a cuenta", "Liquidación"}},
                      CasoCsv{{"F618", test::declaracionDeReferencia618}, {"Ingresos", "Percepciones", "Liquidación"}},
                      CasoCsv{{"F617", test::declaracion617},
                              {"Socios", "Licencias", "Detalle de licencias", "Conceptos", "Totales por licencia",
                               "Liquidación"}}),
    [](const auto& caso) { return std::string(caso.param.declaracion.nombre); });

}  // namespace
