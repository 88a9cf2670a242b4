#include "core/error.h"
#include "core/sesion.h"
#include "formato_dkwin.h"
#include "generation/confirmacion_generacion.h"
#include "generation/escritor_registros.h"
#include "generation/generacion.h"
#include "generation/generar_disquete.h"
#include "generation/windows1252.h"
#include "registros_de_prueba.h"
#include "support/archivos.h"
#include "support/instalacion_temporal.h"
#include "support/mensajes_grabados.h"

#include <QFile>
#include <QTimer>
#include <gtest/gtest.h>
#include <optional>

using namespace veluma;
using veluma::test::archivosEn;
using veluma::test::escribirArchivo;
using veluma::test::leerArchivo;
using veluma::test::RegistroDePrueba;

namespace {

// A tab and a line feed in the free text, which must come out as blanks.
const QString kTextoLibre = QStringLiteral("Ñandú €\t漢\nx");
const QByteArray kLibreEscrito = QByteArray("\xD1" "and" "\xFA" " \x80 ? x") + QByteArray(9, ' ');
const QByteArray kRegistros = QByteArray("01307045182650202403000000000A\n")
    + "02000000000000000001" + kLibreEscrito + "\n"
    + "02000000000000000002" + kLibreEscrito + "\n"
    + "02000000000000000003" + kLibreEscrito + "\n"
    + "99000005    \r\n";
const QByteArray kCabecera = "HEAD10 01 01 000005\n";

class GeneracionArchivo : public ::testing::Test {
protected:
    GeneracionArchivo() { sesion.declaracion = {{}, 202403, 0, 9617}; }  // no real form has that number

    bool generar(const QList<RegistroDePrueba>& registros)
    {
        return generarCon(veluma::test::LiquidacionDePrueba(registros));
    }

    bool generarCon(const Liquidacion& liquidacion)
    {
        clsGenerarDisquete generacion(sesion, mensajes, [this](const DatosGeneracion& datos) { mostrado = datos; });
        return generacion.GenerarDisquete(liquidacion);
    }

    // Generates the usual declaration and prepares it for `destino`.
    bool generarYPreparar(DestinoGeneracion destino)
    {
        EXPECT_TRUE(generar(veluma::test::registrosDeUnaDeclaracion(kTextoLibre)));
        return mostrado && PrepararArchivo(ccGeneracion(sesion.instalacion), *mostrado, destino, mensajes);
    }

    QString trabajo(const QString& nombre = QString()) const { return sesion.instalacion.carpetaTrabajo() + nombre; }

    void crearEnTrabajo(const QString& nombre, const QByteArray& contenido)
    {
        QDir().mkpath(trabajo());
        escribirArchivo(trabajo(nombre), contenido);
    }

