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

// Their names, addresses and activities are checked where the taxpayer is read.
const QStringList kCuitsDemo = {"30-70451826-5", "30715482033", "30-69587412-6", "30708251638"};

QStringList cuitsDeKelt(const QString& ruta)
{
    Database kelt = Database::open(ruta, veluma::contrasenaBase());
    return filasDeConsulta(kelt, "SELECT cuit FROM contribs ORDER BY rowid");
}

class DemoCarpeta : public ::testing::Test {
protected:
    QString ruta(const QString& relativa) const { return carpeta_.filePath(relativa); }

    QTemporaryDir carpeta_;
};

TEST_F(DemoCarpeta, NoReemplazaUnaBaseQueYaExiste)
{
    demo::crearBasesAnfitrion(carpeta_.path());
    // Changed, so that a rebuilt file would not come out identical.
    Database::open(ruta("kelt.mdb"), veluma::contrasenaBase()).execute("DELETE FROM contribs WHERE ncontrib <> 1045");
    const QByteArray kelt = leerArchivo(ruta("kelt.mdb"));
    ASSERT_TRUE(QFile::remove(ruta("sistema.mdb")));

    demo::crearBasesAnfitrion(carpeta_.path());
    EXPECT_EQ(leerArchivo(ruta("kelt.mdb")), kelt);
    EXPECT_EQ(archivosEn(carpeta_.path()), (QStringList{"kelt.mdb", "sistema.mdb"}));
}

TEST_F(DemoCarpeta, UnArchivoFaltanteNoCopiaNada)
{
    const QString origen = ruta("origen");
    ASSERT_TRUE(QDir().mkpath(origen));
    const veluma::Instalacion destino(ruta("destino"), "veluma", veluma::versionDelPrograma());
    // Only the last file of the list is missing.
    escribirArchivo(origen + "/veluma", "ejecutable");
    escribirArchivo(origen + '/' + veluma::NombreBaseAuxiliar(veluma::versionDelPrograma()), "base");

    EXPECT_THROW(demo::copiarPrograma(origen, destino), veluma::Error);
    EXPECT_EQ(archivosEn(destino.carpetaPrograma()), QStringList());
}

TEST_F(DemoCarpeta, OtraInstalacionConservaLaBaseDeTrabajo)
{
    const QString programa = VELUMA_PROGRAMA_DIR;
    EXPECT_EQ(demo::crearInstalacionDemo(carpeta_.path(), programa), kCuitsDemo);
    const veluma::Instalacion instalacion = demo::instalacionDemo(carpeta_.path());
    // The host table keeps the taxpayers in the order the program lists them.
    EXPECT_EQ(cuitsDeKelt(instalacion.rutaKelt()), kCuitsDemo);
    Database::open(instalacion.rutaBaseTrabajo(), veluma::contrasenaBase(), Database::OpenMode::Create)
        .execute("CREATE TABLE DDJJ (CUIT TEXT, Periodo INTEGER); INSERT INTO DDJJ VALUES ('30-70451826-5', 200405);");
    const QByteArray trabajo = leerArchivo(instalacion.rutaBaseTrabajo());
    escribirArchivo(instalacion.rutaAyuda(), "ayuda de la version anterior");

    EXPECT_EQ(demo::crearInstalacionDemo(carpeta_.path(), programa), kCuitsDemo);
    EXPECT_EQ(leerArchivo(instalacion.rutaBaseTrabajo()), trabajo);
    EXPECT_EQ(leerArchivo(instalacion.rutaAyuda()), leerArchivo(programa + "/VELUMA.html"));
}

}  // namespace
