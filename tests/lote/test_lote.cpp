#include "core/cierre.h"
#include "core/clave.h"
#include "core/database.h"
#include "core/inicio.h"
#include "declaracion_708.h"
#include "f708/interfaz_708.h"
#include "f708/saldos.h"
#include "generation/verificacion_archivo.h"
#include "opciones_lote.h"
#include "support/archivos.h"
#include "support/pdf.h"
#include "support/sesion_de_prueba.h"
#include "support/verificador.h"

#include <QDir>
#include <QLockFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using namespace veluma;
using veluma::test::archivosEn;
using veluma::test::leerArchivo;

namespace {

struct Corrida {
    int codigo = -1;
    QString salida;
    QString errores;
};

// veluma-lote as a script runs it, over a temporary installation whose
// working database was left by a closed session.
class Lote : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(temporal.isValid());
        ASSERT_TRUE(QDir().mkpath(destino()));
        cuit = instalacion.cuits().first();
    }

    QString destino() const { return temporal.filePath(QStringLiteral("cd")); }
    QString rutaBase() const { return instalacion.instalacion().rutaBaseTrabajo(); }
    QString pdf() const { return temporal.filePath(QStringLiteral("form708.pdf")); }

    // Opens the working database as start-up does, lets `cargar` store what
    // the test needs, and closes it as the program does.
    void prepararBase(const std::function<void(Sesion&)>& cargar)
    {
        Sesion sesion(instalacion.instalacion());
        sesion.cuit = cuit;
        test::MensajesGrabados mensajes;
        test::abrirSesion(sesion, mensajes);
        cargar(sesion);
        const ResultadoCierre cierre = CerrarBaseTrabajo(sesion.base, sesion.instalacion);
        ASSERT_TRUE(cierre.compactada && cierre.protegida) << cierre.problema.toStdString();
    }

    QStringList argumentos(const QString& formulario = QStringLiteral("708")) const
    {
        return {QStringLiteral("--instalacion"), instalacion.carpetaPrograma(),
                QStringLiteral("--cuit"),        cuit,
                QStringLiteral("--formulario"),  formulario,
                QStringLiteral("--periodo"),     QStringLiteral("200403"),
                QStringLiteral("--secuencia"),   QStringLiteral("0"),
                QStringLiteral("--destino"),     destino()};
    }

    Corrida correr(const QStringList& argumentos)
    {
        QProcess proceso;
        QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
        entorno.remove(QStringLiteral("WINDIR"));
        entorno.remove(QStringLiteral("QT_QPA_PLATFORM"));          // the tool sets it for itself
        entorno.insert(QStringLiteral("TMPDIR"), temporal.path());  // where the single-instance lock lives
        entorno.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
        proceso.setProcessEnvironment(entorno);
        proceso.start(instalacion.carpetaPrograma() + QStringLiteral("/veluma-lote"), argumentos);
        EXPECT_TRUE(proceso.waitForFinished(120000));
        return {proceso.exitCode(), QString::fromUtf8(proceso.readAllStandardOutput()),
                QString::fromUtf8(proceso.readAllStandardError())};
    }

    // Resting scrambled, the file is no database; unscrambled, it opens with
    // what was stored.
    void esperarBaseMezcladaCon(qint64 declaraciones)
    {
        EXPECT_THROW(Database::open(rutaBase(), contrasenaBase()), DbError);
        EXPECT_FALSE(QFile::exists(instalacion.instalacion().rutaCompactacion()));
        const QString copia = temporal.filePath(QStringLiteral("copia.mdb"));
        QFile::remove(copia);
        ASSERT_TRUE(QFile::copy(rutaBase(), copia));
        clsInicio::EncriptaDesencripta(copia);
        Database base = Database::open(copia, contrasenaBase());
        Statement cuenta = base.prepare(QStringLiteral("SELECT count(*) FROM DDJJ"));
        ASSERT_TRUE(cuenta.next());
        EXPECT_EQ(cuenta.integer(0), declaraciones);
    }

    test::InstalacionTemporal instalacion{false};
    QTemporaryDir temporal;
    QString cuit;
};

