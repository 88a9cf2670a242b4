#include "pantallas/contexto_ayuda.h"
#include "pantallas/pantalla_de_prueba.h"
#include "support/declaracion_618.h"

#include <QLineEdit>
#include <QTemporaryDir>
#include <QToolButton>

using namespace veluma;

namespace {

class PantallaExportar : public test::PantallaDePrueba {
protected:
    // Answers the next save dialog with `nombre` in the test folder and the
    // filter `filtro`; nothing when empty.
    void responderDialogo(const QString& nombre, const QString& filtro)
    {
        test::alAparecerModalDe<QFileDialog>([=, this](QFileDialog* dialogo) {
            vistos += dialogo->windowTitle() + '|' + dialogo->nameFilters().join(',') + '|'
                      + QString::number(contextoAyudaDe(dialogo));
            if (nombre.isEmpty()) {
                dialogo->reject();
                return;
            }
            dialogo->setDirectory(carpeta.path());
            dialogo->selectNameFilter(filtro);
            test::hijo<QLineEdit>(*dialogo, "fileNameEdit")->setText(nombre);
            static_cast<QDialog*>(dialogo)->accept();
        });
    }
    // Presses the button with its access key, and waits for the dialog to be
    // answered.
    void exportarConElTeclado()
    {
        const qsizetype antes = vistos.size();
        // The window is active again after the dialog before, as the user would find it.
        pantalla->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(pantalla));
        QTest::keyClick(pantalla, Qt::Key_X, Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor([&] { return vistos.size() > antes; }));
        QTest::qWait(50);
    }

    QTemporaryDir carpeta;
    QStringList vistos;
};

TEST_F(PantallaExportar, ElBotonExportaLaDeclaracionElegidaYDiceQueEscribio)
{
    test::declaracionDeReferencia618(sesion);
    abrir(618);
    EXPECT_EQ(control<QToolButton>("cmdExportar")->text(), QStringLiteral("E&xportar…"));
    EXPECT_EQ(botones({"cmdNuevo", "cmdEliminar", "cmdExportar", "cmdAceptar"}), "NEE-");

    const QString base = QDir(carpeta.path()).filePath("Febrero");
    const auto escritos = [&](const QStringList& hojas) {
        QString texto = "Información: La Declaración Jurada se exportó en:";
        for (const QString& hoja : hojas)
            texto += '\n' + QDir::toNativeSeparators(base + hoja);
        return texto;
    };
    // The chosen filter's extension is added; one typed is kept, whatever the
    // filter.
    responderDialogo("Febrero", "Archivos CSV (*.csv)");
    exportarConElTeclado();
    EXPECT_EQ(avisos(), escritos({"-Ingresos.csv", "-Percepciones.csv", "-Liquidación.csv"}));
    responderDialogo("Febrero.XLSX", "Archivos CSV (*.csv)");
    exportarConElTeclado();
    EXPECT_EQ(avisos(), escritos({".XLSX"}));
    responderDialogo("", "");
    exportarConElTeclado();
    EXPECT_EQ(avisos(), "");
    EXPECT_EQ(vistos, QStringList(3,
                                  "Exportar la Declaración Jurada|Libro de "
                                  "Excel (*.xlsx),Archivos CSV (*.csv)|41"));
    // The list keeps the focus for when the window is active again.
    EXPECT_EQ(pantalla->focusWidget()->objectName(), "GridDDJJ");

    // A failure is told with the error message, and nothing is written.
    ASSERT_TRUE(QDir(carpeta.path()).mkpath("Malo-Ingresos.csv"));
    responderDialogo("Malo", "Archivos CSV (*.csv)");
    exportarConElTeclado();
    EXPECT_EQ(avisos(),
              textoMensajeError("No se pudo escribir el archivo \""
                                    + QDir::toNativeSeparators(QDir(carpeta.path()).filePath("Malo-Ingresos.csv"))
                                    + "\". Verifique que la carpeta exista, que tenga permiso "
                                      "para escribir "
                                      "en ella y que haya espacio en el disco.",
                                75)
                  .prepend(tituloPrograma() + ": "));
    EXPECT_FALSE(QFileInfo::exists(QDir(carpeta.path()).filePath("Malo-Percepciones.csv")));
}

}  // namespace
