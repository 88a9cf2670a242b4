#include "core/cierre.h"
#include "core/clave.h"
#include "core/database.h"
#include "core/inicio.h"
#include "f708/liquidacion_708.h"
#include "f708/reportes_708.h"
#include "generation/verificacion_archivo.h"
#include "opciones_lote.h"
#include "printing/configuracion_reporte.h"
#include "printing/documento/pdf.h"
#include "printing/documento/reporte_armado.h"
#include "printing/reporte.h"
#include "support/archivos.h"
#include "support/declaracion_617.h"
#include "support/declaracion_618.h"
#include "support/declaracion_708.h"
#include "support/filas.h"
#include "support/pdf.h"
#include "support/sesion_de_prueba.h"
#include "support/verificador.h"

#include <QDir>
#include <QLockFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <sys/stat.h>
#include <unistd.h>

using namespace veluma;
using veluma::test::archivosEn;
using veluma::test::leerArchivo;

namespace {

struct Corrida {
    int codigo = -1;
    QString salida;
    QString errores;

    // The exit code and the last line of standard error, where the outcome is told.
    QString final() const { return QString::number(codigo) + ' ' + errores.trimmed().split('\n').last(); }
};

// veluma-lote as a script runs it, over the working database a closed session left, and the printed forms it
// writes from the templates installed in the program folder.
class Lote : public test::SesionDePrueba {
protected:
    void SetUp() override
    {
        SesionDePrueba::SetUp();
        ASSERT_TRUE(temporal.isValid());
        ASSERT_TRUE(QDir().mkpath(destino()));
    }

    QString destino() const { return temporal.filePath(QStringLiteral("cd")); }
    QString rutaBase() const { return instalacion.instalacion().rutaBaseTrabajo(); }
    QString pdf() const { return temporal.filePath(QStringLiteral("form708.pdf")); }

    // Stores the reference declaration (with or without rooms) and closes the working database as the program does.
    void prepararBase(bool conSalas = true)
    {
        test::declaracionDeReferencia708(sesion, conSalas);
        const ResultadoCierre cierre = CerrarBaseTrabajo(sesion.base, sesion.instalacion);
        ASSERT_TRUE(cierre.compactada && cierre.protegida) << cierre.problema.toStdString();
    }

    QStringList argumentos(const QString& formulario = QStringLiteral("708")) const
    {
        return {"--instalacion", instalacion.carpetaPrograma(), "--cuit",      instalacion.cuits().first(),
                "--formulario",  formulario,                    "--periodo",   "200403",
                "--secuencia",   "0",                           "--destino",   destino()};
    }

    void iniciar(QProcess& proceso, const QStringList& argumentos)
    {
        QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
        entorno.remove(QStringLiteral("WINDIR"));
        entorno.remove(QStringLiteral("QT_QPA_PLATFORM"));          // the tool sets it for itself
        entorno.insert(QStringLiteral("TMPDIR"), temporal.path());  // where the single-instance lock lives
        entorno.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
        proceso.setProcessEnvironment(entorno);
        proceso.start(instalacion.carpetaPrograma() + QStringLiteral("/veluma-lote"), argumentos);
    }

    // `comoOtro`: as an ordinary user when the test runs as root, who writes anywhere.
    Corrida correr(const QStringList& argumentos, bool comoOtro = false)
    {
        QProcess proceso;
        if (comoOtro && ::geteuid() == 0)
            proceso.setChildProcessModifier([] {
                if (::setgid(65534) != 0 || ::setuid(65534) != 0)
                    ::_exit(3);
            });
        iniciar(proceso, argumentos);
        EXPECT_TRUE(proceso.waitForFinished(120000));
        return {proceso.exitCode(), QString::fromUtf8(proceso.readAllStandardOutput()),
                QString::fromUtf8(proceso.readAllStandardError())};
    }