TEST_F(Lote, GeneraElArchivoParaCdEImprimeElFormulario)
{
    QString verificacion;
    prepararBase([&](Sesion& sesion) {
        test::cargarDeclaracion708(sesion);
        sesion.formulario = 708;
        sesion.periodo = test::kPeriodo;
        const double saldo = saldoParaGeneracion(sesion, 10);
        EXPECT_DOUBLE_EQ(saldo, 46.37);
        verificacion = numeroVerificacion708(sesion.base, {cuit, test::kPeriodo, 0, 708}, saldo);
    });
    ASSERT_EQ(verificacion.size(), 6);

    const Corrida corrida = correr(argumentos() << QStringLiteral("--pdf") << pdf());
    ASSERT_EQ(corrida.codigo, 0) << corrida.errores.toStdString();

    // Only the path on standard output, named as the CD destination names it.
    const QString archivo = corrida.salida.trimmed();
    EXPECT_EQ(corrida.salida, archivo + QLatin1Char('\n'));
    EXPECT_EQ(archivo,
              destino() + QLatin1Char('/') + verificacion + QStringLiteral("F070830704518265200403") + "00.dat");
    EXPECT_TRUE(
        QRegularExpression(QStringLiteral("/[0-9]{6}F0708[0-9]{11}[0-9]{6}[0-9]{2}\\.dat$")).match(archivo).hasMatch());
    EXPECT_EQ(archivosEn(destino()), QStringList{QFileInfo(archivo).fileName()});
    EXPECT_TRUE(corrida.errores.contains(QStringLiteral("Información: El proceso finalizó correctamente.")))
        << corrida.errores.toStdString();

    // What the taxpayer runs before handing it in accepts it, and it holds both rooms.
    test::salidaDelVerificador(instalacion.carpetaPrograma(), {archivo});
    const ResultadoVerificacion contenido = VerificarPresentacion({archivo});
    ASSERT_TRUE(contenido.valido) << contenido.problema.toStdString();
    EXPECT_EQ(contenido.cabecera,
              QStringLiteral("HEAD10 01 01 %1").arg(contenido.registros.size(), 6, 10, QLatin1Char('0')));
    EXPECT_TRUE(contenido.registros.first().startsWith(QStringLiteral("01")));
    const QString registros = contenido.registros.join(QLatin1Char('\n'));
    EXPECT_TRUE(registros.contains(QStringLiteral("123456")) && registros.contains(QStringLiteral("654321")));

    // The working files of the generation are gone, as after the screen.
    EXPECT_FALSE(QFile::exists(instalacion.instalacion().carpetaTrabajo() + QStringLiteral("DDJJCypf.tmp")));
    EXPECT_FALSE(QFile::exists(instalacion.instalacion().carpetaTrabajo() + QStringLiteral("cabent.txt")));
    EXPECT_FALSE(QFile::exists(instalacion.instalacion().carpetaTrabajo() + QStringLiteral("DirWin.txt")));

    const QString impreso = test::textoDelPdf(pdf(), true).value_or(QString());
    for (const QString& esperado :
         {cuit, QStringLiteral("Cines del Plata S.A."), QStringLiteral("03/2004"), QStringLiteral("0 - Original"),
          QStringLiteral("10,00 %"), verificacion, QStringLiteral("96,37"), QStringLiteral("46,37")})
        EXPECT_TRUE(impreso.contains(esperado)) << esperado.toStdString() << "\n" << impreso.toStdString();

    esperarBaseMezcladaCon(1);
}

TEST_F(Lote, UnArchivoAnteriorSeReemplazaYLaBaseVuelveAQuedarMezclada)
{
    prepararBase([](Sesion& sesion) { test::cargarDeclaracion708(sesion); });
    const Corrida primera = correr(argumentos());
    ASSERT_EQ(primera.codigo, 0) << primera.errores.toStdString();
    const QString archivo = primera.salida.trimmed();
    const QByteArray generado = leerArchivo(archivo);
    test::escribirArchivo(archivo, "restos de otra presentación");

    // Nobody answers in a script: the question takes its default, Sí.
    const Corrida segunda = correr(argumentos());
    ASSERT_EQ(segunda.codigo, 0) << segunda.errores.toStdString();
    EXPECT_EQ(segunda.salida.trimmed(), archivo);
    EXPECT_TRUE(segunda.errores.contains(QStringLiteral("Advertencia: El archivo ya existe, desea reemplazarlo")));
    // The same declaration gives the same file.
    EXPECT_EQ(leerArchivo(archivo), generado);
    esperarBaseMezcladaCon(1);
}

TEST_F(Lote, SinSalasNoEscribeNadaYDiceElMotivo)
{
    prepararBase([](Sesion& sesion) { test::cargarDeclaracion708(sesion, false); });
    const Corrida corrida = correr(argumentos() << QStringLiteral("--pdf") << pdf());
    EXPECT_EQ(corrida.codigo, 1);
    EXPECT_EQ(corrida.salida, QString());
    EXPECT_TRUE(corrida.errores.contains(QStringLiteral(
        "Información: La generación no se efectuó por el siguiente motivo:\\r\\n\\r\\nNo tiene Salas ingresadas.")))
        << corrida.errores.toStdString();
    EXPECT_EQ(archivosEn(destino()), QStringList());
    EXPECT_FALSE(QFile::exists(pdf()));
    esperarBaseMezcladaCon(1);
}

