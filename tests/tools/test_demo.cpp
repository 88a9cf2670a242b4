// The demo installation: host databases and program copy. The temporary installation of the tests is built
// the same way, so every test that starts the copied program also checks the copy.

#include "core/clave.h"
#include "core/database.h"
#include "core/error.h"
#include "core/instalacion.h"
#include "instalacion_demo.h"
#include "support/archivos.h"
#include "support/filas.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using namespace veluma::test;
using veluma::Database;
namespace demo = veluma::demo;

// Installed again over an earlier installation, the program's files are replaced and what the host and the user
// keep is not: the working database, and a host database that is there (only a missing one is made).
TEST(Demo, OtraInstalacionSoloReemplazaLosArchivosDelPrograma)
{
    QTemporaryDir carpeta;
    const QString programa = VELUMA_PROGRAMA_DIR;
    // Their names, addresses and activities are checked where the taxpayer is read.
    const QStringList cuits{"30-70451826-5", "30715482033", "30-69587412-6", "30708251638"};
    EXPECT_EQ(demo::crearInstalacionDemo(carpeta.path(), programa), cuits);
    const veluma::Instalacion instalacion = demo::instalacionDemo(carpeta.path());
    {
        // The host table keeps the taxpayers in the order the program lists them.
        Database kelt = Database::open(instalacion.rutaKelt(), veluma::contrasenaBase());
        EXPECT_EQ(filasDeConsulta(kelt, "SELECT cuit FROM contribs ORDER BY rowid"), cuits);
        // Changed, so that a rebuilt file would not come out identical.
        kelt.execute("DELETE FROM contribs WHERE ncontrib <> 1045");
    }
    Database::open(instalacion.rutaBaseTrabajo(), veluma::contrasenaBase(), Database::OpenMode::Create)
        .execute("CREATE TABLE DDJJ (CUIT TEXT, Periodo INTEGER); INSERT INTO DDJJ VALUES ('30-70451826-5', 200405);");
    const QByteArray kelt = leerArchivo(instalacion.rutaKelt());
    const QByteArray trabajo = leerArchivo(instalacion.rutaBaseTrabajo());
    escribirArchivo(instalacion.rutaAyuda(), "ayuda de la version anterior");
    ASSERT_TRUE(QFile::remove(instalacion.rutaSistema()));

    EXPECT_EQ(demo::crearInstalacionDemo(carpeta.path(), programa), cuits);
    EXPECT_EQ(leerArchivo(instalacion.rutaBaseTrabajo()), trabajo);
    EXPECT_EQ(leerArchivo(instalacion.rutaKelt()), kelt);
    EXPECT_TRUE(QFile::exists(instalacion.rutaSistema()));
    EXPECT_EQ(leerArchivo(instalacion.rutaAyuda()), leerArchivo(programa + "/VELUMA.html"));
}

TEST(Demo, UnArchivoFaltanteNoCopiaNada)
{
    QTemporaryDir carpeta;
    const QString origen = carpeta.filePath("origen");
    ASSERT_TRUE(QDir().mkpath(origen));
    const veluma::Instalacion destino(carpeta.filePath("destino"), "veluma", veluma::versionDelPrograma());
    // Only the last file of the list is missing.
    escribirArchivo(origen + "/veluma", "ejecutable");
    escribirArchivo(origen + '/' + veluma::NombreBaseAuxiliar(veluma::versionDelPrograma()), "base");

    EXPECT_THROW(demo::copiarPrograma(origen, destino), veluma::Error);
    EXPECT_EQ(archivosEn(destino.carpetaPrograma()), QStringList());
}

}  // namespace
