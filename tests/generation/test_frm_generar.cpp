#include "filewin.h"
#include "generation/codificacion.h"
#include "generation/pantallas/frm_generar.h"
#include "support/modal.h"
#include "support/archivos.h"
#include "support/controles.h"
#include "support/instalacion_temporal.h"
#include "support/mensajes_grabados.h"
#include "support/unidades_simuladas.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QInputDialog>
#include <QLabel>
#include <QProgressBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using namespace veluma;
using veluma::test::archivosEn;
using veluma::test::escribirArchivo;
using veluma::test::leerArchivo;

namespace {

const QByteArray kRegistros =
    "01307045182650202403000000000A\n"
    "02000000000000000001uno                 \n"
    "02000000000000000002dos                 \n"
    "02000000000000000003tres                \n"
    "99000005    \r\n";
const QString kFinCorrecto = "Información: El proceso finalizó correctamente.";

// Runs the test with PATH holding only `carpeta`, so only the programs put there can start.
class SoloProgramasDe {
public:
    explicit SoloProgramasDe(const QString& carpeta) : anterior_(qgetenv("PATH"))
    {
        qputenv("PATH", carpeta.toLocal8Bit());
    }
    ~SoloProgramasDe() { qputenv("PATH", anterior_); }

private:
    QByteArray anterior_;
};

// A program that writes its arguments, one a line, into `salida`.
void crearPrograma(const QString& ruta, const QString& salida)
{
    escribirArchivo(ruta, ("#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + salida + "'\n").toUtf8());
    QFile::setPermissions(ruta, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QByteArray esperarArchivo(const QString& ruta)
{
    QElapsedTimer reloj;
    reloj.start();
    while (!QFile::exists(ruta) && reloj.elapsed() < 10000)
        QTest::qWait(20);
    QTest::qWait(50);  // the program may still be writing
    return leerArchivo(ruta);
}

class PantallaGenerar : public ::testing::Test {
protected:
    void SetUp() override
    {
        disquetera = unidades.agregar("USB DISK", 1400000);
        unidades.agregar("OTRO", 1400000);
        disco = unidades.agregar("DISCO", 100000000, false);
        trabajo = DirectorioWindows(instalacion.instalacion());
        ASSERT_FALSE(trabajo.isEmpty());
        escribirArchivo(trabajo + kArchivoRegistros, kRegistros);
        datos.ArchivoTMP = kArchivoRegistros;
        datos.fileDestino = "F6173070451820240300.dat";
        datos.fileDestinoCD = "F617_CD.dat";
        datos.pathOrigen = trabajo;
        datos.cantReg = 5;
    }

    frmGenerar& pantalla()
    {
        if (!pantalla_)
            pantalla_ = std::make_unique<frmGenerar>(instalacion.instalacion(), mensajes, datos, unidades);
        return *pantalla_;
    }

    template <typename T>
    T* control(const QString& nombre)
    {
        return veluma::test::hijo<T>(pantalla(), nombre);
    }

    QString texto(const QString& etiqueta) { return control<QLabel>(etiqueta)->text(); }

    void aceptar(DestinoGeneracion destino)
    {
        control<QTabWidget>("tabDestino")->setCurrentIndex(static_cast<int>(destino));
        control<QAbstractButton>("cmdAceptar")->click();
    }

    QString destino() const { return unidades.raiz(disco); }

    veluma::test::InstalacionTemporal instalacion;
    veluma::test::MensajesGrabados mensajes;
    veluma::test::UnidadesSimuladas unidades;
    DatosGeneracion datos;
    QString trabajo;
    QChar disquetera;
    QChar disco;

private:
    std::unique_ptr<frmGenerar> pantalla_;
};

// Diskettes go only to removable drives, unless fixed ones are allowed; a CD folder or an Internet file to any
// drive, once one is chosen.
TEST_F(PantallaGenerar, CadaFormaDePresentarOfreceSusUnidades)
{
    auto* disqueteras = control<QComboBox>("cboDisqueteras");
    ASSERT_EQ(disqueteras->count(), 2);
    EXPECT_EQ(disqueteras->currentText(), "a: [USB DISK] " + unidades.raiz(disquetera));
    EXPECT_EQ(control<QAbstractButton>("cmdFormatear")->text(), "Formatear unidad " + disqueteras->currentText());
    disqueteras->setCurrentIndex(1);
    EXPECT_EQ(control<QAbstractButton>("cmdFormatear")->text(), "Formatear unidad b: [OTRO] " + unidades.raiz(u'b'));

    EXPECT_EQ(control<QComboBox>("drvLista")->count(), 3);
    EXPECT_EQ(control<QComboBox>("DrvLista1")->count(), 3);
    for (const char* nombre : {"lblDest", "LblDest1"})
        EXPECT_EQ(texto(nombre), "");
    for (const char* nombre : {"cmdCrearCarpeta", "cmdExaminar", "CmdCrearCarpeta1", "CmdExaminar1"})
        EXPECT_FALSE(control<QAbstractButton>(nombre)->isEnabled()) << nombre;

    datos.soloDisqueteras = false;
    EXPECT_EQ(frmGenerar(instalacion.instalacion(), mensajes, datos, unidades)
                  .findChild<QComboBox*>("cboDisqueteras")
                  ->count(),
              3);
    // With no removable drive there is nowhere to put a diskette.
    datos.soloDisqueteras = true;
    veluma::test::UnidadesSimuladas soloFijas;
    soloFijas.agregar("DISCO", 100000000, false);
    frmGenerar sinDisqueteras(instalacion.instalacion(), mensajes, datos, soloFijas);
    auto* formatear = veluma::test::hijo<QAbstractButton>(sinDisqueteras, "cmdFormatear");
    EXPECT_EQ(formatear->text(), "Formatear unidad ");
    EXPECT_FALSE(formatear->isEnabled());
    veluma::test::hijo<QAbstractButton>(sinDisqueteras, "cmdAceptar")->click();
    EXPECT_EQ(mensajes.mensajes, QStringList{"Atención: No se ha especificado correctamente el destino."});
    EXPECT_FALSE(QFile::exists(trabajo + kArchivoGenerado));
}

TEST_F(PantallaGenerar, EnDisqueteLaCabeceraYElArchivoCodificadoSoloCuandoLaCopiaTermina)
{
    unidades.protegerContraEscritura(disquetera);
    mensajes.respuestas = {true, false};
    aceptar(DestinoGeneracion::Disquete);
    EXPECT_EQ(mensajes.mensajes.last(), "Atención...!!!: Disquete protegido contra escritura.");
    EXPECT_FALSE(mensajes.mensajes.contains(kFinCorrecto));
    EXPECT_EQ(archivosEn(unidades.raiz(disquetera)), QStringList());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    unidades.protegerContraEscritura(disquetera, false);
    mensajes.mensajes.clear();
    aceptar(DestinoGeneracion::Disquete);
    EXPECT_EQ(mensajes.mensajes,
              (QStringList{"Atención...!!!: Por favor inserte el diskette 1 de 1 en el drive a:\\", kFinCorrecto}));
    const QByteArray generado = leerArchivo(trabajo + kArchivoGenerado);
    ASSERT_FALSE(generado.isEmpty());
    EXPECT_TRUE(leerArchivo(unidades.raiz(disquetera) + "/" + datos.fileDestino) == "HEAD10 01 01 000005\n" + generado);
    EXPECT_EQ(texto("panel2"), "0%");
    EXPECT_EQ(control<QProgressBar>("ProgressBar")->value(), 0);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(archivosEn(trabajo).contains(kArchivoConCabecera));
}

TEST_F(PantallaGenerar, GeneraParaCDEnLaCarpetaElegida)
{
    aceptar(DestinoGeneracion::CD);
    EXPECT_EQ(mensajes.mensajes, QStringList{"Información: No se ha especificado correctamente el destino"});

    const QString carpeta = destino() + "/presentaciones";
    ASSERT_TRUE(QDir().mkpath(carpeta));
    pantalla().elegirCarpeta(DestinoGeneracion::CD, carpeta);
    EXPECT_EQ(texto("lblDest"), carpeta);
    EXPECT_EQ(control<QComboBox>("drvLista")->currentIndex(), 2);
    mensajes.mensajes.clear();
    aceptar(DestinoGeneracion::CD);

    EXPECT_EQ(mensajes.mensajes, QStringList{kFinCorrecto});
    const QByteArray generado = leerArchivo(trabajo + kArchivoGenerado);
    ASSERT_FALSE(generado.isEmpty());
    EXPECT_TRUE(leerArchivo(carpeta + "/" + datos.fileDestinoCD) == generado);
    EXPECT_EQ(texto("panel2"), "0%");
    EXPECT_EQ(texto("lblPorc"), "Porcentaje completado: 100%");
}

TEST_F(PantallaGenerar, GeneraParaInternetElArchivoCodificadoConElNombreDeLaDeclaracion)
{
    aceptar(DestinoGeneracion::Internet);
    EXPECT_EQ(mensajes.mensajes, QStringList{"Atención: No se ha especificado correctamente el destino."});

    pantalla().elegirCarpeta(DestinoGeneracion::Internet, destino());
    EXPECT_EQ(texto("LblDest1"), destino());
    mensajes.mensajes.clear();
    aceptar(DestinoGeneracion::Internet);

    EXPECT_EQ(mensajes.mensajes, QStringList{kFinCorrecto});
    EXPECT_EQ(archivosEn(destino()), QStringList{"F6173070451.b64"});
    EXPECT_EQ(decodificarFileWin(leerArchivo(destino() + "/F6173070451.b64")), "HEAD10 01 01 000005\n" + kRegistros);
    EXPECT_FALSE(archivosEn(trabajo).contains("cabent.b64"));
    EXPECT_FALSE(archivosEn(trabajo).contains(kArchivoConCabecera));
}

TEST_F(PantallaGenerar, CancelarBorraLosRegistrosDeLaDeclaracion)
{
    pantalla().show();
    control<QAbstractButton>("cmdSalir")->click();
    EXPECT_FALSE(QFile::exists(trabajo + kArchivoRegistros));
    EXPECT_EQ(pantalla().result(), QDialog::Rejected);
    EXPECT_FALSE(pantalla().isVisible());
}

TEST_F(PantallaGenerar, UnaUnidadIlegibleNoQuedaComoDestino)
{
    auto* unidadesCD = control<QComboBox>("drvLista");
    unidadesCD->setCurrentIndex(2);
    emit unidadesCD->activated(2);
    EXPECT_EQ(texto("lblDest"), destino());
    EXPECT_TRUE(control<QAbstractButton>("cmdCrearCarpeta")->isEnabled());

    unidades.quitarMedio(disquetera);
    unidadesCD->setCurrentIndex(0);
    emit unidadesCD->activated(0);
    EXPECT_EQ(texto("lblDest"), "");
    EXPECT_FALSE(control<QAbstractButton>("cmdExaminar")->isEnabled());

    auto* unidadesInternet = control<QComboBox>("DrvLista1");
    unidadesInternet->setCurrentIndex(0);
    emit unidadesInternet->activated(0);
    EXPECT_EQ(mensajes.mensajes, (QStringList{"Atención: No se puede leer la unidad seleccionada.",
                                              "Información: No se puede leer la unidad seleccionada."}));

    // Write-protected is still readable.
    unidades.ponerMedio(disquetera);
    unidades.protegerContraEscritura(disquetera);
    emit unidadesInternet->activated(0);
    EXPECT_EQ(texto("LblDest1"), unidades.raiz(disquetera));
}

TEST_F(PantallaGenerar, CreaCarpetasDentroDeLaElegida)
{
    pantalla().elegirCarpeta(DestinoGeneracion::CD, destino());
    const auto crear = [this](const QString& nombre) {
        veluma::test::alAparecerModalDe<QInputDialog>([nombre](QInputDialog* pregunta) {
            EXPECT_EQ(pregunta->windowTitle(), "Nueva carpeta");
            EXPECT_EQ(pregunta->labelText(), "Ingrese el nombre para la carpeta nueva");
            pregunta->setTextValue(nombre);
            pregunta->accept();
        });
        control<QAbstractButton>("cmdCrearCarpeta")->click();
    };

    crear("Presentaciones");
    EXPECT_TRUE(QFileInfo(destino() + "/Presentaciones").isDir());
    EXPECT_TRUE(mensajes.mensajes.isEmpty());

    crear(QString());
    EXPECT_EQ(archivosEn(destino()), QStringList{"Presentaciones"});

    crear("Presentaciones");
    EXPECT_EQ(mensajes.mensajes,
              QStringList{"Información: Imposible crear la carpeta " + destino() + "/Presentaciones"});
}

TEST_F(PantallaGenerar, ExaminarYFormatearAbrenLosProgramasDelEscritorio)
{
    QTemporaryDir programas;
    const SoloProgramasDe soloEstos(programas.path());
    pantalla().elegirCarpeta(DestinoGeneracion::Internet, destino());

    control<QAbstractButton>("CmdExaminar1")->click();
    control<QAbstractButton>("cmdFormatear")->click();
    ASSERT_EQ(mensajes.mensajes.size(), 2);
    EXPECT_EQ(mensajes.mensajes.at(0), "Atención: Imposible examinar la carpeta especificada.");
    EXPECT_TRUE(mensajes.mensajes.at(1).startsWith("Atención: No se pudo abrir un programa para formatear la unidad."));

    crearPrograma(programas.filePath("xdg-open"), programas.filePath("examinado"));
    crearPrograma(programas.filePath("gnome-disks"), programas.filePath("formateado"));
    control<QAbstractButton>("CmdExaminar1")->click();
    control<QAbstractButton>("cmdFormatear")->click();
    EXPECT_EQ(esperarArchivo(programas.filePath("examinado")), (destino() + "\n").toUtf8());
    // The simulated drives have no device to name.
    EXPECT_EQ(esperarArchivo(programas.filePath("formateado")), "\n");
    EXPECT_EQ(mensajes.mensajes.size(), 2);
}

}  // namespace
