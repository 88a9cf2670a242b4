#include "core/clave.h"
#include "core/database.h"
#include "core/inicio.h"
#include "support/archivos.h"
#include "support/instalacion_temporal.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

using namespace veluma;
using veluma::test::leerArchivo;

namespace {

// The program as the host starts it, without anybody at the screen.
class Programa : public ::testing::Test {
protected:
    std::unique_ptr<QProcess> iniciar(const QStringList& argumentos)
    {
        auto proceso = std::make_unique<QProcess>();
        QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
        entorno.insert("VELUMA_NO_INTERACTIVO", "1");
        entorno.insert("QT_QPA_PLATFORM", "offscreen");
        entorno.insert("TMPDIR", temporal.path());
        entorno.insert("XDG_RUNTIME_DIR", temporal.path());
        entorno.insert("ASAN_OPTIONS", "detect_leaks=0");
        proceso->setProcessEnvironment(entorno);
        proceso->start(instalacion.rutaEjecutable(), argumentos);
        EXPECT_TRUE(proceso->waitForStarted(10000));
        return proceso;
    }

    // The lines the program wrote as messages, "Título: texto".
    static QStringList mensajes(QProcess& proceso)
    {
        QStringList lineas;
        for (const QString& linea : QString::fromUtf8(proceso.readAllStandardError()).split('\n')) {
            if (linea.startsWith("Veluma: ") || linea.startsWith("Información: ") || linea.startsWith("Atención: "))
                lineas += linea;
        }
        return lineas;
    }

    // Started and past its start-up: the notice is the last thing before the main window.
    static QString esperarAviso(QProcess& proceso, const QString& linea = QStringLiteral("Veluma: Bienvenido"))
    {
        QString salida;
        QElapsedTimer reloj;
        reloj.start();
        while (!salida.contains('\n' + linea) && !salida.startsWith(linea) && reloj.elapsed() < 30000
               && proceso.state() == QProcess::Running) {
            proceso.waitForReadyRead(500);
            salida += QString::fromUtf8(proceso.readAllStandardError());
        }
        return salida;
    }

    static int terminar(QProcess& proceso)
    {
        proceso.terminate();  // SIGTERM, as when the desktop session ends
        EXPECT_TRUE(proceso.waitForFinished(30000));
        return proceso.exitCode();
    }

    QString rutaBase() const { return instalacion.instalacion().rutaBaseTrabajo(); }

    QStringList tablasDeCopiaDesmezclada()
    {
        const QString copia = temporal.filePath("copia.mdb");
        QFile::remove(copia);
        EXPECT_TRUE(QFile::copy(rutaBase(), copia));
        clsInicio::EncriptaDesencripta(copia);
        Database base = Database::open(copia, contrasenaBase());
        Statement lista = base.prepare("SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'MSys%' "
                                       "ORDER BY rowid");
        QStringList tablas;
        while (lista.next())
            tablas += *lista.text(0);
        return tablas;
    }

