#include "core/clave.h"
#include "core/error.h"
#include "core/esquema.h"
#include "pantallas/frm_mensaje.h"
#include "printing/configuracion_reporte.h"
#include "printing/documento/reporte_armado.h"
#include "printing/formulas.h"
#include "printing/pantallas/frm_impresion.h"
#include "printing/reporte.h"
#include "printing/seleccion.h"
#include "support/archivos.h"
#include "support/controles.h"
#include "support/errores.h"
#include "support/filas.h"
#include "support/modal.h"
#include "support/sesion_de_prueba.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace veluma;

namespace {

const QString kCuit = QStringLiteral("30-70451826-5");

// Reports of the test templates (tests/data/plantillas), copied into the program folder, read or shown on the
// print screen; the session holds a Form 618 declaration of May 2004.
class Reporte : public veluma::test::SesionDePrueba {
protected:
    void SetUp() override
    {
        SesionDePrueba::SetUp();
        declaracion(kCuit, 200405, 0, 618, "PRIMERA");
    }

    ConfiguracionReporte configurar(const QString& plantilla, const QString& seleccion)
    {
        QFile::copy(QStringLiteral(VELUMA_DATOS_PRUEBA "/plantillas/") + plantilla,
                    sesion.instalacion.carpetaPrograma() + QLatin1Char('/') + plantilla);
        ConfiguracionReporte configuracion = ConfiguracionReporte::deSesion(sesion, plantilla);
        configuracion.formulaSeleccion = seleccion;
        configuracion.titulo = QStringLiteral("Reporte de prueba");
        return configuracion;
    }

    static QString seleccionDDJJ(QString cuit, int periodo, int secuencia, int formulario)
    {
        return QStringLiteral("{DDJJ.CUIT} = '%1' and {DDJJ.PERIODO} = %2 and {DDJJ.SECUENCIA} = %3 and "
                              "{DDJJ.FORMULARIO} = %4")
            .arg(cuit.replace(QLatin1Char('\''), QLatin1String("''")))
            .arg(periodo)
            .arg(secuencia)
            .arg(formulario);
    }

    void declaracion(const QString& cuit, int periodo, int secuencia, int formulario, const QString& campo1)
    {
        sesion.base
            .prepare("INSERT INTO DDJJ (CUIT, PERIODO, SECUENCIA, FORMULARIO, CAMPO1, HORA) "
                     "VALUES (?, ?, ?, ?, ?, '2004-06-01 10:00:00')")
            .bindAll(cuit, periodo, secuencia, formulario, campo1).run();
    }

    void sala(const QString& cuit, int periodo, int secuencia, int codigo, const QString& denominacion)
    {
        sesion.base
            .prepare("INSERT INTO \"708Salas\" (CUIT, PERIODO, SECUENCIA, COD_SALA, DENOMINACION_SALA, DOMICILIO_SALA, "
                     "COD_INCAA) VALUES (?, ?, ?, ?, ?, ?, ?)")
            .bindAll(cuit, periodo, secuencia, codigo, denominacion, QStringLiteral("Calle %1").arg(codigo),
                     QStringLiteral("%1").arg(codigo, 6, 10, QLatin1Char('0')))
            .run();
    }

    QString html(const ConfiguracionReporte& configuracion) { return htmlDelReporte(configuracion, sesion.base); }

    std::unique_ptr<frmImpresion> abrir(frmImpresion::Impresora impresora = nuncaImprime,
                                        const QString& plantilla = QStringLiteral("ListadoDDJJ.rpt"))
    {
        ConfiguracionReporte configuracion = configurar(plantilla, seleccionDDJJ(kCuit, 200405, 0, 618));
        configuracion.PonerFormulas({{"Titulo", "Listado en pantalla"}});
        auto pantalla = std::make_unique<frmImpresion>(configuracion, sesion.base, mensajes, nullptr, impresora);
        pantalla->show();
        return pantalla;
    }

