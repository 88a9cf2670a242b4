// What goes wrong between a form's records and the file a destination copies: the builder, the working files and
// the encoder program. The good path is followed in the destination screen's tests.

#include "core/error.h"
#include "generacion_de_prueba.h"
#include "generation/escritor_registros.h"
#include "generation/generacion.h"
#include "printing/configuracion_reporte.h"

#include <QTimer>

using namespace veluma;
using veluma::test::archivosEn;
using veluma::test::escribirArchivo;
using veluma::test::leerArchivo;
using veluma::test::kFinCorrecto;
using Generacion = veluma::test::GeneracionDePrueba;

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
};

}  // namespace

TEST_F(Generacion, SinRegistrosEscritosNoSeMuestraElDestino)
{
    bool mostrado = false;
    const auto generar = [&](const Liquidacion& liquidacion) {
        return clsGenerarDisquete(sesion, usuario, [&](const DatosGeneracion&) { mostrado = true; })
            .GenerarDisquete(liquidacion);
    };
    usarDeclaracion(200404, 0);
    veluma::test::crearDeclaracion708(sesion);  // no rooms: the builder refuses, with its reason
    EXPECT_FALSE(generar(Liquidacion708::calcular(sesion.base, sesion.declaracion)));
    EXPECT_EQ(usuario.mensajes.size(), 1);
    EXPECT_FALSE(mostrado);

    usuario.mensajes.clear();
    EXPECT_FALSE(generar(LiquidacionRota()));
    EXPECT_EQ(usuario.mensajes, QStringList{"Veluma: Ha ocurrido el error 3021 con la siguiente descripción : \r\n"
                                            "No hay ningún registro actual.( Generar Disquete)(3021)"});
    EXPECT_FALSE(mostrado);
}

TEST_F(Generacion, ElEscritorConservaElPrimerMotivoYNoDejaArchivo)
{
    escribirArchivo(trabajo + "a.tmp", "anterior");
    {
        EscritorRegistros escritor(sesion.instalacion, "a.tmp");
        EXPECT_TRUE(escritor.agregar("01abc", 5));
        escritor.anotarMotivo("No se puede leer la tabla DDJJ.\n");
        EXPECT_FALSE(escritor.agregar("02x", 2));
        EXPECT_EQ(escritor.motivo(), "No se puede leer la tabla DDJJ.\n");
    }
    EXPECT_FALSE(QFile::exists(trabajo + "a.tmp"));
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

TEST_F(Generacion, CodificadorQueNoTerminaBienNoCuenta)
{
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

    codificador("#!/bin/sh\necho parcial > \"$3\"\nexit 3\n");
    EXPECT_FALSE(generacion.EncriptoArchivo("DirWin.txt", "DirWin1.txt"));
}

TEST(GeneracionEjecucion, CodigoDeSalidaYPantallasAtendidas)
{
    const auto enShell = [](const char* orden) { return ccGeneracion::ExecCmdNoFocus("/bin/sh", {"-c", orden}); };
    bool atendido = false;
    QTimer::singleShot(0, [&] { atendido = true; });
    EXPECT_EQ(enShell("sleep 0.3; exit 7"), 7);
    EXPECT_TRUE(atendido);

    EXPECT_EQ(ccGeneracion::ExecCmdNoFocus("/no/existe/dkwin", {}), -1);
    EXPECT_EQ(enShell("kill -SEGV $$"), -1);
}