    void reemplazarCodificador(const QByteArray& guion)
    {
        const QString ruta = sesion.instalacion.rutaCodificador();
        QFile::remove(ruta);
        escribirArchivo(ruta, guion);
        QFile::setPermissions(ruta, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    veluma::test::InstalacionTemporal instalacion;
    veluma::test::MensajesGrabados mensajes;
    Sesion sesion{instalacion.instalacion()};
    std::optional<DatosGeneracion> mostrado;
};

TEST(GeneracionCabecera, VolumenAntesQueCantidadDeVolumenes)
{
    EXPECT_EQ(ccGeneracion::Cabecera(1, 1, 5), QStringLiteral("HEAD10 01 01 000005"));
    EXPECT_EQ(ccGeneracion::Cabecera(12, 3, 123456), QStringLiteral("HEAD10 03 12 123456"));
    EXPECT_THROW(ccGeneracion::Cabecera(1, 1, 1000000), Error);
}

TEST(GeneracionWindows1252, UnBytePorCaracter)
{
    EXPECT_EQ(aWindows1252(QStringLiteral("AÑéÿ€漢")), QByteArray("A\xD1\xE9\xFF\x80?"));
    EXPECT_EQ(aWindows1252(QStringLiteral("€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ")),
              QByteArray("\x80\x82\x83\x84\x85\x86\x87\x88\x89\x8A\x8B\x8C\x8E"
                         "\x91\x92\x93\x94\x95\x96\x97\x98\x99\x9A\x9B\x9C\x9E\x9F"));
    // A C1 control would otherwise read back as one of the specials.
    EXPECT_EQ(aWindows1252(QString(QChar(0x81)) + QChar(0x9D)), QByteArray("??"));
    const QString fueraDelPlanoBasico = QStringLiteral("a😀b");
    EXPECT_EQ(aWindows1252(fueraDelPlanoBasico), QByteArray("a??b"));
    EXPECT_EQ(aWindows1252(fueraDelPlanoBasico).size(), fueraDelPlanoBasico.size());
}

TEST_F(GeneracionArchivo, EscribeLosRegistrosYMuestraElDestino)
{
    ASSERT_TRUE(generar(veluma::test::registrosDeUnaDeclaracion(kTextoLibre)));
    EXPECT_EQ(mensajes.mensajes, QStringList());
    EXPECT_EQ(leerArchivo(trabajo(QStringLiteral("DDJJCypf.tmp"))), kRegistros);
    ASSERT_TRUE(mostrado);
    EXPECT_TRUE(mostrado->soloDisqueteras);
    EXPECT_EQ(mostrado->ArchivoTMP, QStringLiteral("DDJJCypf.tmp"));
    EXPECT_EQ(mostrado->fileDestino, QStringLiteral("123456F9617.dat"));
    EXPECT_EQ(mostrado->fileDestinoCD, "123456F961720240300.dat");
    EXPECT_EQ(mostrado->pathOrigen, trabajo());
    EXPECT_EQ(mostrado->cantReg, 5);
    EXPECT_EQ(mostrado->bytesPorDisquete, 1400000.0f);
}

TEST_F(GeneracionArchivo, RegistroDeLongitudIncorrectaNoDejaArchivoNiDestino)
{
    crearEnTrabajo(QStringLiteral("DDJJCypf.tmp"), "registros de otra declaracion\n");
    QList<RegistroDePrueba> registros = veluma::test::registrosDeUnaDeclaracion(kTextoLibre);
    registros[2].texto.chop(1);

    EXPECT_FALSE(generar(registros));
    EXPECT_EQ(mensajes.mensajes,
              QStringList{QStringLiteral("Información: La generación no se efectuó por el siguiente motivo:\r\n\r\n"
                                         "La longitud del Registro 02 es incorrecta.\r\n")});
    EXPECT_FALSE(mostrado);
    EXPECT_FALSE(QFile::exists(trabajo(QStringLiteral("DDJJCypf.tmp"))));
}

TEST_F(GeneracionArchivo, ElEscritorConservaElPrimerMotivoYNoDejaArchivo)
{
    crearEnTrabajo(QStringLiteral("a.tmp"), "anterior");
    {
        EscritorRegistros escritor(sesion.instalacion, QStringLiteral("a.tmp"));
        EXPECT_TRUE(escritor.agregar(QStringLiteral("01abc"), 5));
        escritor.anotarMotivo(QStringLiteral("No se puede leer la tabla DDJJ.\n"));
        EXPECT_FALSE(escritor.agregar(QStringLiteral("02x"), 2));
        EXPECT_EQ(escritor.motivo(), QStringLiteral("No se puede leer la tabla DDJJ.\n"));
    }
    EXPECT_FALSE(QFile::exists(trabajo(QStringLiteral("a.tmp"))));
}

TEST_F(GeneracionArchivo, ErrorInesperadoDelConstructor)
{
    class Fallida : public veluma::test::LiquidacionDePrueba {
    public:
        Fallida() : LiquidacionDePrueba({}) {}
        std::unique_ptr<InterfazRegistros> registros(Sesion&) const override
        {
            throw Error(3021, QStringLiteral("No hay ningún registro actual."));
        }
    };
    EXPECT_FALSE(generarCon(Fallida()));
    EXPECT_EQ(mensajes.mensajes,
              QStringList{QStringLiteral("Veluma: Ha ocurrido el error 3021 con la siguiente descripción : \r\n"
                                         "No hay ningún registro actual.( Generar Disquete)(3021)")});
    EXPECT_FALSE(mostrado);
}

TEST_F(GeneracionArchivo, DisqueteSinCabeceraYDecodificable)
{
    crearEnTrabajo(QStringLiteral("Genera.dat"), "anterior");
    crearEnTrabajo(QStringLiteral("DirWin1.txt"), "anterior");

    ASSERT_TRUE(generarYPreparar(DestinoGeneracion::Disquete));
    EXPECT_EQ(mensajes.mensajes, QStringList());
    const QByteArray armado = kCabecera + kRegistros;
    EXPECT_EQ(leerArchivo(trabajo(QStringLiteral("cabent.txt"))), armado);
    EXPECT_EQ(leerArchivo(trabajo(QStringLiteral("DirWin.txt"))), armado);
    const QByteArray generado = leerArchivo(trabajo(QStringLiteral("Genera.dat")));
    EXPECT_EQ(generado, codificarDkwin(armado).mid(kLargoCabeceraDkwin));
    EXPECT_EQ(decodificarDkwin(kCabecera + generado), std::optional<QByteArray>(armado));

    LimpiarTrasGeneracion(ccGeneracion(sesion.instalacion));
    EXPECT_EQ(archivosEn(trabajo()), (QStringList{QStringLiteral("DDJJCypf.tmp"), QStringLiteral("Genera.dat")}));
}

TEST_F(GeneracionArchivo, CDCodificaElArchivoEntero)
{
    ASSERT_TRUE(generarYPreparar(DestinoGeneracion::CD));
    const QByteArray armado = kCabecera + kRegistros;
    const QByteArray generado = leerArchivo(trabajo(QStringLiteral("Genera.dat")));
    EXPECT_EQ(generado, codificarDkwin(armado));
    EXPECT_EQ(decodificarDkwin(generado), std::optional<QByteArray>(armado));
    EXPECT_FALSE(QFile::exists(trabajo(QStringLiteral("DirWin1.txt"))));
}

TEST_F(GeneracionArchivo, InternetSoloArmaLaCabecera)
{
    crearEnTrabajo(QStringLiteral("Genera.dat"), "anterior");
    ASSERT_TRUE(generarYPreparar(DestinoGeneracion::Internet));
    EXPECT_EQ(leerArchivo(trabajo(QStringLiteral("cabent.txt"))), kCabecera + kRegistros);
    EXPECT_EQ(archivosEn(trabajo()), (QStringList{QStringLiteral("DDJJCypf.tmp"), QStringLiteral("cabent.txt")}));
}

TEST_F(GeneracionArchivo, UnAnteriorQueNoSeBorraNoDetieneInternet)
{
    ASSERT_TRUE(QDir().mkpath(trabajo(QStringLiteral("Genera.dat"))));
    EXPECT_TRUE(generarYPreparar(DestinoGeneracion::Internet));
    EXPECT_EQ(mensajes.mensajes, QStringList{QStringLiteral("Veluma: error en la linea : 1 Nro: 75 Descripción: "
                                                            "No se puede eliminar el archivo ")
                                             + trabajo(QStringLiteral("Genera.dat")) + QLatin1Char('.')});
    EXPECT_EQ(leerArchivo(trabajo(QStringLiteral("cabent.txt"))), kCabecera + kRegistros);
}

TEST_F(GeneracionArchivo, SinCodificadorNoQuedaArchivoGenerado)
{
    ASSERT_TRUE(QFile::remove(sesion.instalacion.rutaCodificador()));
    for (const DestinoGeneracion destino : {DestinoGeneracion::Disquete, DestinoGeneracion::CD}) {
        mensajes.mensajes.clear();
        crearEnTrabajo(QStringLiteral("Genera.dat"), "anterior");
        EXPECT_FALSE(generarYPreparar(destino));
        EXPECT_EQ(mensajes.mensajes,
                  QStringList{QStringLiteral("Atención: No se pudo codificar el archivo de presentación: "
                                             "el programa dkwin no está instalado o falló.")});
        EXPECT_FALSE(QFile::exists(trabajo(QStringLiteral("Genera.dat"))));
        EXPECT_FALSE(QFile::exists(trabajo(QStringLiteral("DirWin1.txt"))));
    }
}

TEST_F(GeneracionArchivo, CodificadorQueNoTerminaBienNoCuenta)
{
    const ccGeneracion generacion(sesion.instalacion);
    crearEnTrabajo(QStringLiteral("DirWin.txt"), kCabecera + kRegistros);

    // Ends well but writes nothing: an earlier output must not pass for its own.
    reemplazarCodificador("#!/bin/sh\nexit 0\n");
    crearEnTrabajo(QStringLiteral("DirWin1.txt"), "anterior");
    EXPECT_FALSE(generacion.EncriptoArchivo(QStringLiteral("DirWin.txt"), QStringLiteral("DirWin1.txt")));
    EXPECT_FALSE(QFile::exists(trabajo(QStringLiteral("DirWin1.txt"))));

    reemplazarCodificador("#!/bin/sh\necho parcial > \"$3\"\nexit 3\n");
    EXPECT_FALSE(generacion.EncriptoArchivo(QStringLiteral("DirWin.txt"), QStringLiteral("DirWin1.txt")));
}

int enShell(const char* orden)
{
    return ccGeneracion::ExecCmdNoFocus(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QString::fromUtf8(orden)});
}

TEST(GeneracionEjecucion, CodigoDeSalidaYPantallasAtendidas)
{
    bool atendido = false;
    QTimer::singleShot(0, [&] { atendido = true; });
    EXPECT_EQ(enShell("sleep 0.3; exit 7"), 7);
    EXPECT_TRUE(atendido);

    EXPECT_EQ(ccGeneracion::ExecCmdNoFocus(QStringLiteral("/no/existe/dkwin"), {}), -1);
    EXPECT_EQ(enShell("kill -SEGV $$"), -1);
}

TEST_F(GeneracionArchivo, SinRegistrosOSinSuArchivoNoArmaNada)
{
    DatosGeneracion datos;
    datos.ArchivoTMP = QStringLiteral("DDJJCypf.tmp");
    EXPECT_FALSE(PrepararArchivo(ccGeneracion(sesion.instalacion), datos, DestinoGeneracion::Disquete, mensajes));

    datos.cantReg = 5;
    EXPECT_FALSE(PrepararArchivo(ccGeneracion(sesion.instalacion), datos, DestinoGeneracion::CD, mensajes));
    EXPECT_EQ(mensajes.mensajes,
              (QStringList{QStringLiteral("Información: No existen registros para generar."),
                           QStringLiteral("Veluma: error en la linea : 2 Nro: 53 Descripción: No se encuentra el archivo ")
                               + trabajo(QStringLiteral("DDJJCypf.tmp")) + QLatin1Char('.')}));
    EXPECT_EQ(archivosEn(trabajo()), QStringList());
}

TEST_F(GeneracionArchivo, CabeceraDelanteDeVariosBloques)
{
    QByteArray registros;
    for (int i = 0; registros.size() < 5000; ++i)
        registros += QByteArray::number(i).rightJustified(29, '0') + '\n';
    crearEnTrabajo(QStringLiteral("DDJJCypf.tmp"), registros);

    const ccGeneracion generacion(sesion.instalacion);
    generacion.ArmoArchivo(QStringLiteral("DDJJCypf.tmp"), QStringLiteral("cabent.txt"), 173);
    EXPECT_EQ(leerArchivo(trabajo(QStringLiteral("cabent.txt"))), "HEAD10 01 01 000173\n" + registros);
}

TEST_F(GeneracionArchivo, SacoCabeceraAuxiliarDeMasDeUnBloque)
{
    QByteArray codificado = kCabecera;
    for (int i = 0; codificado.size() < 4500000; ++i)
        codificado += char(i * 7 % 251);
    crearEnTrabajo(QStringLiteral("DirWin1.txt"), codificado);
    crearEnTrabajo(QStringLiteral("Genera.dat"), "anterior");

    const ccGeneracion generacion(sesion.instalacion);
    generacion.SacoCabeceraAuxiliar(QStringLiteral("DirWin1.txt"), QStringLiteral("Genera.dat"), 5);
    EXPECT_EQ(leerArchivo(trabajo(QStringLiteral("Genera.dat"))), codificado.mid(20));
    EXPECT_FALSE(QFile::exists(trabajo(QStringLiteral("DirWin1.txt"))));
}

}  // namespace