    static int nuncaImprime(const ReporteArmado&)
    {
        ADD_FAILURE() << "no debía imprimir";
        return kImpresionFallida;
    }

    static bool lista(QWidget& p) { return QTest::qWaitFor([&] { return boton(p, "cmdImprimir")->isEnabled(); }, 10000); }
    static QWidget* boton(QWidget& pantalla, const char* nombre) { return veluma::test::hijo(pantalla, nombre); }

    // Imprimir, Guardar PDF, Salir: I, P, S when enabled.
    static QString habilitados(QWidget& pantalla)
    {
        QString letras;
        for (const auto& [nombre, letra] : {std::pair{"cmdImprimir", 'I'}, {"cmdPdf", 'P'}, {"cmdSalir", 'S'}})
            letras += boton(pantalla, nombre)->isEnabled() ? QLatin1Char(letra) : QLatin1Char('-');
        return letras;
    }
};

}  // namespace

TEST(FormulasDelReporte, SeLimpianSePonenDesdeCeroYSeLeenPorNombreHastaElUltimoApostrofe)
{
    ConfiguracionReporte configuracion;
    configuracion.LimpiarFormulas();
    configuracion.Formula(2, "Anterior='queda borrada'");
    configuracion.Formula(7, "Lejana='sigue'");
    configuracion.PonerFormulas({{"Razon", "O'Higgins & Cía."}, {"Periodo", "05/2004"}});
    EXPECT_EQ(configuracion.formulas().at(0), "Razon='O'Higgins & Cía.'");
    EXPECT_EQ(configuracion.formulas().at(2), "");
    configuracion.Formula(50, "Periodo='06/2004'");  // a repeated name: the highest index wins
    const std::map<QString, QString> esperadas{
        {"Razon", "O'Higgins & Cía."}, {"Periodo", "06/2004"}, {"Lejana", "sigue"}};
    EXPECT_EQ(valoresDeFormulas(configuracion.formulas()), esperadas);

    EXPECT_THROW(configuracion.Formula(-1, "A='1'"), Error);

    using Par = std::pair<QString, QString>;
    QList<std::optional<Par>> leidas;
    for (const char* formula : {"Razon='D''Amico'", "Nota='a='b'", "Vacia=''", "", "Sin='cierre", "='x'", "Suelta=x",
                                "Abierta='"})
        leidas += leerFormula(QString::fromUtf8(formula));
    EXPECT_EQ(leidas, QList<std::optional<Par>>(
                          {Par("Razon", "D''Amico"), Par("Nota", "a='b"), Par("Vacia", ""), {}, {}, {}, {}, {}}));
}

TEST(FormulaDeSeleccion, LeeTextosConApostrofesYNumerosYDiceDondeFallaLoMalFormado)
{
    const std::vector<CondicionSeleccion> esperadas{
        {"DDJJ", "CUIT", QStringLiteral("30-7045'826-5")},
        {"DDJJ", "PERIODO", qint64(200405)},
        {"708Salas", "PRECIO", -12.5},
        {"DDJJ", "CAMPO1", QStringLiteral("y and {x.y} = 1")},
    };
    EXPECT_EQ(leerSeleccion("{DDJJ.CUIT} = '30-7045''826-5' AND {DDJJ.PERIODO}=200405\n\tand "
                            "{ 708Salas . PRECIO } = -12.5 And {DDJJ.CAMPO1} = 'y and {x.y} = 1'  "),
              esperadas);
    EXPECT_TRUE(leerSeleccion("   ").empty());

    const std::vector<std::pair<const char*, int>> casos{
        {"{DDJJ.CUIT} = '30-7045''826-5", 15},   {"{DDJJ.CUIT = 1", 1},
        {"{A.B.C} = 1", 1},                      {"{DDJJ.CUIT} 1", 13},
        {"{DDJJ.CUIT} = 1 or {DDJJ.CUIT} = 2", 17}, {"{DDJJ.CUIT} = 1 and{DDJJ.CUIT} = 2", 20},
        {"{DDJJ.PERIODO} = 2004x", 18},          {"{DDJJ.PERIODO} = 99999999999999999999", 18},
    };
    const QString invalida = QStringLiteral("5: La fórmula de selección no es válida en la posición %1: %2");
    for (const auto& [formula, posicion] : casos) {
        const QString texto = QString::fromUtf8(formula);
        EXPECT_EQ(veluma::test::errorDe([&] { leerSeleccion(texto); }), invalida.arg(posicion).arg(texto));
    }
}

