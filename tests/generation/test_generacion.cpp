// The destination screen over the reference Form 708 declaration, what each destination hands in, read back as
// the agency reads it, and what goes wrong between a form's records and the file a destination copies: the builder,
// the working files and the encoder program.

#include "core/error.h"
#include "generacion_de_prueba.h"
#include "generation/escritor_registros.h"
#include "generation/generacion.h"
#include "generation/pantallas/generar_presentacion.h"
#include "generation/verificacion_archivo.h"
#include "printing/configuracion_reporte.h"
#include "support/modal.h"
#include "support/programas.h"
#include "support/verificador.h"

#include <QComboBox>
#include <QInputDialog>
#include <QProgressBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTreeView>

using namespace veluma;
using namespace veluma::test;
using Generacion = GeneracionDePrueba;

// Each destination, its tab first showing the root of the drive listed (the diskette first cancelled): what it hands in is exactly the declaration's
// records, for the verifier too, and of the working files only the records and the encoded file stay. Sent again,
// the file handed in is replaced only if the user wants (for diskettes, with the copy's failures).
TEST_F(Generacion, CadaDestinoEntregaLosRegistrosYSoloQuedanLosArchivosDeTrabajo)
{
    // Without the closing CR LF.
    const QStringList registros =
        QString::fromLatin1(leerArchivo(VELUMA_DATOS_PRUEBA "/F0708_esperado.dat")).chopped(2).split('\n');
    const QString cd = destino() + "/cd", internet = destino() + "/internet";
    ASSERT_TRUE(QDir().mkpath(cd) && QDir().mkpath(internet));
    const struct {
        DestinoGeneracion destino;
        QString carpeta, archivo;
        const char* lista;
        const char* etiqueta;
        QStringList quedan, noReemplaza;
    } casos[] = {
        {DestinoGeneracion::Disquete, {}, {}, nullptr, nullptr, {"DDJJCypf.tmp", "Genera.dat"}, {}},
        {DestinoGeneracion::CD, cd, "715773F07083070451826520040300.dat", "drvLista", "lblDest",
         {"DDJJCypf.tmp", "Genera.dat"},
         {"Advertencia: El archivo ya existe, desea reemplazarlo",
          "Información: Generación cancelada por el usuario."}},
        {DestinoGeneracion::Internet, internet, "715773F0708.b64", "DrvLista1", "LblDest1", {"DDJJCypf.tmp"},
         {"Veluma: El archivo ya existe en la unidad destino. Desea reemplazarlo?"}},
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
        } else {
            usuario.mensajes.clear();
            control<QTabWidget>("tabDestino")->setCurrentIndex(static_cast<int>(caso.destino));
            EXPECT_EQ(texto(caso.etiqueta), control<QComboBox>(caso.lista)->currentData().toString());
            EXPECT_NE(texto(caso.etiqueta), "");
            pantalla().elegirCarpeta(caso.destino, caso.carpeta);
            aceptar(caso.destino);
            EXPECT_EQ(archivosEn(caso.carpeta), QStringList{caso.archivo});
            EXPECT_EQ(texto("lblPorc"), "Porcentaje completado: 100%");
        }
        EXPECT_EQ(usuario.mensajes.last() + '|' + texto("panel2"), kFinCorrecto + "|0%");
        EXPECT_EQ(control<QProgressBar>("ProgressBar")->value(), 0);
        EXPECT_EQ(archivosEn(trabajo), caso.quedan);
        EXPECT_EQ(VerificarPresentacion(archivos).registros, registros);
        EXPECT_EQ(salidaDelVerificador(sesion.instalacion.carpetaPrograma(), archivos),
                  "Archivo válido: 19 registros.\nHEAD10 01 01 000019\n");

        if (caso.noReemplaza.isEmpty())
            continue;
        escribirArchivo(archivos[0], "anterior");
        usuario.mensajes.clear();
        usuario.respuesta = Respuesta::No;
        aceptar(caso.destino);
        usuario.respuesta = Respuesta::Si;
        EXPECT_EQ(usuario.mensajes, caso.noReemplaza);
        EXPECT_EQ(leerArchivo(archivos[0]), "anterior");
        EXPECT_EQ(texto("lblPorc") + '|' + texto("panel2"), "|0 %");  // nothing left of the copy before
    }
}

