#include "core/clave.h"
#include "core/database.h"
#include "core/inicio.h"
#include "support/archivos.h"
#include "support/ejecucion.h"
#include "support/instalacion_temporal.h"

#include <QDir>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <functional>
#include <tuple>
#include <gtest/gtest.h>

using namespace veluma;
using veluma::test::archivosEn;
using veluma::test::leerArchivo;

namespace {

const QString kBienvenida = "Veluma: Bienvenido";

// The program as the host starts it, without anybody at the screen, its single-instance lock in the test's own
// temporary folder.
class Programa : public ::testing::Test {
protected:
    Programa() : tmpdir_(qgetenv("TMPDIR")), runtime_(qgetenv("XDG_RUNTIME_DIR"))
    {
        for (const char* variable : {"TMPDIR", "XDG_RUNTIME_DIR"})
            qputenv(variable, QFile::encodeName(temporal.path()));
        qputenv("VELUMA_NO_INTERACTIVO", "1");
        qputenv("ASAN_OPTIONS", "detect_leaks=0");
    }
    ~Programa() override
    {
        qputenv("TMPDIR", tmpdir_);
        qputenv("XDG_RUNTIME_DIR", runtime_);
    }

    // Started and left running.
    std::unique_ptr<QProcess> iniciar()
    {
        auto proceso = std::make_unique<QProcess>();
        proceso->start(instalacion.rutaEjecutable(), {instalacion.cuits().first()});
        EXPECT_TRUE(proceso->waitForStarted(10000));
        return proceso;
    }
    // Run to its end: its exit code, and the lines it wrote as messages, "Título: texto", but the welcome notice.
    std::pair<int, QStringList> ejecutar(const QStringList& argumentos)
    {
        const veluma::test::Ejecucion ejecucion = veluma::test::ejecutar(instalacion.rutaEjecutable(), argumentos);
        QStringList lineas;
        for (const QString& linea : QString::fromUtf8(ejecucion.errores).split('\n'))
            if (!linea.startsWith(kBienvenida) && (linea.startsWith("Veluma: ") || linea.startsWith("Información: ")
                                                   || linea.startsWith("Atención: ")))
                lineas += linea;
        return {ejecucion.codigo, lineas};
    }

    // Until the program writes a line that starts with `linea` (for the welcome notice, the last thing before
    // the main window) or ends; what it wrote.
    static QString esperarLinea(QProcess& proceso, const QString& linea = kBienvenida)
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