    // Resting scrambled, the file is no database; unscrambled, it opens with its declaration.
    void esperarBaseMezclada()
    {
        EXPECT_THROW(Database::open(rutaBase(), contrasenaBase()), DbError);
        EXPECT_FALSE(QFile::exists(instalacion.instalacion().rutaCompactacion()));
        EXPECT_EQ(filasGuardadas("SELECT count(*) FROM DDJJ"), QStringList{"1"});
    }
    // What the closed working database holds, read from an unscrambled copy.
    QStringList filasGuardadas(const char* sql)
    {
        const QString copia = temporal.filePath(QStringLiteral("copia.mdb"));
        QFile::remove(copia);
        EXPECT_TRUE(QFile::copy(rutaBase(), copia));
        clsInicio::EncriptaDesencripta(copia);
        Database base = Database::open(copia, contrasenaBase());
        return test::filasDeConsulta(base, QString::fromUtf8(sql));
    }

    // The rooms list as its print button lays it out: once to count the pages, then with the count.
    ConfiguracionReporte listaDeSalas()
    {
        ConfiguracionReporte configuracion = reporteSalas(sesion);
        configuracion.Formula(10, formulaUltimaHoja(paginas(armarReporte(configuracion, sesion.base))));
        return configuracion;
    }

    QString imprimir(const ConfiguracionReporte& configuracion)
    {
        const QString ruta = temporal.filePath(QStringLiteral("reporte.pdf"));
        guardarPdf(armarReporte(configuracion, sesion.base), ruta);
        return test::textoDelPdf(ruta, true).value_or(QString());
    }

    QTemporaryDir temporal;
};

// How many printed lines show these cells in order.
qsizetype lineasCon(const QString& texto, const QStringList& celdas)
{
    QStringList escapadas;
    for (const QString& celda : celdas)
        escapadas += QRegularExpression::escape(celda);
    const QRegularExpression patron(escapadas.join(QStringLiteral("\\s+")));
    const QStringList lineas = texto.split(QLatin1Char('\n'));
    return std::count_if(lineas.begin(), lineas.end(), [&](const QString& l) { return patron.match(l).hasMatch(); });
}

}  // namespace

TEST_F(Lote, GeneraElArchivoDeLaDeclaracionEImprimeElFormulario)
{
    prepararBase();
    const Corrida corrida = correr(argumentos() << QStringLiteral("--pdf") << pdf());
    EXPECT_EQ(corrida.final(), "0 Información: El proceso finalizó correctamente.");

    // Only the path on standard output, named as the CD destination names it.
    const QString archivo = destino() + QStringLiteral("/715773F07083070451826520040300.dat");
    EXPECT_EQ(corrida.salida, archivo + QLatin1Char('\n'));
    EXPECT_EQ(archivosEn(destino()), QStringList{QFileInfo(archivo).fileName()});

    // Exactly the records the screens write, and what the taxpayer runs before handing it in accepts it.
    const ResultadoVerificacion contenido = VerificarPresentacion({archivo});
    EXPECT_EQ(contenido.problema + contenido.cabecera + '\n' + contenido.registros.join('\n') + "\r\n",
              "HEAD10 01 01 000019\n" + QString::fromLatin1(leerArchivo(VELUMA_DATOS_PRUEBA "/F0708_esperado.dat")));
    test::salidaDelVerificador(instalacion.carpetaPrograma(), {archivo});
    // Of the working files only the encoded one stays, as after the screen.
    EXPECT_EQ(archivosEn(instalacion.instalacion().carpetaTrabajo()), QStringList{"Genera.dat"});

    const QString impreso = test::textoDelPdf(pdf(), true).value_or(QString());
    for (const char* esperado : {"30-70451826-5", "Cines del Plata S.A.", "03/2004", "10,00 %", "715773", "288,18",
                                 "272,68"})
        EXPECT_TRUE(impreso.contains(QString::fromUtf8(esperado))) << esperado << "\n" << impreso.toStdString();

    // Run again over a file of the same name: the question takes its default, Sí, and the bytes are the same.
    const QByteArray generado = leerArchivo(archivo);
    test::escribirArchivo(archivo, "restos de otra presentación");
    const Corrida segunda = correr(argumentos());
    EXPECT_EQ(segunda.final(), "0 Información: El proceso finalizó correctamente.");
    EXPECT_TRUE(segunda.errores.contains(QStringLiteral("Advertencia: El archivo ya existe, desea reemplazarlo")));
    EXPECT_EQ(leerArchivo(archivo), generado);
    esperarBaseMezclada();
}

