#include "printing/pantallas/frm_impresion.h"
#include "printing/documento/reporte_armado.h"
#include "reporte_de_prueba.h"
#include "support/modal.h"
#include "support/archivos.h"
#include "support/controles.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using namespace veluma;
using veluma::test::kCuit;

namespace {

// Each frmMensaje shown, as "title: text", closed as soon as it shows.
class AvisosVistos : public QObject {
public:
    AvisosVistos() { qApp->installEventFilter(this); }
    QStringList vistos;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override
    {
        if (evento->type() == QEvent::Show && objeto->objectName() == QLatin1String("frmMensaje")) {
            auto* aviso = static_cast<QDialog*>(objeto);
            vistos += aviso->windowTitle() + QStringLiteral(": ")
                + aviso->findChild<QLabel*>(QStringLiteral("lblMensaje"))->text();
            QTimer::singleShot(0, aviso, &QDialog::accept);
        }
        return false;
    }
};

class PantallaImpresion : public veluma::test::ReporteDePrueba {
protected:
    void SetUp() override
    {
        ReporteDePrueba::SetUp();
        declaracion(kCuit, 200405, 0, 618, "PRIMERA");
    }

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

    static void esperarBotones() { QTest::qWait(frmImpresion::kEsperaBotonesMs + 400); }
    static bool lista(QWidget& p) { return QTest::qWaitFor([&] { return boton(p, "cmdImprimir")->isEnabled(); }, 10000); }
    static QToolButton* boton(QWidget& pantalla, const char* nombre)
    {
        return veluma::test::hijo<QToolButton>(pantalla, nombre);
    }

    // Imprimir, Guardar PDF, Salir: I, P, S when enabled.
    static QString habilitados(QWidget& pantalla)
    {
        QString letras;
        for (const auto& [nombre, letra] : {std::pair{"cmdImprimir", 'I'}, {"cmdPdf", 'P'}, {"cmdSalir", 'S'}})
            letras += boton(pantalla, nombre)->isEnabled() ? QLatin1Char(letra) : QLatin1Char('-');
        return letras;
    }

    static int hojas(QWidget& pantalla) { return pantalla.findChild<QPrintPreviewWidget*>()->pageCount(); }
};

}  // namespace

TEST_F(PantallaImpresion, LosBotonesDespiertanAlSegundoYElReporteSeLeeUnaSolaVez)
{
    auto pantalla = abrir();
    EXPECT_EQ(pantalla->windowTitle(), "Reporte de prueba");
    EXPECT_EQ(habilitados(*pantalla), "---");
    QTest::qWait(frmImpresion::kEsperaBotonesMs / 2);
    EXPECT_EQ(hojas(*pantalla), 1);
    EXPECT_EQ(habilitados(*pantalla), "---");
    esperarBotones();
    EXPECT_EQ(habilitados(*pantalla), "IPS");

    // Rows enough for several pages now: shown or activated again, the screen keeps what it read.
    for (int i = 0; i < 150; ++i)
        declaracion(kCuit, 200405, 0, 618, QStringLiteral("FILA-%1").arg(i));
    pantalla->hide();
    pantalla->show();
    pantalla->activateWindow();
    QTest::qWait(200);
    EXPECT_EQ(hojas(*pantalla), 1);
    pantalla = abrir();
    QTest::qWait(200);
    EXPECT_GT(hojas(*pantalla), 1);
}

TEST_F(PantallaImpresion, ImprimirTerminaConElAvisoOConLaAtencionSegunElResultado)
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
    AvisosVistos avisos;
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.resultado);
        avisos.vistos.clear();
        mensajes.mensajes.clear();
        QStringList impresos;
        auto pantalla = abrir([&](const ReporteArmado& reporte) {
            impresos += reporte.titulo() + QStringLiteral(", %1 hoja").arg(paginas(reporte));
            return caso.resultado;
        });
        ASSERT_TRUE(lista(*pantalla));
        boton(*pantalla, "cmdImprimir")->click();
        EXPECT_EQ(impresos, QStringList{"Reporte de prueba, 1 hoja"});
        EXPECT_EQ(avisos.vistos, caso.avisos);
        EXPECT_EQ(mensajes.mensajes, caso.mensajes);
        EXPECT_TRUE(pantalla->isVisible());
    }
}

// A folder removed once chosen: the PDF cannot be written and the user is told. A PDF saved through this dialog is
// read back in the typical Form 708 request.
TEST_F(PantallaImpresion, GuardarPdfAvisaQueNoPudo)
{
    auto pantalla = abrir();
    ASSERT_TRUE(lista(*pantalla));
    QTemporaryDir salida;
    const QString carpeta = salida.filePath("quitada");
    ASSERT_TRUE(QDir().mkdir(carpeta));
    veluma::test::alAparecerModalDe<QFileDialog>([&](QFileDialog* dialogo) {
        dialogo->setDirectory(carpeta);
        // Typed as a user would: selectFile() leaves a focused name field alone.
        dialogo->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText("listado.pdf");
        static_cast<QDialog*>(dialogo)->accept();
        QDir(carpeta).removeRecursively();
    });
    boton(*pantalla, "cmdPdf")->click();
    EXPECT_EQ(mensajes.mensajes, QStringList{"Atención: No se pudo guardar el archivo PDF " + carpeta
                                             + "/listado.pdf: la carpeta " + carpeta + " no existe."});
    EXPECT_EQ(veluma::test::archivosEn(salida.path()), QStringList());
}

TEST_F(PantallaImpresion, SinPlantillaAvisaElErrorYSoloDejaSalir)
{
    auto pantalla = abrir(nuncaImprime, "NoEsta.rpt");
    esperarBotones();
    EXPECT_EQ(mensajes.mensajes, QStringList{"Veluma: Ha ocurrido el error 53 con la siguiente descripción : \r\n"
                                             "No se encuentra el archivo del reporte "
                                             + sesion.instalacion.carpetaPrograma() + "/NoEsta.rpt."});
    EXPECT_EQ(habilitados(*pantalla), "--S");
    EXPECT_EQ(hojas(*pantalla), 0);
}
