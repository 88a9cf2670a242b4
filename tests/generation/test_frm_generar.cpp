// The destination screen over the reference Form 708 declaration, and what each destination hands in, read back
// as the agency reads it.

#include "generacion_de_prueba.h"
#include "generation/pantallas/generar_presentacion.h"
#include "generation/verificacion_archivo.h"
#include "support/modal.h"
#include "support/programas.h"
#include "support/verificador.h"

#include <QComboBox>
#include <QInputDialog>
#include <QProgressBar>

using namespace veluma;
using veluma::test::archivosEn;
using veluma::test::kFinCorrecto;

using PantallaGenerar = veluma::test::GeneracionDePrueba;

// Each destination, first left unset (the diskette first cancelled): what it hands in is exactly the declaration's
// records, for the verifier too, and of the working files only the records and the encoded file stay. Sent again,
// the file handed in is replaced only if the user wants (for diskettes, with the copy's failures).
TEST_F(PantallaGenerar, CadaDestinoEntregaLosRegistrosYSoloQuedanLosArchivosDeTrabajo)
{
    QString registros = QString::fromLatin1(veluma::test::leerArchivo(VELUMA_DATOS_PRUEBA "/F0708_esperado.dat"));
    registros.chop(2);  // the closing CR LF
    const QString cd = destino() + "/cd", internet = destino() + "/internet";
    ASSERT_TRUE(QDir().mkpath(cd) && QDir().mkpath(internet));
    const QString reemplazar = "Veluma: El archivo ya existe en la unidad destino. Desea reemplazarlo?";
    const struct {
        DestinoGeneracion destino;
        QString carpeta, archivo, sinCarpeta;
        QStringList quedan, noReemplaza;
    } casos[] = {
        {DestinoGeneracion::Disquete, {}, {}, {}, {"DDJJCypf.tmp", "Genera.dat"}, {}},
        {DestinoGeneracion::CD, cd, "715773F07083070451826520040300.dat",
         "Información: No se ha especificado correctamente el destino", {"DDJJCypf.tmp", "Genera.dat"},
         {"Advertencia: El archivo ya existe, desea reemplazarlo",
          "Información: Generación cancelada por el usuario."}},
        {DestinoGeneracion::Internet, internet, "715773F0708.b64",
         "Atención: No se ha especificado correctamente el destino.", {"DDJJCypf.tmp"}, {reemplazar}},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(static_cast<int>(caso.destino));
        QStringList archivos{caso.carpeta + '/' + caso.archivo};
        if (caso.destino == DestinoGeneracion::Disquete) {
            // A copy the user cancels is not given as finished.
            unidades.protegerContraEscritura(disquetera);
            usuario.respuestas = {true, false};
            aceptar(caso.destino);
            EXPECT_EQ(usuario.mensajes.last(), "Atención...!!!: Disquete protegido contra escritura.");
            EXPECT_EQ(QApplication::overrideCursor(), nullptr);
            unidades.protegerContraEscritura(disquetera, false);
            aceptar(caso.destino);
            archivos.clear();
            for (const QString& medio : unidades.medios(disquetera))
                archivos += medio + "/715773F0708.dat";
            EXPECT_GE(archivos.size(), 3);
            EXPECT_EQ(texto("panel2"), "0%");
        } else {
            usuario.mensajes.clear();
            aceptar(caso.destino);
            EXPECT_EQ(usuario.mensajes, QStringList{caso.sinCarpeta});
            pantalla().elegirCarpeta(caso.destino, caso.carpeta);
            aceptar(caso.destino);
            EXPECT_EQ(archivosEn(caso.carpeta), QStringList{caso.archivo});
            EXPECT_EQ(texto("lblPorc"), "Porcentaje completado: 100%");
        }
        EXPECT_EQ(usuario.mensajes.last(), kFinCorrecto);
        EXPECT_EQ(control<QProgressBar>("ProgressBar")->value(), 0);
        EXPECT_EQ(archivosEn(trabajo), caso.quedan);
        const ResultadoVerificacion leido = VerificarPresentacion(archivos);
        EXPECT_TRUE(leido.valido) << leido.problema.toStdString();
        EXPECT_EQ(leido.cabecera, "HEAD10 01 01 000019");
        EXPECT_EQ(leido.registros, registros.split('\n'));
        EXPECT_EQ(veluma::test::salidaDelVerificador(sesion.instalacion.carpetaPrograma(), archivos),
                  "Archivo válido: 19 registros.\nHEAD10 01 01 000019\n");

        if (caso.noReemplaza.isEmpty())
            continue;
        veluma::test::escribirArchivo(archivos[0], "anterior");
        usuario.mensajes.clear();
        usuario.respuesta = Respuesta::No;
        aceptar(caso.destino);
        usuario.respuesta = Respuesta::Si;
        EXPECT_EQ(usuario.mensajes, caso.noReemplaza);
        EXPECT_EQ(veluma::test::leerArchivo(archivos[0]), "anterior");
    }
}