TEST_F(Lote, LoQueNoSePuedeGenerarNoEscribeNadaYDiceElMotivo)
{
    prepararBase(false);
    // Refused without touching the database: the program open, other forms, folders that are missing, a wrong
    // command line (its usage and code 2; each problem's message is checked where the options are read).
    const QByteArray antes = leerArchivo(rutaBase());
    QLockFile programa(temporal.filePath(QStringLiteral("veluma.lock")));
    ASSERT_TRUE(programa.tryLock(0));
    EXPECT_EQ(correr(argumentos()).final(), "1 Información: Veluma ya se está ejecutando en esta máquina.");
    programa.unlock();

    const QString noExiste = temporal.filePath(QStringLiteral("no-existe"));
    // A folder without an installation gets no working database of its own.
    QStringList otraCarpeta = argumentos();
    otraCarpeta[1] = temporal.path();
    const QString uso = "Uso: veluma-lote --instalacion CARPETA";
    const QList<std::pair<QStringList, QString>> rechazos{
        {argumentos().replaceInStrings(destino(), noExiste),
         "1 Atención: No existe la carpeta de destino " + noExiste + '.'},
        {argumentos().replaceInStrings(destino(), rutaBase()),
         "1 Atención: El destino " + rutaBase() + " es un archivo: indique una carpeta."},
        {argumentos().replaceInStrings("200403", "000001"),
         "1 Atención: El Periodo Fiscal no puede ser inferior al 01/1994."},
        {otraCarpeta,
         "1 Atención: La carpeta " + temporal.path() + " no tiene una instalación de Veluma: falta Si010000.mdb."},
        {{}, uso},
        {argumentos() << QStringLiteral("--copias"), uso}};
    for (const auto& [mal, mensaje] : rechazos) {
        const Corrida corrida = correr(mal);
        if (mensaje == uso) {
            EXPECT_EQ(corrida.salida, QString());
            EXPECT_TRUE(corrida.codigo == 2 && corrida.errores.contains(uso)) << corrida.errores.toStdString();
        } else {
            EXPECT_EQ(corrida.final(), mensaje);
        }
    }
    EXPECT_FALSE(QFile::exists(temporal.filePath(QStringLiteral("veluma.mdb"))));
    const Corrida ayuda = correr({QStringLiteral("--ayuda")});
    EXPECT_EQ(ayuda.codigo, 0);
    EXPECT_TRUE(ayuda.salida.contains(QStringLiteral("--formulario   617, 618 o 708\n"))) << ayuda.salida.toStdString();
    EXPECT_EQ(leerArchivo(rutaBase()), antes);

    // A destination that admits no writing is refused before anything is touched.
    const QString soloLectura = temporal.filePath(QStringLiteral("solo-lectura"));
    ASSERT_TRUE(QDir().mkpath(soloLectura));
    for (const QString& carpeta : {temporal.path(), instalacion.raiz(), instalacion.carpetaPrograma()})
        ::chmod(QFile::encodeName(carpeta).constData(), 0755);
    ::chmod(QFile::encodeName(soloLectura).constData(), 0555);
    EXPECT_EQ(correr(argumentos().replaceInStrings(destino(), soloLectura), true).final(),
              "1 Atención: No se puede escribir en la carpeta de destino " + soloLectura
                  + ": la carpeta o el disco no admite escritura.");
    EXPECT_EQ(leerArchivo(rutaBase()), antes);

    // Nothing declared, as the balance screen would not allow: refused with the reason, the database scrambled
    // again.
    const Corrida sinSalas = correr(argumentos() << QStringLiteral("--pdf") << pdf());
    EXPECT_EQ(sinSalas.final(), "1 Información: La declaración jurada no tiene impuesto determinado: no hay nada que "
                                "presentar.");
    EXPECT_EQ(sinSalas.salida, QString());
    EXPECT_FALSE(QFile::exists(pdf()));
    EXPECT_EQ(correr(argumentos().replaceInStrings("200403", "200404")).final(),
              "1 Información: No existe la declaración jurada del formulario 708 de la CUIT 30-70451826-5 para el "
              "período 04/2004, secuencia 0 - Original.");
    EXPECT_EQ(archivosEn(destino()), QStringList());
    esperarBaseMezclada();
}