TEST_F(Lote, UnaDeclaracionQueNoExisteNoSeGenera)
{
    prepararBase([](Sesion& sesion) { test::cargarDeclaracion708(sesion); });
    QStringList otroPeriodo = argumentos();
    otroPeriodo[otroPeriodo.indexOf(QStringLiteral("200403"))] = QStringLiteral("200404");
    const Corrida corrida = correr(otroPeriodo);
    EXPECT_EQ(corrida.codigo, 1);
    EXPECT_EQ(corrida.salida, QString());
    EXPECT_TRUE(corrida.errores.contains(
        QStringLiteral("Información: No existe la declaración jurada del formulario 708 de la CUIT 30-70451826-5 "
                       "para el período 04/2004, secuencia 0 - Original.")))
        << corrida.errores.toStdString();
    EXPECT_EQ(archivosEn(destino()), QStringList());
    esperarBaseMezcladaCon(1);
}

TEST_F(Lote, ConElProgramaAbiertoSeNiegaSinTocarLaBase)
{
    prepararBase([](Sesion& sesion) { test::cargarDeclaracion708(sesion); });
    const QByteArray antes = leerArchivo(rutaBase());
    QLockFile programa(temporal.filePath(QStringLiteral("veluma.lock")));
    ASSERT_TRUE(programa.tryLock(0));

    const Corrida corrida = correr(argumentos());
    EXPECT_EQ(corrida.codigo, 1);
    EXPECT_EQ(corrida.salida, QString());
    EXPECT_EQ(corrida.errores.trimmed(), QStringLiteral("Información: Veluma ya se está ejecutando en esta máquina."));
    EXPECT_EQ(leerArchivo(rutaBase()), antes);
    EXPECT_EQ(archivosEn(destino()), QStringList());

    // Once the program ends, the same run goes through.
    programa.unlock();
    EXPECT_EQ(correr(argumentos()).codigo, 0);
}

TEST_F(Lote, LosOtrosFormulariosYLasCarpetasQueFaltanNoTocanLaBase)
{
    prepararBase([](Sesion& sesion) { test::cargarDeclaracion708(sesion); });
    const QByteArray antes = leerArchivo(rutaBase());

    const Corrida otroFormulario = correr(argumentos(QStringLiteral("617")));
    EXPECT_EQ(otroFormulario.codigo, 1);
    EXPECT_EQ(otroFormulario.errores.trimmed(),
              QStringLiteral("Información: La generación del archivo de presentación no está disponible para el "
                             "formulario 617."));

    QStringList sinDestino = argumentos();
    sinDestino.last() = temporal.filePath(QStringLiteral("no-existe"));
    const Corrida sinCarpeta = correr(sinDestino);
    EXPECT_EQ(sinCarpeta.codigo, 1);
    EXPECT_EQ(sinCarpeta.errores.trimmed(),
              QStringLiteral("Atención: No existe la carpeta de destino %1.").arg(sinDestino.last()));

    // A folder without an installation gets no working database of its own.
    QStringList otraCarpeta = argumentos();
    otraCarpeta[1] = temporal.path();
    const Corrida sinInstalacion = correr(otraCarpeta);
    EXPECT_EQ(sinInstalacion.codigo, 1);
    EXPECT_FALSE(QFile::exists(temporal.filePath(QStringLiteral("veluma.mdb"))));

    EXPECT_EQ(leerArchivo(rutaBase()), antes);
    EXPECT_EQ(archivosEn(destino()), QStringList());
}

TEST_F(Lote, UnaLineaDeComandosIncorrectaTerminaConDos)
{
    for (const QStringList& mal :
         {QStringList{}, QStringList{QStringLiteral("--cuit")}, argumentos() << QStringLiteral("--copias"),
          QStringList(argumentos()).replaceInStrings(QStringLiteral("200403"), QStringLiteral("200413"))}) {
        const Corrida corrida = correr(mal);
        EXPECT_EQ(corrida.codigo, 2) << mal.join(' ').toStdString();
        EXPECT_EQ(corrida.salida, QString());
        EXPECT_TRUE(corrida.errores.contains(QStringLiteral("Uso: veluma-lote --instalacion CARPETA")));
    }
    const Corrida ayuda = correr({QStringLiteral("--ayuda")});
    EXPECT_EQ(ayuda.codigo, 0);
    EXPECT_TRUE(ayuda.salida.startsWith(QStringLiteral("Uso: veluma-lote")));
    EXPECT_FALSE(QFile::exists(rutaBase()));
}