// Only the rows of the declaration chosen, and the formulas' values escaped; the PDF is checked where the screen
// saves it.
TEST_F(Reporte, ListadoConFormulasYSoloLasFilasDeLaDeclaracionDelArchivoDeDatosOLaClave)
{
    const QString cuit = QStringLiteral("30-7045'826-5");
    declaracion(cuit, 200405, 0, 618, "INSTITUTO-77");
    declaracion(cuit, 200406, 0, 618, "OTRO-PERIODO");
    declaracion(cuit, 200405, 1, 618, "RECTIFICATIVA");
    ConfiguracionReporte configuracion = configurar("ListadoDDJJ.rpt", seleccionDDJJ(cuit, 200405, 0, 618));
    configuracion.PonerFormulas({{"Razon", "O'Higgins & Cía <SA>"}});
    const QString texto = html(configuracion);
    EXPECT_TRUE(texto.contains("O&apos;Higgins &amp; Cía &lt;SA&gt;")) << texto.toStdString();
    EXPECT_TRUE(texto.contains("INSTITUTO-77"));
    for (const char* ajeno : {"OTRO-PERIODO", "RECTIFICATIVA", "PRIMERA"})  // the last one, of another CUIT
        EXPECT_FALSE(texto.contains(QString::fromUtf8(ajeno))) << ajeno;

    // Another data file is opened with the connection's key.
    QTemporaryDir otra;
    CrearBase(otra.path(), "otra.mdb");
    Database::open(otra.filePath("otra.mdb"), contrasenaBase())
        .prepare("INSERT INTO DDJJ (CUIT, PERIODO, SECUENCIA, FORMULARIO, CAMPO1) VALUES (?, 200405, 0, 618, ?)")
        .bindAll(kCuit, "DE-OTRO-ARCHIVO").run();
    ConfiguracionReporte deOtroArchivo = configurar("ListadoDDJJ.rpt", seleccionDDJJ(kCuit, 200405, 0, 618));
    deOtroArchivo.archivoDatos = otra.filePath("otra.mdb");
    deOtroArchivo.contrasena.clear();
    const QString otroTexto = html(deOtroArchivo);
    EXPECT_TRUE(otroTexto.contains("DE-OTRO-ARCHIVO"));
    EXPECT_FALSE(otroTexto.contains("PRIMERA"));  // the session's

    // The rooms carry the declaration's key but not its form: the key picks the rooms, the form only has to match
    // the declaration.
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
    // A stored query, with its amounts as the program shows numbers, is printed by the batch tool's rooms list.
}


TEST_F(Reporte, LoQueNoSePuedeLeerDaUnErrorClaro)
{
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
        EXPECT_EQ(veluma::test::errorDe([&] { html(configurar(caso.plantilla, caso.seleccion)); }), caso.error);
    }
    EXPECT_EQ(veluma::test::filasDeConsulta(sesion.base, "SELECT CAMPO1 FROM DDJJ"), QStringList{"PRIMERA"});
}