// Form 618 keeps one declaration per institute code: the script names the one it wants.
TEST_F(Lote, ElFormulario618SeEligePorSuCodigoDeInstituto)
{
    test::declaracionDeReferencia618(sesion);
    test::crearDeclaracion618(sesion, 200402, QStringLiteral("Otro"));
    ASSERT_TRUE(CerrarBaseTrabajo(sesion.base, sesion.instalacion).correcto());
    const QStringList de618 = argumentos(QStringLiteral("618")).replaceInStrings("200403", "200402");

    EXPECT_EQ(correr(de618).final(),
              "1 Atención: Hay más de una declaración jurada del formulario 618 de la CUIT 30-70451826-5 para el "
              "período 02/2004, secuencia 0 - Original: indique cuál con --valor (D'Ávila 7, Otro).");

    const Corrida corrida = correr(QStringList(de618) << "--valor" << QStringLiteral("D'Ávila 7"));
    ASSERT_EQ(corrida.codigo, 0) << corrida.errores.toStdString();
    const QString archivo = destino() + QStringLiteral("/047129F06183070451826520040200.dat");
    EXPECT_EQ(corrida.salida, archivo + QLatin1Char('\n'));
    EXPECT_EQ(VerificarPresentacion({archivo}).registros.join('\n') + "\r\n",
              QString::fromLatin1(leerArchivo(QStringLiteral(VELUMA_DATOS_PRUEBA "/F0618_esperado.dat"))));
}

// Form 617 keeps one declaration per service; its file and its printed form come from one settlement.
TEST_F(Lote, ElFormulario617GeneraSuArchivoEImprime)
{
    test::declaracionDeReferencia617(sesion);
    ASSERT_TRUE(CerrarBaseTrabajo(sesion.base, sesion.instalacion).correcto());
    const QStringList de617 = argumentos(QStringLiteral("617")).replaceInStrings("200403", "200505");

    const Corrida corrida = correr(QStringList(de617) << "--valor"
                                                      << "306"
                                                      << "--pdf" << pdf());
    ASSERT_EQ(corrida.codigo, 0) << corrida.errores.toStdString();
    const QString archivo = destino() + QStringLiteral("/523374F06173070451826520050500.dat");
    EXPECT_EQ(corrida.salida, archivo + QLatin1Char('\n'));
    EXPECT_EQ(VerificarPresentacion({archivo}).registros.join('\n') + "\r\n",
              QString::fromLatin1(leerArchivo(QStringLiteral(VELUMA_DATOS_PRUEBA "/F0617_esperado.dat"))));
    const QString texto = test::textoDelPdf(pdf()).value_or(QString());
    EXPECT_TRUE(texto.contains(QStringLiteral("Cable Ñandú")) && texto.contains(QStringLiteral("1.422,18")))
        << texto.toStdString();
}

// Ended by a signal while it works, it still closes the database and releases the lock first.
TEST_F(Lote, UnaSenalDeTerminarEsperaElCierre)
{
    prepararBase();
    QProcess proceso;
    iniciar(proceso, argumentos());
    const QString bloqueo = temporal.filePath(QStringLiteral("veluma.lock"));
    while (!QFile::exists(bloqueo) && proceso.state() != QProcess::NotRunning)
        proceso.waitForFinished(1);
    proceso.terminate();
    ASSERT_TRUE(proceso.waitForFinished(120000));
    EXPECT_EQ(proceso.exitStatus(), QProcess::CrashExit);  // ended by the signal, as the caller expects
    EXPECT_TRUE(QString::fromUtf8(proceso.readAllStandardError())
                    .contains("Información: El proceso fue interrumpido; la base de datos quedó cerrada."));
    EXPECT_FALSE(QFile::exists(bloqueo));
    esperarBaseMezclada();
}