// ---- Reading the command line ---------------------------------------------

QString problemaDe(const QStringList& argumentos) { return lote::leerOpciones(argumentos).problema; }

QStringList completa()
{
    return {"--instalacion", "/opt/veluma", "--cuit", "30-70451826-5", "--formulario", "708", "--periodo",
            "200403",        "--secuencia", "2",      "--destino",     "/media/cd"};
}

TEST(OpcionesLote, LeeTodasLasOpcionesEnCualquierOrden)
{
    QStringList argumentos = completa();
    argumentos.prepend(QStringLiteral("/tmp/f.pdf"));
    argumentos.prepend(QStringLiteral("--pdf"));
    const lote::LecturaOpciones lectura = lote::leerOpciones(argumentos);
    ASSERT_TRUE(lectura.opciones) << lectura.problema.toStdString();
    EXPECT_EQ(lectura.opciones->instalacion, QStringLiteral("/opt/veluma"));
    EXPECT_EQ(lectura.opciones->cuit, QStringLiteral("30-70451826-5"));
    EXPECT_EQ(lectura.opciones->formulario, 708);
    EXPECT_EQ(lectura.opciones->periodo, 200403);
    EXPECT_EQ(lectura.opciones->secuencia, 2);
    EXPECT_EQ(lectura.opciones->destino, QStringLiteral("/media/cd"));
    EXPECT_EQ(lectura.opciones->pdf, QStringLiteral("/tmp/f.pdf"));
    EXPECT_EQ(lote::leerOpciones(completa()).opciones->pdf, QString());
}

TEST(OpcionesLote, CadaProblemaTieneSuMensaje)
{
    const auto con = [](const QString& opcion, const QString& valor) {
        QStringList argumentos = completa();
        argumentos[argumentos.indexOf(opcion) + 1] = valor;
        return argumentos;
    };
    QStringList sinCuit = completa();
    sinCuit.remove(2, 2);
    EXPECT_EQ(problemaDe(sinCuit), QStringLiteral("Falta la opción --cuit."));
    EXPECT_EQ(problemaDe(completa() << QStringLiteral("--copias") << QStringLiteral("2")),
              QStringLiteral("Opción desconocida: \"--copias\"."));
    EXPECT_EQ(problemaDe(completa() << QStringLiteral("--cuit") << QStringLiteral("20-1")),
              QStringLiteral("La opción --cuit se indicó más de una vez."));
    EXPECT_EQ(problemaDe(completa() << QStringLiteral("--pdf")), QStringLiteral("Falta el valor de la opción --pdf."));
    EXPECT_EQ(problemaDe(con(QStringLiteral("--cuit"), QStringLiteral("--periodo"))),
              QStringLiteral("Falta el valor de la opción --cuit."));
    EXPECT_EQ(problemaDe(con(QStringLiteral("--cuit"), QStringLiteral("  "))),
              QStringLiteral("Falta el valor de la opción --cuit."));
    EXPECT_EQ(problemaDe(con(QStringLiteral("--formulario"), QStringLiteral("709"))),
              QStringLiteral("El formulario debe ser 617, 618 o 708: \"709\"."));
    for (const char* periodo : {"2004-03", "200400", "200413", "20043", "2004031", "marzo", "２００４０３"}) {
        EXPECT_EQ(
            problemaDe(con(QStringLiteral("--periodo"), periodo)),
            QStringLiteral("El período debe tener la forma AAAAMM, con el mes entre 01 y 12: \"%1\".").arg(periodo));
    }
    for (const QString secuencia : {"4", "-1", "01", "uno", ""}) {
        EXPECT_EQ(problemaDe(con(QStringLiteral("--secuencia"), secuencia)),
                  secuencia.isEmpty()
                      ? QStringLiteral("Falta el valor de la opción --secuencia.")
                      : QStringLiteral("La secuencia debe ser un número de 0 a 3 (0 es la original): \"%1\".")
                            .arg(secuencia));
    }
    EXPECT_TRUE(lote::leerOpciones(con(QStringLiteral("--periodo"), QStringLiteral("199912"))).opciones);
    EXPECT_TRUE(lote::leerOpciones({QStringLiteral("--help")}).ayuda);
}

}  // namespace