// Diskettes go only to removable drives, unless the form allows fixed ones; a CD folder or an Internet file to any
// drive.
TEST_F(PantallaGenerar, CadaFormaDePresentarOfreceSusUnidades)
{
    auto* disqueteras = control<QComboBox>("cboDisqueteras");
    ASSERT_EQ(disqueteras->count(), 2);
    // Formatting is offered for the drive chosen.
    disqueteras->setCurrentIndex(1);
    EXPECT_EQ(control<QAbstractButton>("cmdFormatear")->text(), "Formatear unidad b: [OTRO] " + unidades.raiz('b'));
    EXPECT_EQ(control<QComboBox>("drvLista")->count(), 3);
    EXPECT_EQ(control<QComboBox>("DrvLista1")->count(), 3);

    datos.soloDisqueteras = false;
    EXPECT_EQ(veluma::test::hijo<QComboBox>(frmGenerar(sesion.instalacion, usuario, datos, unidades), "cboDisqueteras")
                  ->count(),
              3);
    // With no removable drive there is nowhere to put a diskette.
    datos.soloDisqueteras = true;
    veluma::test::UnidadesSimuladas soloFijas;
    soloFijas.agregar("DISCO", 100000000, false);
    frmGenerar sinDisqueteras(sesion.instalacion, usuario, datos, soloFijas);
    auto* formatear = veluma::test::hijo<QAbstractButton>(sinDisqueteras, "cmdFormatear");
    EXPECT_EQ(formatear->text(), "Formatear unidad ");
    EXPECT_FALSE(formatear->isEnabled());
    veluma::test::pulsar(&sinDisqueteras, "cmdAceptar");
    EXPECT_EQ(usuario.mensajes, QStringList{"Atención: No se ha especificado correctamente el destino."});
    EXPECT_EQ(archivosEn(trabajo), QStringList{"DDJJCypf.tmp"});
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
    EXPECT_EQ(usuario.mensajes, (QStringList{"Atención: No se puede leer la unidad seleccionada.",
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
            EXPECT_EQ(pregunta->labelText(), "Ingrese el nombre para la carpeta nueva");
            pregunta->setTextValue(nombre);
            pregunta->accept();
        });
        control<QAbstractButton>("cmdCrearCarpeta")->click();
    };
    crear("Presentaciones");
    crear(QString());
    EXPECT_EQ(archivosEn(destino()), QStringList{"Presentaciones"});
    EXPECT_TRUE(usuario.mensajes.isEmpty());
    crear("Presentaciones");
    EXPECT_EQ(usuario.mensajes,
              QStringList{"Información: Imposible crear la carpeta " + destino() + "/Presentaciones"});
}

TEST_F(PantallaGenerar, ExaminarYFormatearAbrenLosProgramasDelEscritorio)
{
    veluma::test::ProgramasDePrueba programas(true);
    pantalla().elegirCarpeta(DestinoGeneracion::Internet, destino());
    control<QAbstractButton>("CmdExaminar1")->click();
    control<QAbstractButton>("cmdFormatear")->click();
    ASSERT_EQ(usuario.mensajes.size(), 2);
    EXPECT_EQ(usuario.mensajes.at(0), "Atención: Imposible examinar la carpeta especificada.");
    EXPECT_TRUE(usuario.mensajes.at(1).startsWith("Atención: No se pudo abrir un programa para formatear la unidad."));

    programas.crear("xdg-open");
    programas.crear("gnome-disks");
    control<QAbstractButton>("CmdExaminar1")->click();
    control<QAbstractButton>("cmdFormatear")->click();
    EXPECT_EQ(programas.argumentos("xdg-open"), (destino() + "\n").toUtf8());
    EXPECT_EQ(programas.argumentos("gnome-disks"), "\n");  // the simulated drives have no device to name
    EXPECT_EQ(usuario.mensajes.size(), 2);
}

// The balance screen's button: the records are written, the destination shown, and leaving it deletes them.
TEST_F(PantallaGenerar, GenerarMuestraElDestinoYCancelarBorraLosRegistros)
{
    QWidget saldos;
    QString titulo;
    veluma::test::alAparecerModal([&](QWidget* ventana) {
        titulo = ventana->windowTitle();
        EXPECT_EQ(archivosEn(trabajo), QStringList{"DDJJCypf.tmp"});
        veluma::test::pulsar(ventana, "cmdSalir");
    });
    QFile::remove(trabajo + "DDJJCypf.tmp");
    EXPECT_TRUE(GenerarPresentacion(saldos, sesion, usuario, liquidacion));
    EXPECT_EQ(titulo, " Generar Disquete / CD / Archivo ");
    EXPECT_EQ(archivosEn(trabajo), QStringList());
    EXPECT_TRUE(usuario.mensajes.isEmpty()) << usuario.mensajes.join('|').toStdString();
}