TEST_F(Lote, ExportaLaDeclaracionEImportaSusLineasTodasONinguna)
{
    prepararBase();
    QStringList declaracion = argumentos();
    declaracion.remove(declaracion.indexOf("--destino"), 2);
    const Corrida exportada = correr(QStringList(declaracion) << "--exportar" << temporal.filePath("ddjj.csv"));
    const QString entradas = temporal.filePath("ddjj-Entradas.csv");
    EXPECT_EQ(exportada.codigo, 0) << exportada.errores.toStdString();
    EXPECT_TRUE(exportada.salida.split('\n').contains(entradas)) << exportada.salida.toStdString();

    // The exported lines and two more, one of them with a week that does not exist: nothing is stored.
    const QByteArray exportadas = leerArchivo(entradas);
    test::escribirArchivo(entradas, exportadas + "Atlas Flores;000789;3;9,00;12\r\nAtlas Flores;789;7;9,00;1\r\n");
    const QStringList importar = QStringList(declaracion) << "--importar" << entradas;
    const char* lineas =
        "SELECT NRO_SEMANA, PRECIO_VENTA, CANT_ENTRADAS_POR_PRECIO_VENTA FROM [708ImpuestoDeterminado] "
        "ORDER BY 1, 2, 3";
    const QStringList antes = filasGuardadas(lineas);
    ASSERT_EQ(antes, QStringList({"1|5.5|100", "1|8|250", "1|10|3", "2|8|10", "3|12.75|40"}));
    const Corrida mala = correr(importar);
    EXPECT_EQ(mala.codigo, 1);
    EXPECT_TRUE(
        mala.errores.contains("Atención: No se puede importar la línea 8: La semana debe ser un número del 1 "
                              "al 4.\\nNo se importó ninguna línea."))
        << mala.errores.toStdString();
    EXPECT_EQ(filasGuardadas(lineas), antes);

    test::escribirArchivo(entradas, exportadas + "Atlas Flores;000789;3;9,00;12\r\n");
    EXPECT_EQ(correr(importar).final(),
              "0 Información: Se importaron 1 línea de ddjj-Entradas.csv. Ya estaban "
              "cargadas y quedaron como estaban: 5 líneas.");
    EXPECT_EQ(filasGuardadas(lineas),
              QStringList({"1|5.5|100", "1|8|250", "1|10|3", "2|8|10", "3|9|12", "3|12.75|40"}));
}

TEST(OpcionesLote, LeeLasOpcionesYDiceCadaProblema)
{
    registrarFormularios();
    const QStringList completa{"--instalacion", "/opt/veluma", "--cuit",      "30-70451826-5", "--formulario", "708",
                               "--periodo",     "200403",      "--secuencia", "2",             "--destino",    "/media/cd"};
    const lote::LecturaOpciones lectura = lote::leerOpciones(QStringList{"--pdf", "/tmp/f.pdf"} + completa);
    ASSERT_TRUE(lectura.opciones) << lectura.problema.toStdString();
    EXPECT_EQ(QStringList({lectura.opciones->instalacion, lectura.opciones->cuit, lectura.opciones->destino,
                           lectura.opciones->pdf}),
              QStringList({"/opt/veluma", "30-70451826-5", "/media/cd", "/tmp/f.pdf"}));
    EXPECT_EQ(QList<int>({lectura.opciones->formulario, lectura.opciones->periodo, lectura.opciones->secuencia}),
              QList<int>({708, 200403, 2}));
    EXPECT_TRUE(lote::leerOpciones({QStringLiteral("--help")}).ayuda);

    const auto con = [&](const QString& opcion, const QString& valor) {
        QStringList argumentos = completa;
        argumentos[argumentos.indexOf(opcion) + 1] = valor;
        return lote::leerOpciones(argumentos).problema;
    };
    QStringList sinCuit = completa;
    sinCuit.remove(2, 2);
    EXPECT_EQ(lote::leerOpciones(sinCuit).problema, "Falta la opción --cuit.");
    EXPECT_EQ(lote::leerOpciones(completa + QStringList{"--copias", "2"}).problema,
              "Opción desconocida: \"--copias\".");
    EXPECT_EQ(lote::leerOpciones(completa + QStringList{"--cuit", "20-1"}).problema,
              "La opción --cuit se indicó más de una vez.");
    EXPECT_EQ(lote::leerOpciones(completa + QStringList{"--pdf"}).problema, "Falta el valor de la opción --pdf.");
    EXPECT_EQ(lote::leerOpciones(completa.mid(0, 10)).problema, "Falta la opción --destino, --importar o --exportar.");
    EXPECT_EQ(lote::leerOpciones(completa + QStringList{"--exportar", "d.xlsx"}).problema,
              "Las opciones --destino, --importar y --exportar no van juntas.");
    EXPECT_EQ(lote::leerOpciones(completa + QStringList{"--reemplazar"}).problema,
              "La opción --reemplazar va con --importar.");
    EXPECT_EQ(lote::leerOpciones(completa.mid(0, 10) + QStringList{"--importar", "e.csv", "--pdf", "f.pdf"}).problema,
              "La opción --pdf va con --destino.");
    EXPECT_EQ(con("--cuit", "--periodo"), "Falta el valor de la opción --cuit.");
    EXPECT_EQ(con("--cuit", "  "), "Falta el valor de la opción --cuit.");
    EXPECT_EQ(con("--formulario", "709"), "El formulario debe ser 617, 618 o 708: \"709\".");
    for (const char* periodo : {"2004-03", "200400", "200413", "20043", "marzo", "２００４０３"})
        EXPECT_EQ(con("--periodo", periodo),
                  QStringLiteral("El período debe tener la forma AAAAMM, con el mes entre 01 y 12: \"%1\".").arg(periodo));
    for (const char* secuencia : {"4", "-1", "01", "uno"})
        EXPECT_EQ(con("--secuencia", secuencia),
                  QStringLiteral("La secuencia debe ser un número de 0 a 3 (0 es la original): \"%1\".").arg(secuencia));
}