    veluma::test::InstalacionTemporal instalacion{true};
    QTemporaryDir temporal;
};

TEST_F(Programa, SinCuitSeNiegaYNoTocaNingunArchivo)
{
    const QStringList antes = QDir(instalacion.carpetaPrograma()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    auto proceso = iniciar({});
    ASSERT_TRUE(proceso->waitForFinished(30000));
    EXPECT_EQ(proceso->exitCode(), 1);
    EXPECT_EQ(mensajes(*proceso),
              QStringList{"Veluma: El ingreso al sistema se debe realizar por medio del módulo T.E.Vo."});
    EXPECT_EQ(QDir(instalacion.carpetaPrograma()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), antes);
}

TEST_F(Programa, UnaSesionCompletaDejaLaBaseMezcladaYVuelveAAbrir)
{
    auto primera = iniciar({instalacion.cuits().first()});
    const QString salida = esperarAviso(*primera);
    ASSERT_TRUE(salida.contains("Veluma: Bienvenido")) << salida.toStdString();

    auto segunda = iniciar({instalacion.cuits().first()});
    ASSERT_TRUE(segunda->waitForFinished(30000));
    EXPECT_EQ(segunda->exitCode(), 1);
    EXPECT_EQ(mensajes(*segunda), QStringList{"Información: Veluma ya se está ejecutando en esta máquina."});
    EXPECT_EQ(primera->state(), QProcess::Running);

    EXPECT_EQ(terminar(*primera), 0);
    EXPECT_FALSE(leerArchivo(rutaBase()).startsWith("SQLite format 3"));
    EXPECT_THROW(Database::open(rutaBase(), contrasenaBase()), DbError);  // rests scrambled
    EXPECT_FALSE(QFile::exists(instalacion.instalacion().rutaCompactacion()));
    EXPECT_EQ(tablasDeCopiaDesmezclada(),
              (QStringList{"617CompSocietaria", "617Licencias", "617LicenciasDetalle", "617LicenciasIngresoConceptos",
                           "617LicenciasTotalLicencias", "618Ingresos", "618TotalPercepcionesEfectuadas",
                           "708ImpuestoDeterminado", "708PagoCuenta", "708Salas", "DDJJ"}));

    auto otraVez = iniciar({instalacion.cuits().first()});
    ASSERT_TRUE(esperarAviso(*otraVez).contains("Veluma: Bienvenido"));
    EXPECT_EQ(terminar(*otraVez), 0);
    EXPECT_THROW(Database::open(rutaBase(), contrasenaBase()), DbError);
}

TEST_F(Programa, ElClienteSqlcipherVeLasTablasConLaClave)
{
    const QString cliente = QStandardPaths::findExecutable("sqlcipher");
    if (cliente.isEmpty())
        GTEST_SKIP() << "sqlcipher no está instalado";
    auto sesion = iniciar({instalacion.cuits().first()});
    ASSERT_TRUE(esperarAviso(*sesion).contains("Veluma: Bienvenido"));
    EXPECT_EQ(terminar(*sesion), 0);
    tablasDeCopiaDesmezclada();

    QProcess sqlcipher;
    sqlcipher.start(cliente, {temporal.filePath("copia.mdb")});
    ASSERT_TRUE(sqlcipher.waitForStarted());
    sqlcipher.write("PRAGMA key = 'poLkaTruVemZ';\n.tables\nPRAGMA table_info(DDJJ);\n.quit\n");
    sqlcipher.closeWriteChannel();
    ASSERT_TRUE(sqlcipher.waitForFinished(30000));
    const QString salida = QString::fromUtf8(sqlcipher.readAllStandardOutput());
    for (const char* tabla : {"617CompSocietaria", "618Ingresos", "708Salas", "708ImpuestoDeterminado", "DDJJ"})
        EXPECT_TRUE(salida.contains(tabla)) << tabla << "\n" << salida.toStdString();
    EXPECT_TRUE(salida.contains("0|CUIT|VARCHAR(13)|1|''|0")) << salida.toStdString();
    EXPECT_TRUE(salida.contains("4|CAMPO1|VARCHAR(20)|1|''|0")) << salida.toStdString();
}

TEST_F(Programa, UnaBaseQueNoAbreSeInformaYQuedaComoEstaba)
{
    QByteArray basura(4096, '\0');
    for (int i = 0; i < basura.size(); ++i)
        basura[i] = char((i * 37 + 11) % 251);
    QFile archivo(rutaBase());
    ASSERT_TRUE(archivo.open(QIODevice::WriteOnly));
    archivo.write(basura);
    archivo.close();

    auto proceso = iniciar({instalacion.cuits().first()});
    ASSERT_TRUE(proceso->waitForFinished(30000));
    EXPECT_EQ(proceso->exitCode(), 1);
    EXPECT_EQ(mensajes(*proceso),
              QStringList{"Veluma: Ha ocurrido el error 26 con la siguiente descripción : \\r\\nEl archivo no es una base "
                          "de datos válida o su clave no corresponde."});
    EXPECT_EQ(leerArchivo(rutaBase()), basura);
    EXPECT_FALSE(QFile::exists(instalacion.instalacion().rutaCompactacion()));
}

TEST_F(Programa, UnContribuyenteDesconocidoTerminaLaSesionConUnMensajeClaro)
{
    auto proceso = iniciar({"20-00000000-1' OR ''='"});
    ASSERT_TRUE(proceso->waitForFinished(60000));
    EXPECT_EQ(proceso->exitCode(), 1);
    EXPECT_EQ(mensajes(*proceso).value(1),
              "Veluma: Ha ocurrido el error 3021 con la siguiente descripción : \\r\\nEl contribuyente con C.U.I.T. "
              "20-00000000-1' OR ''=' no está registrado en la base de contribuyentes.");
}

TEST_F(Programa, SinAvisoConfiguradoLoInformaYSigue)
{
    {
        Database auxiliar = Database::open(instalacion.instalacion().rutaBaseAuxiliar(), contrasenaBase());
        auxiliar.execute("DELETE FROM MsgConfig");
    }
    auto proceso = iniciar({instalacion.cuits().first()});
    const QString falta = "Atención: No se encontró la configuración del aviso de inicio (la tabla MsgConfig de la base "
                          "auxiliar está vacía). El sistema continúa sin mostrar el aviso.";
    EXPECT_TRUE(esperarAviso(*proceso, falta).contains(falta));
    EXPECT_EQ(proceso->state(), QProcess::Running);
    EXPECT_EQ(terminar(*proceso), 0);
}

}  // namespace