// Diskettes go only to removable drives, unless the form allows fixed ones; a CD folder or an Internet file to any
// drive.
TEST_F(Generacion, CadaFormaDePresentarOfreceSusUnidadesSiSePuedenLeer)
{
    auto* disqueteras = control<QComboBox>("cboDisqueteras");
    ASSERT_EQ(disqueteras->count(), 2);
    // Formatting is offered for the drive chosen.
    disqueteras->setCurrentIndex(1);
    EXPECT_EQ(control<QAbstractButton>("cmdFormatear")->text(), "Formatear unidad b: [OTRO] " + unidades.raiz('b'));
    datos.soloDisqueteras = false;
    const frmGenerar conFijas(sesion.instalacion, usuario, datos, unidades);
    EXPECT_EQ(QList<int>({control<QComboBox>("drvLista")->count(), control<QComboBox>("DrvLista1")->count(),
                          hijo<QComboBox>(conFijas, "cboDisqueteras")->count()}),
              QList<int>({3, 3, 3}));
    // With no removable drive there is nowhere to put a diskette.
    datos.soloDisqueteras = true;
    UnidadesSimuladas soloFijas;
    soloFijas.agregar("DISCO", 100000000, false);
    frmGenerar sinDisqueteras(sesion.instalacion, usuario, datos, soloFijas);
    auto* formatear = hijo<QAbstractButton>(sinDisqueteras, "cmdFormatear");
    EXPECT_TRUE(formatear->text() == "Formatear unidad " && !formatear->isEnabled());
    pulsar(&sinDisqueteras, "cmdAceptar");
    EXPECT_EQ(usuario.mensajes, QStringList{"Atención: No se ha especificado correctamente el destino."});
    EXPECT_EQ(archivosEn(trabajo), QStringList{"DDJJCypf.tmp"});

    // A drive that cannot be read is said and does not stay as the destination.
    const auto elegir = [this](const char* lista, int indice) {
        control<QComboBox>(lista)->setCurrentIndex(indice);
        emit control<QComboBox>(lista)->activated(indice);
    };
    usuario.mensajes.clear();
    elegir("drvLista", 2);
    EXPECT_EQ(texto("lblDest"), destino());
    EXPECT_TRUE(control<QAbstractButton>("cmdCrearCarpeta")->isEnabled());

    unidades.quitarMedio(disquetera);
    elegir("drvLista", 0);
    EXPECT_EQ(texto("lblDest"), "");
    EXPECT_FALSE(control<QAbstractButton>("cmdExaminar")->isEnabled());
    elegir("DrvLista1", 0);
    EXPECT_EQ(usuario.mensajes, (QStringList{"Atención: No se puede leer la unidad seleccionada.",
                                             "Información: No se puede leer la unidad seleccionada."}));

    // Write-protected is still readable.
    unidades.ponerMedio(disquetera);
    unidades.protegerContraEscritura(disquetera);
    elegir("DrvLista1", 0);
    EXPECT_EQ(texto("LblDest1"), unidades.raiz(disquetera));

    // Coming to a tab checks its drive again: a medium taken out meanwhile is said, and leaves no destination.
    unidades.quitarMedio(disquetera);
    usuario.mensajes.clear();
    control<QTabWidget>("tabDestino")->setCurrentIndex(static_cast<int>(DestinoGeneracion::Internet));
    EXPECT_EQ(usuario.mensajes, QStringList{"Información: No se puede leer la unidad seleccionada."});
    EXPECT_EQ(texto("LblDest1"), "");
}