TEST_F(Reporte, ImprimirTerminaConElAvisoOConLaAtencionSegunElResultado)
{
    const QStringList finalizada{"Información: Impresión finalizada."};
    const struct {
        int resultado;
        QStringList avisos, mensajes;
    } casos[] = {
        {kImpresionCorrecta, finalizada, {}},
        {kImpresionTerminada, finalizada, {}},
        {kImpresionFallida,
         {},
         {"Atención: Ha ocurrido un error al imprimir por favor verifique la configuración de "
          "su impresora."}},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.resultado);
        mensajes.mensajes.clear();
        QStringList impresos;
        auto pantalla = abrir([&](const ReporteArmado& reporte) {
            impresos += reporte.titulo() + QStringLiteral(", %1 hoja").arg(paginas(reporte));
            return caso.resultado;
        });
        ASSERT_TRUE(lista(*pantalla));
        // The notice, as "title: text"; it closes itself, and is closed here sooner. Shared: the wait outlives a
        // round without one.
        auto avisos = std::make_shared<QStringList>();
        veluma::test::alAparecerModalDe<frmMensaje>([avisos](frmMensaje* aviso) {
            *avisos += aviso->windowTitle() + ": " + aviso->findChild<QLabel*>("lblMensaje")->text();
            aviso->accept();
        });
        veluma::test::pulsar(pantalla.get(), "cmdImprimir");
        EXPECT_EQ(impresos, QStringList{"Reporte de prueba, 1 hoja"});
        EXPECT_EQ(*avisos, caso.avisos);
        EXPECT_EQ(mensajes.mensajes, caso.mensajes);
        EXPECT_TRUE(pantalla->isVisible());
    }
}

// A folder removed once chosen: the PDF cannot be written and the user is told. A PDF saved through this dialog is
// read back in the typical Form 618 request.
// The name offered carries the template, the CUIT, the period and the sequence; where the file went is said, and so
// is why it could not be saved.
TEST_F(Reporte, GuardarPdfProponeElNombreYDiceDondeQuedoOQueNoPudo)
{
    auto pantalla = abrir();
    EXPECT_EQ(habilitados(*pantalla), "---");  // until the preview is read
    ASSERT_TRUE(lista(*pantalla));
    EXPECT_EQ(habilitados(*pantalla), "IPS");
    QTemporaryDir salida;
    const QString carpeta = salida.filePath("quitada");
    ASSERT_TRUE(QDir().mkdir(carpeta));
    QString propuesto;
    // Into `destino` under the name offered, or under `nombre` typed as a user would (selectFile() leaves a focused
    // name field alone); `carpeta` is removed once chosen.
    const auto guardar = [&](const QString& destino, const QString& nombre) {
        veluma::test::alAparecerModalDe<QFileDialog>([&](QFileDialog* dialogo) {
            auto* campo = dialogo->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            propuesto = campo->text();
            dialogo->setDirectory(destino);
            campo->setText(nombre.isEmpty() ? propuesto : nombre);
            static_cast<QDialog*>(dialogo)->accept();
            if (destino == carpeta)
                QDir(carpeta).removeRecursively();
        });
        veluma::test::pulsar(pantalla.get(), "cmdPdf");
    };
    guardar(salida.path(), {});
    guardar(carpeta, "listado.pdf");
    EXPECT_EQ(propuesto, "ListadoDDJJ-30704518265-200403-0.pdf");
    EXPECT_EQ(mensajes.mensajes,
              (QStringList{"Información: El archivo PDF se guardó en " + salida.filePath(propuesto) + ".",
                           "Atención: No se pudo guardar el archivo PDF " + carpeta + "/listado.pdf: la carpeta "
                               + carpeta + " no existe."}));
    EXPECT_EQ(veluma::test::archivosEn(salida.path()), QStringList{propuesto});
}

TEST_F(Reporte, SinPlantillaAvisaElErrorYSoloDejaSalir)
{
    auto pantalla = abrir(nuncaImprime, "NoEsta.rpt");
    QTest::qWait(frmImpresion::kEsperaBotonesMs + 400);
    EXPECT_EQ(mensajes.mensajes, QStringList{"Veluma: Ha ocurrido el error 53 con la siguiente descripción : \r\n"
                                             "No se encuentra el archivo del reporte "
                                             + sesion.instalacion.carpetaPrograma() + "/NoEsta.rpt."});
    EXPECT_EQ(habilitados(*pantalla), "--S");
    EXPECT_EQ(pantalla->findChild<QPrintPreviewWidget*>()->pageCount(), 0);
}
