#include "core/clave.h"
#include "core/error.h"
#include "core/esquema.h"
#include "printing/documento/pdf.h"
#include "printing/documento/reporte_armado.h"
#include "printing/reporte.h"
#include "reporte_de_prueba.h"
#include "support/archivos.h"
#include "support/filas.h"

#include <QRegularExpression>
#include <QTemporaryDir>

using namespace veluma;
using veluma::test::kCuit;
using veluma::test::textoDelPdf;

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

TEST_F(Reporte, ListadoConFormulasYSoloLasFilasDeLaDeclaracionLlegaAlPdf)
{
    const QString cuit = QStringLiteral("30-7045'826-5");
    declaracion(cuit, 200405, 0, 618, "INSTITUTO-77");
    declaracion(cuit, 200406, 0, 618, "OTRO-PERIODO");
    declaracion(cuit, 200405, 1, 618, "RECTIFICATIVA");
    declaracion(kCuit, 200405, 0, 618, "OTRO-CUIT");
    ConfiguracionReporte configuracion = configurar("ListadoDDJJ.rpt", seleccionDDJJ(cuit, 200405, 0, 618));
    configuracion.PonerFormulas({{"Titulo", "Listado de prueba"}, {"Razon", "O'Higgins & Cía <SA>"}});
    const QString texto = html(configuracion);
    EXPECT_TRUE(texto.contains("O&apos;Higgins &amp; Cía &lt;SA&gt;")) << texto.toStdString();

    QTemporaryDir salida;
    guardarPdf(ReporteArmado(texto, configuracion.titulo), salida.filePath("listado.pdf"));
    EXPECT_EQ(veluma::test::archivosEn(salida.path()), QStringList{"listado.pdf"});
    const auto pdf = textoDelPdf(salida.filePath("listado.pdf"));
    if (!pdf)
        GTEST_SKIP() << "pdftotext no está instalado";
    for (const char* visto : {"Listado de prueba", "Contribuyente: O'Higgins & Cía <SA>", "30-7045'826-5", "200405",
                              "INSTITUTO-77"})
        EXPECT_TRUE(pdf->contains(QString::fromUtf8(visto))) << visto << "\n" << pdf->toStdString();
    for (const char* ajeno : {"OTRO-PERIODO", "RECTIFICATIVA", "OTRO-CUIT"})
        EXPECT_FALSE(pdf->contains(QString::fromUtf8(ajeno))) << ajeno;
    EXPECT_EQ(pdf->count(QLatin1Char('\f')), 1);
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
    EXPECT_TRUE(html(configurar("DetalleSalas708.rpt", seleccionDDJJ(kCuit, 200405, 0, 708)))
                    .contains("<td>Sala Norte</td><td>1.100,00</td><td>1000</td><td>1000,0000</td><td>100.000,00</td>"));
}

TEST_F(Reporte, UnReporteLargoOcupaVariasHojasYLasMismasEnElPdf)
{
    declaracion(kCuit, 200405, 0, 708, "10");
    for (int codigo = 1; codigo <= 150; ++codigo)
        sala(kCuit, 200405, 0, codigo, QStringLiteral("Sala número %1").arg(codigo));
    const ReporteArmado reporte = armarReporte(configurar("Salas708.rpt", seleccionDDJJ(kCuit, 200405, 0, 708)), sesion.base);
    EXPECT_GE(paginas(reporte), 3);

    QTemporaryDir salida;
    guardarPdf(reporte, salida.filePath("largo.pdf"));
    const auto pdf = textoDelPdf(salida.filePath("largo.pdf"));
    if (!pdf)
        GTEST_SKIP() << "pdftotext no está instalado";
    EXPECT_EQ(pdf->count(QLatin1Char('\f')), paginas(reporte));
    // pdftotext sets a row's cells on one line or on several.
    for (int codigo : {1, 75, 150})
        EXPECT_TRUE(pdf->contains(QRegularExpression(QStringLiteral("\\b%1\\s+Sala número %1\\s+Calle %1\\s")
                                                         .arg(codigo))))
            << codigo;
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
        const char* texto;  // written into the program folder; nothing for a test template or none at all
        const char* seleccion;
        QString error;
    } casos[] = {
        {"NoEsta.rpt", nullptr, "", "53: No se encuentra el archivo del reporte " + carpeta + "NoEsta.rpt."},
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