TEST_F(Lote, LaListaDeSalasMuestraCadaLineaYLasHojas)
{
    // The reference declaration of the taxpayer whose name carries an apostrophe and an eñe.
    usarContribuyente(instalacion.cuits().at(2));
    test::declaracionDeReferencia708(sesion);
    // Every tag of both templates is filled.
    const ConfiguracionReporte formulario =
        Liquidacion708::calcular(sesion.base, sesion.declaracion).formularioImpreso(sesion);
    EXPECT_FALSE(htmlDelReporte(formulario, sesion.base).contains(QStringLiteral("{{")));
    EXPECT_FALSE(htmlDelReporte(listaDeSalas(), sesion.base).contains(QStringLiteral("{{")));
    QString texto = imprimir(listaDeSalas());
    for (const QString& esperado : {QStringLiteral("Detalle de Salas"), QStringLiteral("30-69587412-6"),
                                    QStringLiteral("Ñandú Producciones de O'Higgins S.R.L."), QStringLiteral("03/2004"),
                                    QStringLiteral("0 - Original"), QStringLiteral("Hojas: 1")})
        EXPECT_TRUE(texto.contains(esperado)) << esperado.toStdString() << "\n" << texto.toStdString();
    // One printed line per price: room, INCAA code, price, tickets, base price, tax.
    EXPECT_EQ(lineasCon(texto, {"Cine Ópera", "1234", "5,50", "100", "5,0000", "50,00"}), 1) << texto.toStdString();
    EXPECT_EQ(lineasCon(texto, {"Cine Ópera", "1234", "12,75", "40", "11,5909", "46,36"}), 1) << texto.toStdString();
    EXPECT_EQ(lineasCon(texto, {"Atlas Flores", "000789", "8,00", "250", "7,2727", "181,82"}), 1);

    // A list of several pages says on its last one how many there are.
    for (int precio = 1; precio <= 150; ++precio)
        test::agregarLinea708(sesion, 1, 4, precio + 0.25, 7);
    const ConfiguracionReporte salas = listaDeSalas();
    const int hojas = paginas(armarReporte(salas, sesion.base));
    ASSERT_GE(hojas, 3);
    texto = imprimir(salas);
    const QStringList impresas = texto.split(QLatin1Char('\f'), Qt::SkipEmptyParts);  // pdftotext ends pages so
    ASSERT_EQ(impresas.size(), hojas);
    EXPECT_TRUE(impresas.last().contains(QStringLiteral("Hojas: %1").arg(hojas))) << texto.toStdString();
    EXPECT_EQ(texto.count(QStringLiteral("Hojas:")), 1);
    EXPECT_TRUE(texto.contains(QStringLiteral("150,25")));
}
