#include "core/clave.h"
#include "core/database.h"
#include "core/esquema.h"
#include "core/inicio.h"
#include "support/archivos.h"
#include "support/instalacion_temporal.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace veluma;
using veluma::test::escribirArchivo;
using veluma::test::leerArchivo;
using Reposo = clsInicio::Reposo;

namespace {

// The positions and the key are checked on a real database by the closing
// tests; here what is left: a short file and what is no file.
TEST(Mezcla, UnArchivoCortoNoCreceYLoQueNoEsArchivoSeRechazaSinCrearNada)
{
    QTemporaryDir carpeta;
    const QString ruta = carpeta.filePath("corto");
    const QByteArray original(95, 'x');
    escribirArchivo(ruta, original);
    clsInicio::EncriptaDesencripta(ruta);
    QByteArray esperado = original;
    for (int i = 0; i < 95; i += 10)
        esperado[i] = char(uchar('x') ^ clsInicio::kClaveMezcla);
    EXPECT_EQ(leerArchivo(ruta), esperado);

    EXPECT_THROW(clsInicio::EncriptaDesencripta(carpeta.path()), Error);
    EXPECT_THROW(clsInicio::EncriptaDesencripta(carpeta.filePath("no-existe")), Error);
    EXPECT_FALSE(QFile::exists(carpeta.filePath("no-existe")));
}

class Apertura : public ::testing::Test {
protected:
    QString ruta() const { return instalacion.instalacion().rutaBaseTrabajo(); }

    void crear()
    {
        CrearBase(instalacion.carpetaPrograma(), "veluma.mdb");
        Database base = Database::open(ruta(), contrasenaBase());
        base.execute("INSERT INTO DDJJ (CUIT, PERIODO, SECUENCIA, FORMULARIO, CAMPO1) "
                     "VALUES ('30-70845123-9', 200403, 0, 708, '10')");
    }

    int abrir(Database& base, Reposo reposo = Reposo::Mezclada)
    {
        clsInicio inicio(instalacion.instalacion(), textoClave());
        inicio.AbrirBase("veluma.mdb", base, reposo);
        return inicio.intentosUltimaApertura();
    }

    // The open error, expecting the file exactly as before.
    DbError fallaSinTocar(Reposo reposo)
    {
        const QByteArray antes = leerArchivo(ruta());
        Database base;
        try {
            abrir(base, reposo);
        } catch (const DbError& error) {
            EXPECT_EQ(leerArchivo(ruta()), antes);
            EXPECT_FALSE(base.isOpen());
            return error;
        }
        ADD_FAILURE() << "se abrió";
        return DbError(0, 0, {}, {});
    }

    veluma::test::InstalacionTemporal instalacion;
};

// Each attempt derives the key once: the state the file is expected in goes first.
TEST_F(Apertura, PruebaPrimeroElEstadoEsperado)
{
    crear();
    const QByteArray plano = leerArchivo(ruta());
    for (const bool mezclada : {true, false}) {
        for (const Reposo reposo : {Reposo::Mezclada, Reposo::Plana}) {
            if (mezclada)
                clsInicio::EncriptaDesencripta(ruta());
            Database base;
            EXPECT_EQ(abrir(base, reposo), mezclada == (reposo == Reposo::Mezclada) ? 1 : 2) << mezclada;
            Statement fila = base.prepare("SELECT CAMPO1 FROM DDJJ");
            ASSERT_TRUE(fila.next());
            EXPECT_EQ(fila.text(0), "10");
            base.close();
            EXPECT_EQ(leerArchivo(ruta()), plano);
        }
    }
}

TEST_F(Apertura, LoQueNoAbreSeInformaYElArchivoQuedaComoEstaba)
{
    struct Caso {
        const char* nombre;
        std::function<void()> preparar;
        DbErrorKind tipo;
        std::function<QString()> descripcion;  // empty: not checked
    };
    const Caso casos[] = {
        {"otra clave",
         [&] {
             Database ajena = Database::open(ruta(), "otra clave", Database::OpenMode::Create);
             ajena.execute("CREATE TABLE x (y INTEGER); INSERT INTO x VALUES (1)");
         },
         DbErrorKind::NotADatabase, {}},
        {"truncada",
         [&] {
             crear();
             Database::open(ruta(), contrasenaBase())
                 .execute("WITH n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 200) "
                          "INSERT INTO [617CompSocietaria] (CUIT, CodigoSocio, NombreApellido) "
                          "SELECT '1', i, hex(zeroblob(20)) FROM n");
             QFile(ruta()).resize(QFileInfo(ruta()).size() / 2);
         },
         DbErrorKind::Corrupt, {}},
        {"carpeta", [&] { QDir().mkdir(ruta()); }, DbErrorKind::CannotOpen,
         [&] { return ruta() + " no es un archivo de base de datos."; }},
        {"falta", [] {}, DbErrorKind::CannotOpen,
         [&] { return "No se encuentra el archivo de base de datos " + ruta() + "."; }},
    };
    for (const Caso& caso : casos) {
        caso.preparar();
        for (const Reposo reposo : {Reposo::Mezclada, Reposo::Plana}) {
            const DbError error = fallaSinTocar(reposo);
            // A cut file reads as damaged or as no database, depending on where it was cut.
            EXPECT_TRUE(error.kind() == caso.tipo
                        || (caso.tipo == DbErrorKind::Corrupt && error.kind() == DbErrorKind::NotADatabase))
                << caso.nombre;
            EXPECT_EQ(error.descripcion(), caso.descripcion ? caso.descripcion() : error.descripcion()) << caso.nombre;
        }
        QDir(ruta()).removeRecursively();
        QFile::remove(ruta());
    }
    EXPECT_FALSE(QFileInfo::exists(ruta()));
}

// Scrambling a file another process is inside would wreck it for that process.
TEST_F(Apertura, UnaBaseQueOtroProcesoUsaNoSeToca)
{
    crear();
    int listo[2];
    int fin[2];
    ASSERT_EQ(::pipe(listo), 0);
    ASSERT_EQ(::pipe(fin), 0);
    const pid_t hijo = ::fork();
    ASSERT_GE(hijo, 0);
    if (hijo == 0) {
        char senal = 'x';
        try {
            Database otra = Database::open(ruta(), contrasenaBase());
            otra.execute("BEGIN EXCLUSIVE");
            if (::write(listo[1], &senal, 1) == 1 && ::read(fin[0], &senal, 1) == 1)
                ::_exit(0);
        } catch (...) {
        }
        ::_exit(1);
    }
    char senal = 0;
    ASSERT_EQ(::read(listo[0], &senal, 1), 1);
    // Not even toggled and put back: that would happen while the other process reads.
    const QDateTime modificada = QFileInfo(ruta()).lastModified();
    const DbError error = fallaSinTocar(Reposo::Mezclada);
    EXPECT_EQ(QFileInfo(ruta()).lastModified(), modificada);
    EXPECT_EQ(error.kind(), DbErrorKind::Busy);
    EXPECT_EQ(error.descripcion(), "La base de datos está siendo usada por otro proceso.");
    ASSERT_EQ(::write(fin[1], &senal, 1), 1);
    int estado = 0;
    ::waitpid(hijo, &estado, 0);
    EXPECT_TRUE(WIFEXITED(estado) && WEXITSTATUS(estado) == 0);
    for (const int extremo : {listo[0], listo[1], fin[0], fin[1]})
        ::close(extremo);
}

}  // namespace