TEST_F(Generacion, CreaCarpetasYAbreLosProgramasDelEscritorio)
{
    pantalla().elegirCarpeta(DestinoGeneracion::CD, destino());
    const auto crear = [this](const QString& nombre) {
        alAparecerModalDe<QInputDialog>([nombre](QInputDialog* pregunta) {
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
    // The list moved into the new folder, now the destination; another one goes inside it.
    EXPECT_EQ(texto("lblDest"), destino() + "/Presentaciones");
    crear("Presentaciones");
    EXPECT_EQ(archivosEn(destino() + "/Presentaciones"), QStringList{"Presentaciones"});
    pantalla().elegirCarpeta(DestinoGeneracion::CD, destino());
    crear("Presentaciones");
    EXPECT_EQ(usuario.mensajes,
              QStringList{"Información: Imposible crear la carpeta " + destino() + "/Presentaciones"});

    // Examinar and Formatear open the desktop's programs.
    ProgramasDePrueba programas(true);
    pantalla().elegirCarpeta(DestinoGeneracion::Internet, destino());
    usuario.mensajes.clear();
    const auto examinarYFormatear = [this] {
        control<QAbstractButton>("CmdExaminar1")->click();
        control<QAbstractButton>("cmdFormatear")->click();
    };
    examinarYFormatear();
    programas.crear("xdg-open");
    programas.crear("gnome-disks");
    examinarYFormatear();
    // Said only while there is no program; the simulated drives have no device to name.
    EXPECT_EQ(usuario.mensajes, (QStringList{"Atención: Imposible examinar la carpeta especificada.",
                                             "Atención: No se pudo abrir un programa para formatear la unidad. Instale "
                                             "Discos de GNOME (gnome-disks) o KDE Partition Manager."}));
    EXPECT_EQ(programas.argumentos("xdg-open") + '|' + programas.argumentos("gnome-disks"),
              (destino() + "\n|\n").toUtf8());
}

// From the keyboard: the tabs are read whole, the focus entering the folder list chooses nothing, and Enter there
// is Aceptar.
TEST_F(Generacion, ElTecladoRecorreLaPantallaSinElegirAlPasar)
{
    auto* pestanas = control<QTabWidget>("tabDestino");
    pantalla().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&pantalla()));
    EXPECT_GE(pestanas->width(), pestanas->tabBar()->sizeHint().width());
    EXPECT_FALSE(pestanas->usesScrollButtons());

    pestanas->setCurrentIndex(static_cast<int>(DestinoGeneracion::CD));
    pantalla().elegirCarpeta(DestinoGeneracion::CD, destino());
    auto* arbol = control<QTreeView>("dirDirectorio");
    arbol->clearSelection();
    arbol->setCurrentIndex({});
    pantalla().activateWindow();
    arbol->setFocus(Qt::TabFocusReason);
    QTest::keyClick(arbol, Qt::Key_Tab);
    EXPECT_EQ(texto("lblDest"), destino());
    QTest::keyClick(arbol, Qt::Key_Return);
    EXPECT_EQ(usuario.mensajes, QStringList{kFinCorrecto});
    EXPECT_EQ(archivosEn(destino()), QStringList{"715773F07083070451826520040300.dat"});
}


namespace {

// A settlement whose record builder cannot even be made.
class LiquidacionRota : public Liquidacion {
public:
    bool admitePresentacion() const override { return true; }
    std::unique_ptr<InterfazRegistros> registros(Sesion&) const override
    {
        throw Error(3021, "No hay ningún registro actual.");
    }
    ConfiguracionReporte formularioImpreso(const Sesion&) const override { return {}; }
    std::vector<CifraLiquidada> cifras() const override { return {}; }
};

}  // namespace

// The balance screen's button: the records are written, the destination shown, and leaving it deletes them. With no
// records written the destination is never shown.
TEST_F(Generacion, GenerarMuestraElDestinoYCancelarBorraLosRegistros)
{
    const auto generarSinPantalla = [this](const Liquidacion& liquidacion) {
        return clsGenerarDisquete(sesion, usuario, [](const DatosGeneracion&) { ADD_FAILURE() << "destino mostrado"; })
            .GenerarDisquete(liquidacion);
    };
    QWidget saldos;
    alAparecerModal([&](QWidget* ventana) {
        EXPECT_EQ(archivosEn(trabajo), QStringList{"DDJJCypf.tmp"});
        pulsar(ventana, "cmdSalir");
    });
    QFile::remove(trabajo + "DDJJCypf.tmp");
    EXPECT_TRUE(GenerarPresentacion(saldos, sesion, usuario, liquidacion));
    EXPECT_EQ(archivosEn(trabajo), QStringList());
    EXPECT_TRUE(usuario.mensajes.isEmpty()) << usuario.mensajes.join('|').toStdString();
    EXPECT_EQ(generarSinPantalla(LiquidacionRota()), false);
    EXPECT_EQ(usuario.mensajes, QStringList{"Veluma: Ha ocurrido el error 3021 con la siguiente descripción : \r\n"
                                            "No hay ningún registro actual.( Generar Disquete)(3021)"});

    // No rooms: the builder refuses, with its reason, and no destination is shown.
    usarDeclaracion(200404, 0);
    crearDeclaracion708(sesion);
    usuario.mensajes.clear();
    EXPECT_EQ(generarSinPantalla(Liquidacion708::calcular(sesion.base, sesion.declaracion)), false);
    EXPECT_EQ(usuario.mensajes.size(), 1);
}

TEST_F(Generacion, ElEscritorYElCodificadorNoDejanArchivosAMedias)
{
    escribirArchivo(trabajo + "a.tmp", "anterior");
    {
        EscritorRegistros escritor(sesion.instalacion, "a.tmp");
        EXPECT_TRUE(escritor.agregar("01abc", 5));
        escritor.anotarMotivo("No se puede leer la tabla DDJJ.\n");
        EXPECT_FALSE(escritor.agregar("02x", 2));
        EXPECT_EQ(escritor.motivo(), "No se puede leer la tabla DDJJ.\n");
    }
    EXPECT_EQ(archivosEn(trabajo).filter("a.tmp"), QStringList());

    // A good one replaces the earlier file only when closed.
    escribirArchivo(trabajo + "a.tmp", "anterior");
    EscritorRegistros escritor(sesion.instalacion, "a.tmp");
    EXPECT_TRUE(escritor.agregar("01abc", 5) && escritor.agregarUltimo("99", 2));
    EXPECT_EQ(leerArchivo(trabajo + "a.tmp"), "anterior");
    EXPECT_TRUE(escritor.cerrar());
    EXPECT_EQ(leerArchivo(trabajo + "a.tmp"), "01abc\n99\r\n");
    EXPECT_EQ(archivosEn(trabajo).filter("a.tmp"), QStringList{"a.tmp"});
    // The work folder holds declarations: its owner's alone.
    const auto ajenos = QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
    EXPECT_EQ(QFile::permissions(trabajo) & ajenos, QFile::Permissions());

    // An encoder that does not end well does not count.
    const ccGeneracion generacion(sesion.instalacion);
    const auto codificador = [&](const QByteArray& guion) {
        const QString ruta = sesion.instalacion.rutaCodificador();
        QFile::remove(ruta);
        escribirArchivo(ruta, guion);
        QFile::setPermissions(ruta, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    };
    escribirArchivo(trabajo + "DirWin.txt", leerArchivo(trabajo + "DDJJCypf.tmp"));

    // Ends well but writes nothing: an earlier output must not pass for its own.
    codificador("#!/bin/sh\nexit 0\n");
    escribirArchivo(trabajo + "DirWin1.txt", "anterior");
    EXPECT_FALSE(generacion.EncriptoArchivo("DirWin.txt", "DirWin1.txt"));
    EXPECT_FALSE(QFile::exists(trabajo + "DirWin1.txt"));

    // Nor a failure, or a crash, after writing part of it.
    for (const QByteArray fin : {"exit 3", "kill -SEGV $$"}) {
        codificador("#!/bin/sh\necho parcial > \"$3\"\n" + fin + '\n');
        EXPECT_FALSE(generacion.EncriptoArchivo("DirWin.txt", "DirWin1.txt")) << fin.constData();
    }
}

// Through the destination screen, one after the other over the files an earlier generation left: what the user is
// told when the file cannot be made ready, and what is left then. An earlier file that cannot be deleted does not
// stop the generation.
TEST_F(Generacion, LoQueImpidePrepararElArchivoSeDiceSinCopiarNada)
{
    const QString error = "Veluma: error en la linea : %1 Nro: %2 Descripción: No se %3 el archivo " + trabajo + "%4.";
    const QString sinCodificar = "Atención: No se pudo codificar el archivo de presentación: el programa dkwin no está "
                                 "instalado o falló.";
    const struct {
        const char* caso;
        std::function<void()> preparar;
        DestinoGeneracion destino;
        QStringList mensajes, quedan;
    } casos[] = {
        // filewin cannot write its result where a folder stands: neither its input nor a result is left.
        {"el codificador para Internet falla", [&] { QDir().mkpath(trabajo + "cabent.b64"); },
         DestinoGeneracion::Internet,
         {"Información: Se produjo un error durante la generación. (FileWin)",
          "Información: Se ha producido un error al generar."},
         {"DDJJCypf.tmp", "cabent.b64"}},
        {"un anterior que no se borra",
         [&] {
             QDir(trabajo + "cabent.b64").removeRecursively();
             QDir().mkpath(trabajo + "Genera.dat");
         },
         DestinoGeneracion::Internet,
         {error.arg(1).arg(75).arg("puede eliminar", "Genera.dat"), kFinCorrecto},
         {"DDJJCypf.tmp", "DirWin1.txt", "Genera.dat"}},
        {"sin registros",
         [&] {
             QDir(trabajo + "Genera.dat").removeRecursively();
             datos.cantReg = 0;
         },
         DestinoGeneracion::Disquete, {"Información: No existen registros para generar."},
         {"DDJJCypf.tmp", "DirWin1.txt", "Genera.dat"}},
        {"sin codificador",
         [&] {
             datos.cantReg = 19;
             QFile::remove(sesion.instalacion.rutaCodificador());
         },
         DestinoGeneracion::Disquete, {sinCodificar}, {"DDJJCypf.tmp"}},
        {"sin codificador, para CD", [] {}, DestinoGeneracion::CD, {sinCodificar}, {"DDJJCypf.tmp"}},
        {"sin los registros", [&] { QFile::remove(trabajo + "DDJJCypf.tmp"); }, DestinoGeneracion::CD,
         {error.arg(2).arg(53).arg("encuentra", "DDJJCypf.tmp")}, {}},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.caso);
        caso.preparar();
        escribirArchivo(trabajo + "DirWin1.txt", "anterior");
        if (!QFileInfo(trabajo + "Genera.dat").isDir())
            escribirArchivo(trabajo + "Genera.dat", "anterior");
        usuario.mensajes.clear();
        cerrarPantalla();
        pantalla().elegirCarpeta(DestinoGeneracion::Internet, destino());
        pantalla().elegirCarpeta(DestinoGeneracion::CD, destino());
        aceptar(caso.destino);
        EXPECT_EQ(usuario.mensajes, caso.mensajes);
        EXPECT_EQ(archivosEn(trabajo), caso.quedan);
    }
    EXPECT_TRUE(leerArchivo(sesion.instalacion.carpetaPrograma() + "/FWError.txt").contains("cabent.b64"));
}
