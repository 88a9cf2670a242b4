#include "declarations/formulario.h"
#include "declarations/registro_formularios.h"
#include "f617/licencias_617.h"
#include "f708/salas.h"
#include "formularios_instalados.h"
#include "intercambio/exportacion.h"
#include "intercambio/importacion.h"
#include "support/declaracion_617.h"
#include "support/declaracion_618.h"
#include "support/declaracion_708.h"
#include "support/filas.h"
#include "support/sesion_de_prueba.h"

#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using namespace veluma;

namespace {

// A declaration exported to CSV, then its section of many lines imported into a new declaration of the same
// period with the same rooms or licences (a rectifying one, or another institute's).
struct IdaYVuelta {
    const char* hoja;
    std::function<void(Sesion&)> original;
    std::function<void(Sesion&, const ClaveDDJJ& original)> nueva;
    // The section's rows of one declaration, in an order and with the names both share; %1 tells which.
    const char* filas;
    QString cualOriginal, cualNueva;
};

class ExportadoEImportado : public test::SesionDePrueba {};

}  // namespace

TEST_F(ExportadoEImportado, LasFilasImportadasSonLasExportadas)
{
    registrarFormularios();
    const std::vector<IdaYVuelta> casos = {
        {"Entradas", [](Sesion& s) { test::declaracionDeReferencia708(s); },
         [](Sesion& s, const ClaveDDJJ& original) {
             s.declaracion.secuencia = 1;
             test::crearDeclaracion708(s);
             for (const Sala& sala : cls708Salas::GetAll(s.base, original, "DENOMINACION_SALA", "ASC"))
                 test::agregarSala708(s, sala.denominacion, sala.domicilio, sala.codigoINCAA);
         },
         "SELECT s.COD_INCAA, i.NRO_SEMANA, i.PRECIO_VENTA, i.CANT_ENTRADAS_POR_PRECIO_VENTA "
         "FROM [708ImpuestoDeterminado] i JOIN [708Salas] s USING (CUIT, PERIODO, SECUENCIA, COD_SALA) "
         "WHERE i.SECUENCIA=%1 ORDER BY 1, 2, 3",
         "0", "1"},
        {"Ingresos", [](Sesion& s) { test::declaracionDeReferencia618(s); },
         [](Sesion& s, const ClaveDDJJ&) { test::crearDeclaracion618(s, 200402, QStringLiteral("Otro")); },
         "SELECT TipoIngreso, Dia, NetoCobrado, TotalCobrado FROM [618Ingresos] WHERE CodInstituto %1 "
         "ORDER BY 1, 2",
         "<> 'Otro'", "= 'Otro'"},
        {"Conceptos", [](Sesion& s) { test::declaracionDeReferencia617(s); },
         [](Sesion& s, const ClaveDDJJ& original) {
             test::crearDeclaracion617(s, 200505, 306, 1);
             for (const FilaLicencia& licencia :
                  cls617Licencias::CargarGrilla(s.base, original, OrdenLicencias::Codigo))
                 test::agregarLicencia617(s, licencia.razonSocial, licencia.tipoServicio);
         },
         "SELECT l.ApellidoNombre, l.TipoServicio, c.Concepto, c.FacturacionBruta FROM [617LicenciasIngresoConceptos] "
         "c "
         "JOIN [617Licencias] l USING (Cuit, Periodo, Secuencia, ImpServicio, CodigoLicencia) WHERE c.Secuencia=%1 "
         "ORDER BY 1, 3",
         "0", "1"},
    };
    for (const IdaYVuelta& caso : casos) {
        SCOPED_TRACE(caso.hoja);
        caso.original(sesion);
        const ClaveDDJJ original = sesion.declaracion;
        QTemporaryDir carpeta;
        exportarDeclaracion(sesion, carpeta.filePath("declaracion.csv"));
        caso.nueva(sesion, original);

        const Importacion importacion(
            buscarFormulario(original.formulario)->importador(sesion),
            leerArchivoCsv(carpeta.filePath(QStringLiteral("declaracion-%1.csv").arg(caso.hoja))));
        EXPECT_EQ(importacion.impedimento(), QString());
        importacion.importar(sesion.base, false);
        const QStringList exportadas = test::filasDeConsulta(sesion.base, QString(caso.filas).arg(caso.cualOriginal));
        EXPECT_FALSE(exportadas.isEmpty());
        EXPECT_EQ(test::filasDeConsulta(sesion.base, QString(caso.filas).arg(caso.cualNueva)), exportadas);
    }
}
