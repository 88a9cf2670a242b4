#include "filewin.h"
#include "generation/codificacion.h"
#include "generation/pantallas/frm_generar.h"
#include "support/modal.h"
#include "support/archivos.h"
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
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using namespace veluma;
using veluma::test::alAparecerModal;
using veluma::test::archivosEn;
using veluma::test::escribirArchivo;
using veluma::test::leerArchivo;

namespace {

const QByteArray kRegistros = "01307045182650202403000000000A\n"
                              "02000000000000000001uno                 \n"
                              "02000000000000000002dos                 \n"
                              "02000000000000000003tres                \n"
                              "99000005    \r\n";
const QString kFinCorrecto = QStringLiteral("Información: El proceso finalizó correctamente.");

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
        disquetera = unidades.agregar(QStringLiteral("USB DISK"), 1400000);
        unidades.agregar(QStringLiteral("OTRO"), 1400000);
        disco = unidades.agregar(QStringLiteral("DISCO"), 100000000, false);
        trabajo = DirectorioWindows(instalacion.instalacion());
        ASSERT_FALSE(trabajo.isEmpty());
        escribirArchivo(trabajo + kArchivoRegistros, kRegistros);
        datos.ArchivoTMP = kArchivoRegistros;
        datos.fileDestino = QStringLiteral("F6173070451820240300.dat");
        datos.fileDestinoCD = QStringLiteral("F617_CD.dat");
        datos.pathOrigen = trabajo;
        datos.cantReg = 5;
    }

    frmGenerar& pantalla()
    {
        if (!pantalla_)
            pantalla_ = std::make_unique<frmGenerar>(instalacion.instalacion(), mensajes, datos, unidades);
        return *pantalla_;
    }

    template <typename T> T* control(const QString& nombre)
    {
        T* encontrado = pantalla().findChild<T*>(nombre);
        EXPECT_NE(encontrado, nullptr) << nombre.toStdString();
        return encontrado;
    }

    QString texto(const QString& etiqueta) { return control<QLabel>(etiqueta)->text(); }

    void aceptar(DestinoGeneracion destino)
    {
        control<QTabWidget>(QStringLiteral("tabDestino"))->setCurrentIndex(static_cast<int>(destino));
        control<QAbstractButton>(QStringLiteral("cmdAceptar"))->click();
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

TEST_F(PantallaGenerar, MuestraLasTresFormasDePresentarYLasUnidades)
{
    EXPECT_EQ(pantalla().windowTitle(), " Generar Disquete / CD / Archivo ");
    auto* pestanas = control<QTabWidget>(QStringLiteral("tabDestino"));
    ASSERT_EQ(pestanas->count(), 3);
    EXPECT_EQ(pestanas->tabText(0), "Generar &Disquete");
    EXPECT_EQ(pestanas->tabText(1), "Generación de Archivo para presentación en &CD");
    EXPECT_EQ(pestanas->tabText(2), "Generar Archivo para Presentaciones vía &Internet");

    auto* disqueteras = control<QComboBox>(QStringLiteral("cboDisqueteras"));
    ASSERT_EQ(disqueteras->count(), 2);
    const QString primera = "a: [USB DISK] " + unidades.raiz(disquetera);
    EXPECT_EQ(disqueteras->currentText(), primera);
    EXPECT_EQ(control<QAbstractButton>(QStringLiteral("cmdFormatear"))->text(), "Formatear unidad " + primera);
    disqueteras->setCurrentIndex(1);
    EXPECT_EQ(control<QAbstractButton>(QStringLiteral("cmdFormatear"))->text(),
              "Formatear unidad b: [OTRO] " + unidades.raiz(u'b'));

    EXPECT_EQ(control<QComboBox>(QStringLiteral("drvLista"))->count(), 3);
    EXPECT_EQ(control<QComboBox>(QStringLiteral("DrvLista1"))->count(), 3);
    for (const char* nombre : {"lblDest", "LblDest1"})
        EXPECT_EQ(texto(QString::fromLatin1(nombre)), "");
    for (const char* nombre : {"cmdCrearCarpeta", "cmdExaminar", "CmdCrearCarpeta1", "CmdExaminar1"})
        EXPECT_FALSE(control<QAbstractButton>(QString::fromLatin1(nombre))->isEnabled()) << nombre;
    EXPECT_EQ(control<QAbstractButton>(QStringLiteral("cmdSalir"))->text(), "Cancelar");
    EXPECT_EQ(control<QStatusBar>(QStringLiteral("stbEstado"))->findChild<QLabel*>(QStringLiteral("panel1"))->text(),
              "Porcentaje completado");
}

TEST_F(PantallaGenerar, GeneraEnDisqueteLaCabeceraYElArchivoCodificado)
{
    aceptar(DestinoGeneracion::Disquete);

    EXPECT_EQ(mensajes.mensajes,
              (QStringList{"Atención...!!!: Por favor inserte el diskette 1 de 1 en el drive a:\\", kFinCorrecto}));
    const QByteArray grabado = leerArchivo(unidades.raiz(disquetera) + "/" + datos.fileDestino);
    const QByteArray generado = leerArchivo(trabajo + kArchivoGenerado);
    ASSERT_FALSE(generado.isEmpty());
    EXPECT_TRUE(grabado == "HEAD10 01 01 000005\n" + generado);
    EXPECT_EQ(texto(QStringLiteral("panel2")), "0%");
    EXPECT_EQ(control<QProgressBar>(QStringLiteral("ProgressBar"))->value(), 0);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(archivosEn(trabajo).contains(kArchivoConCabecera));
}

TEST_F(PantallaGenerar, UnaCopiaCanceladaNoSeDaPorTerminada)
{
    unidades.protegerContraEscritura(disquetera);
    mensajes.respuestas = {true, false};
    aceptar(DestinoGeneracion::Disquete);

    EXPECT_EQ(mensajes.mensajes.last(), "Atención...!!!: Disquete protegido contra escritura.");
    EXPECT_FALSE(mensajes.mensajes.contains(kFinCorrecto));
    EXPECT_EQ(archivosEn(unidades.raiz(disquetera)), QStringList());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(PantallaGenerar, SinUnidadExtraibleNoHayDondeGenerar)
{
    datos.soloDisqueteras = false;  // fixed disks are listed too: here the only one
    EXPECT_EQ(control<QComboBox>(QStringLiteral("cboDisqueteras"))->count(), 3);

    datos.soloDisqueteras = true;
    veluma::test::UnidadesSimuladas soloFijas;
    soloFijas.agregar(QStringLiteral("DISCO"), 100000000, false);
    frmGenerar sinDisqueteras(instalacion.instalacion(), mensajes, datos, soloFijas);
    auto* formatear = sinDisqueteras.findChild<QAbstractButton*>(QStringLiteral("cmdFormatear"));
    EXPECT_EQ(formatear->text(), "Formatear unidad ");
    EXPECT_FALSE(formatear->isEnabled());

    sinDisqueteras.findChild<QAbstractButton*>(QStringLiteral("cmdAceptar"))->click();
    EXPECT_EQ(mensajes.mensajes, QStringList{"Atención: No se ha especificado correctamente el destino."});
    EXPECT_FALSE(QFile::exists(trabajo + kArchivoGenerado));
}

TEST_F(PantallaGenerar, GeneraParaCDEnLaCarpetaElegida)
{
    aceptar(DestinoGeneracion::CD);
    EXPECT_EQ(mensajes.mensajes, QStringList{"Información: No se ha especificado correctamente el destino"});

    const QString carpeta = destino() + QStringLiteral("/presentaciones");
    ASSERT_TRUE(QDir().mkpath(carpeta));
    pantalla().elegirCarpeta(DestinoGeneracion::CD, carpeta);
    EXPECT_EQ(texto(QStringLiteral("lblDest")), carpeta);
    EXPECT_EQ(control<QComboBox>(QStringLiteral("drvLista"))->currentIndex(), 2);
    mensajes.mensajes.clear();
    aceptar(DestinoGeneracion::CD);

    EXPECT_EQ(mensajes.mensajes, QStringList{kFinCorrecto});
    const QByteArray generado = leerArchivo(trabajo + kArchivoGenerado);
    ASSERT_FALSE(generado.isEmpty());
    EXPECT_TRUE(leerArchivo(carpeta + "/" + datos.fileDestinoCD) == generado);
    EXPECT_EQ(texto(QStringLiteral("panel2")), "0%");
    EXPECT_EQ(texto(QStringLiteral("lblPorc")), "Porcentaje completado: 100%");
}

TEST_F(PantallaGenerar, GeneraParaInternetElArchivoCodificadoConElNombreDeLaDeclaracion)
{
    aceptar(DestinoGeneracion::Internet);
    EXPECT_EQ(mensajes.mensajes, QStringList{"Atención: No se ha especificado correctamente el destino."});

    pantalla().elegirCarpeta(DestinoGeneracion::Internet, destino());
    EXPECT_EQ(texto(QStringLiteral("LblDest1")), destino());
    mensajes.mensajes.clear();
    aceptar(DestinoGeneracion::Internet);

    EXPECT_EQ(mensajes.mensajes, QStringList{kFinCorrecto});
    EXPECT_EQ(archivosEn(destino()), QStringList{"F6173070451.b64"});
    const std::optional<QByteArray> original = decodificarFileWin(leerArchivo(destino() + "/F6173070451.b64"));
    ASSERT_TRUE(original);
    EXPECT_TRUE(*original == "HEAD10 01 01 000005\n" + kRegistros);
    const QStringList quedan = archivosEn(trabajo);
    EXPECT_FALSE(quedan.contains(QStringLiteral("cabent.b64")));
    EXPECT_FALSE(quedan.contains(kArchivoConCabecera));
}

TEST_F(PantallaGenerar, CancelarBorraLosRegistrosDeLaDeclaracion)
{
    pantalla().show();
    control<QAbstractButton>(QStringLiteral("cmdSalir"))->click();
    EXPECT_FALSE(QFile::exists(trabajo + kArchivoRegistros));
    EXPECT_EQ(pantalla().result(), QDialog::Rejected);
    EXPECT_FALSE(pantalla().isVisible());
}

TEST_F(PantallaGenerar, UnaUnidadIlegibleNoQuedaComoDestino)
{
    auto* unidadesCD = control<QComboBox>(QStringLiteral("drvLista"));
    unidadesCD->setCurrentIndex(2);
    emit unidadesCD->activated(2);
    EXPECT_EQ(texto(QStringLiteral("lblDest")), destino());
    EXPECT_TRUE(control<QAbstractButton>(QStringLiteral("cmdCrearCarpeta"))->isEnabled());

    unidades.quitarMedio(disquetera);
    unidadesCD->setCurrentIndex(0);
    emit unidadesCD->activated(0);
    EXPECT_EQ(texto(QStringLiteral("lblDest")), "");
    EXPECT_FALSE(control<QAbstractButton>(QStringLiteral("cmdExaminar"))->isEnabled());

    auto* unidadesInternet = control<QComboBox>(QStringLiteral("DrvLista1"));
    unidadesInternet->setCurrentIndex(0);
    emit unidadesInternet->activated(0);
    EXPECT_EQ(mensajes.mensajes,
              (QStringList{"Atención: No se puede leer la unidad seleccionada.",
                           "Información: No se puede leer la unidad seleccionada."}));

    // Write-protected is still readable.
    unidades.ponerMedio(disquetera);
    unidades.protegerContraEscritura(disquetera);
    emit unidadesInternet->activated(0);
    EXPECT_EQ(texto(QStringLiteral("LblDest1")), unidades.raiz(disquetera));
}

TEST_F(PantallaGenerar, CreaCarpetasDentroDeLaElegida)
{
    pantalla().elegirCarpeta(DestinoGeneracion::CD, destino());
    const auto crear = [this](const QString& nombre) {
        alAparecerModal([nombre](QWidget* ventana) {
            auto* pregunta = qobject_cast<QInputDialog*>(ventana);
            ASSERT_NE(pregunta, nullptr);
            EXPECT_EQ(pregunta->windowTitle(), "Nueva carpeta");
            EXPECT_EQ(pregunta->labelText(), "Ingrese el nombre para la carpeta nueva");
            pregunta->setTextValue(nombre);
            pregunta->accept();
        });
        control<QAbstractButton>(QStringLiteral("cmdCrearCarpeta"))->click();
    };

    crear(QStringLiteral("Presentaciones"));
    EXPECT_TRUE(QFileInfo(destino() + "/Presentaciones").isDir());
    EXPECT_TRUE(mensajes.mensajes.isEmpty());

    crear(QString());
    EXPECT_EQ(archivosEn(destino()), QStringList{"Presentaciones"});

    crear(QStringLiteral("Presentaciones"));
    EXPECT_EQ(mensajes.mensajes,
              QStringList{"Información: Imposible crear la carpeta " + destino() + "/Presentaciones"});
}

TEST_F(PantallaGenerar, ExaminarYFormatearAbrenLosProgramasDelEscritorio)
{
    QTemporaryDir programas;
    const SoloProgramasDe soloEstos(programas.path());
    pantalla().elegirCarpeta(DestinoGeneracion::Internet, destino());

    control<QAbstractButton>(QStringLiteral("CmdExaminar1"))->click();
    control<QAbstractButton>(QStringLiteral("cmdFormatear"))->click();
    ASSERT_EQ(mensajes.mensajes.size(), 2);
    EXPECT_EQ(mensajes.mensajes.at(0), "Atención: Imposible examinar la carpeta especificada.");
    EXPECT_TRUE(mensajes.mensajes.at(1).startsWith("Atención: No se pudo abrir un programa para formatear la unidad."));

    crearPrograma(programas.filePath(QStringLiteral("xdg-open")), programas.filePath(QStringLiteral("examinado")));
    crearPrograma(programas.filePath(QStringLiteral("gnome-disks")), programas.filePath(QStringLiteral("formateado")));
    control<QAbstractButton>(QStringLiteral("CmdExaminar1"))->click();
    control<QAbstractButton>(QStringLiteral("cmdFormatear"))->click();
    EXPECT_EQ(esperarArchivo(programas.filePath(QStringLiteral("examinado"))), (destino() + "\n").toUtf8());
    // The simulated drives have no device to name.
    EXPECT_EQ(esperarArchivo(programas.filePath(QStringLiteral("formateado"))), "\n");
    EXPECT_EQ(mensajes.mensajes.size(), 2);
}

}  // namespace