    QTemporaryDir temporal;
    veluma::test::InstalacionTemporal instalacion{true};

private:
    QByteArray tmpdir_, runtime_;
};

// A second instance is refused; a closing that could not compact the database is reported and the program tells its
// caller with its exit code; the database rests scrambled either way.
TEST_F(Programa, DosSesionesDejanLaBaseMezcladaAunqueUnCierreFalleYSinAvisoDeInicio)
{
    auto primera = iniciar();
    const QString salida = esperarLinea(*primera);
    ASSERT_TRUE(salida.contains(kBienvenida)) << salida.toStdString();
    EXPECT_EQ(ejecutar({instalacion.cuits().first()}),
              std::make_pair(1, QStringList{"Información: Veluma ya se está ejecutando en esta máquina."}));
    EXPECT_EQ(primera->state(), QProcess::Running);
    const QString copia = instalacion.instalacion().rutaCompactacion();
    ASSERT_TRUE(QDir().mkpath(copia + "/ocupado"));  // an old copy that cannot be removed
    EXPECT_EQ(terminar(*primera), 1);
    EXPECT_TRUE(QString::fromUtf8(primera->readAllStandardError())
                    .contains("Atención: No se pudo compactar la base de datos al cerrar: No se puede eliminar el "
                              "archivo temporal " + copia + ", que quedó de un cierre anterior."));
    QDir(copia).removeRecursively();
    EXPECT_THROW(Database::open(rutaBase(), contrasenaBase()), DbError);

    // Again, now without a start-up notice to show.
    Database::open(instalacion.instalacion().rutaBaseAuxiliar(), contrasenaBase()).execute("DELETE FROM MsgConfig");
    auto otraVez = iniciar();
    const QString falta = "Atención: No se encontró la configuración del aviso de inicio (la tabla MsgConfig de la "
                          "base auxiliar está vacía). El sistema continúa sin mostrar el aviso.";
    EXPECT_TRUE(esperarLinea(*otraVez, falta).contains(falta) && otraVez->state() == QProcess::Running);
    EXPECT_EQ(terminar(*otraVez), 0);
    EXPECT_THROW(Database::open(rutaBase(), contrasenaBase()), DbError);  // rests scrambled
    EXPECT_FALSE(QFile::exists(copia));
    // Unscrambled, any SQLCipher client opens it with the program's key and finds its tables (their columns are
    // checked with the schema).
    const QString plana = temporal.filePath("copia.mdb");
    ASSERT_TRUE(QFile::copy(rutaBase(), plana));
    clsInicio::EncriptaDesencripta(plana);
    if (const QString cliente = QStandardPaths::findExecutable("sqlcipher"); !cliente.isEmpty()) {
        const auto tablas = veluma::test::ejecutar(cliente, {plana, "PRAGMA key = 'poLkaTruVemZ';", ".tables"});
        EXPECT_EQ(tablas.codigo, 0);
        for (const char* tabla : {"617CompSocietaria", "618Ingresos", "708Salas", "DDJJ"})
            EXPECT_TRUE(tablas.salida.contains(tabla)) << tabla << "\n" << tablas.salida.constData();
    }
}

// Each case in turn on the same installation: none leaves a file other than it found it, but for the working
// database that start-up creates before the taxpayer is looked up. A database that was opened rests scrambled
// again, owner-only; one that never opened is left as it was.
TEST_F(Programa, LoQueImpideTrabajarSeInformaYTerminaConUno)
{
    // Each case: its name, what it does first, the arguments, the message and whether start-up made the database.
    const std::tuple<const char*, std::function<void()>, QStringList, QString, bool> casos[] = {
        {"sin CUIT", [] {}, {}, "Veluma: El ingreso al sistema se debe realizar por medio del módulo T.E.Vo.", false},
        {"contribuyente desconocido", [] {}, {"20-00000000-1' OR ''='"},
         "Veluma: Ha ocurrido el error 3021 con la siguiente descripción : \\r\\nEl contribuyente con C.U.I.T. "
         "20-00000000-1' OR ''=' no está registrado en la base de contribuyentes.", true},
        {"base vacía", [&] { veluma::test::escribirArchivo(rutaBase(), QByteArray()); }, {instalacion.cuits().first()},
         "Veluma: Ha ocurrido el error 11 con la siguiente descripción : \\r\\nLa base de datos de trabajo está vacía "
         "o dañada: no tiene ninguna de sus tablas. El archivo no se modificó.", false},
    };
    for (const auto& [caso, preparar, argumentos, mensaje, creada] : casos) {
        SCOPED_TRACE(caso);
        preparar();
        QStringList archivos = archivosEn(instalacion.carpetaPrograma());
        const QByteArray base = leerArchivo(rutaBase());
        EXPECT_EQ(ejecutar(argumentos), std::make_pair(1, QStringList{mensaje}));
        if (!creada) {
            EXPECT_EQ(leerArchivo(rutaBase()), base);
        } else {
            archivos << QFileInfo(rutaBase()).fileName();
            archivos.sort();
            EXPECT_THROW(Database::open(rutaBase(), contrasenaBase()), DbError);  // rests scrambled
            const auto ajenos = QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther;
            EXPECT_EQ(QFile::permissions(rutaBase()) & ajenos, QFile::Permissions());
        }
        EXPECT_EQ(archivosEn(instalacion.carpetaPrograma()), archivos);
    }
}

}  // namespace
