#include "core/clave.h"
#include "core/error.h"
#include "core/esquema.h"
#include "printing/reporte.h"
#include "reporte_de_prueba.h"
#include "support/archivos.h"
#include "support/filas.h"

#include <QTemporaryDir>

using namespace veluma;
using veluma::test::kCuit;

namespace {

class Reporte : public veluma::test::ReporteDePrueba {
protected:
    QString html(const ConfiguracionReporte& configuracion) { return htmlDelReporte(configuracion, sesion.base); }

    QString errorDe(const ConfiguracionReporte& configuracion)
    {
        try {
            html(configuracion);
        } catch (const Error& error) {
            return QString::number(error.numero()) + QStringLiteral(": ") + error.descripcion();
        }
        return QStringLiteral("sin error");
    }
};

}  // namespace

// Only the rows of the declaration chosen, and the formulas' values escaped; the PDF is checked where the screen
// saves it.
TEST_F(Reporte, ListadoConFormulasYSoloLasFilasDeLaDeclaracion)
{
    const QString cuit = QStringLiteral("30-7045'826-5");
    declaracion(cuit, 200405, 0, 618, "INSTITUTO-77");
    declaracion(cuit, 200406, 0, 618, "OTRO-PERIODO");
    declaracion(cuit, 200405, 1, 618, "RECTIFICATIVA");
    declaracion(kCuit, 200405, 0, 618, "OTRO-CUIT");
    ConfiguracionReporte configuracion = configurar("ListadoDDJJ.rpt", seleccionDDJJ(cuit, 200405, 0, 618));
    configuracion.PonerFormulas({{"Razon", "O'Higgins & Cía <SA>"}});
    const QString texto = html(configuracion);
    EXPECT_TRUE(texto.contains("O&apos;Higgins &amp; Cía &lt;SA&gt;")) << texto.toStdString();
    EXPECT_TRUE(texto.contains("INSTITUTO-77"));
    for (const char* ajeno : {"OTRO-PERIODO", "RECTIFICATIVA", "OTRO-CUIT"})
        EXPECT_FALSE(texto.contains(QString::fromUtf8(ajeno))) << ajeno;
}

// The rooms carry the declaration's key but not its form: the key picks the
// rooms, the form only has to match the declaration.
TEST_F(Reporte, LaClaveDeDDJJEligeLasFilasYElFormularioDebeCoincidir)
{
    declaracion(kCuit, 200405, 0, 708, "10");
    sala(kCuit, 200405, 0, 1, "Sala Norte");
    sala(kCuit, 200405, 0, 2, "Sala Sur");
    sala(kCuit, 200405, 1, 1, "Sala Rectificada");
    sala("30-50001091-2", 200405, 0, 1, "Sala Ajena");
    const auto salas = [&](const QString& seleccion) {
        const QString texto = html(configurar("Salas708.rpt", seleccion));
        QStringList vistas;
        for (const char* nombre : {"Sala Norte", "Sala Sur", "Sala Rectificada", "Sala Ajena"})
            if (texto.contains(QString::fromUtf8(nombre)))
                vistas += QString::fromUtf8(nombre);
        return vistas.join(',');
    };
    EXPECT_EQ(salas(seleccionDDJJ(kCuit, 200405, 0, 708)), "Sala Norte,Sala Sur");
    EXPECT_EQ(salas(seleccionDDJJ(kCuit, 200405, 0, 617)), "");
    EXPECT_EQ(salas(seleccionDDJJ(kCuit, 200405, 0, 708) + " and {708Salas.COD_SALA} = 2"), "Sala Sur");
    EXPECT_EQ(salas("{708salas.cod_sala} = 1"), "Sala Norte,Sala Rectificada,Sala Ajena");

    // A stored query, with its amounts as the program shows numbers.
    sesion.base
        .prepare("INSERT INTO \"708ImpuestoDeterminado\" (CUIT, PERIODO, SECUENCIA, NRO_SEMANA, PRECIO_VENTA, "
                 "COD_SALA, CANT_ENTRADAS_POR_PRECIO_VENTA) VALUES (?, 200405, 0, 1, 1100.0, 1, 1000)")
        .bindAll(kCuit)
        .run();
    const QString celdas = "<td>Sala Norte</td><td>1.100,00</td><td>1000</td><td>1000,0000</td><td>100.000,00</td>";
    EXPECT_TRUE(html(configurar("DetalleSalas708.rpt", seleccionDDJJ(kCuit, 200405, 0, 708))).contains(celdas));
}

TEST_F(Reporte, OtroArchivoDeDatosSeAbreConLaClaveDeLaConexion)
{
    declaracion(kCuit, 200405, 0, 618, "DE-LA-SESION");
    QTemporaryDir otra;
    CrearBase(otra.path(), "otra.mdb");
    Database::open(otra.filePath("otra.mdb"), contrasenaBase())
        .prepare("INSERT INTO DDJJ (CUIT, PERIODO, SECUENCIA, FORMULARIO, CAMPO1) VALUES (?, 200405, 0, 618, ?)")
        .bindAll(kCuit, "DE-OTRO-ARCHIVO")
        .run();
    ConfiguracionReporte configuracion = configurar("ListadoDDJJ.rpt", seleccionDDJJ(kCuit, 200405, 0, 618));
    configuracion.archivoDatos = otra.filePath("otra.mdb");
    configuracion.contrasena.clear();
    const QString texto = html(configuracion);
    EXPECT_TRUE(texto.contains("DE-OTRO-ARCHIVO"));
    EXPECT_FALSE(texto.contains("DE-LA-SESION"));
}

TEST_F(Reporte, LoQueNoSePuedeLeerDaUnErrorClaro)
{
    declaracion(kCuit, 200405, 0, 618, "X");
    const QString carpeta = sesion.instalacion.carpetaPrograma() + '/';
    const struct {
        const char* plantilla;
        const char* texto;  // written into the program folder; nothing for a test template (a missing one fails on
                            // the print screen)
        const char* seleccion;
        QString error;
    } casos[] = {
        {"SinOrigen.rpt", "<html><body>{{Razon}}</body></html>", "",
         "5: El reporte " + carpeta
             + "SinOrigen.rpt no indica en su primera línea de dónde lee sus datos "
               "(<!-- origen: tabla -->)."},
        {"Abierto.rpt", "<!-- origen: DDJJ -->\n{{#filas}}{{CUIT}}", "",
         "5: El reporte " + carpeta + "Abierto.rpt no es válido: Unclosed section \"filas\" at 22"},
        // Names are looked up before they reach the SQL text.
        {"Intruso.rpt", "<!-- origen: DDJJ\" WHERE 1=1 OR \"x -->\n{{#filas}}{{CUIT}}{{/filas}}", "",
         "1: No existe la tabla o consulta DDJJ\" WHERE 1=1 OR \"x de la que lee el reporte."},
        {"Salas708.rpt", nullptr, "{DDJJ.CUIT\" = 1 OR \"CUIT} = 1",
         "1: La columna DDJJ.CUIT\" = 1 OR \"CUIT de la fórmula de selección no existe."},
        {"Salas708.rpt", nullptr, "{Fantasma.CUIT} = 1", "1: La tabla Fantasma de la fórmula de selección no existe."},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.plantilla);
        if (caso.texto)
            veluma::test::escribirArchivo(carpeta + caso.plantilla, caso.texto);
        EXPECT_EQ(errorDe(configurar(caso.plantilla, caso.seleccion)), caso.error);
    }
    EXPECT_EQ(veluma::test::filasDeConsulta(sesion.base, "SELECT CAMPO1 FROM DDJJ"), QStringList{"X"});
}
