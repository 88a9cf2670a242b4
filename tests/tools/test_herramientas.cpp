// The tools that make an installation: the demo installation (host databases and program copy), whose build the
// tests' temporary installation shares, so every test that starts the copied program also checks the copy; and
// the auxiliary database built from data/referencia.

#include "core/clave.h"
#include "core/database.h"
#include "core/error.h"
#include "core/instalacion.h"
#include "instalacion_demo.h"
#include "support/archivos.h"
#include "support/ejecucion.h"
#include "support/filas.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using namespace veluma;
using namespace test;

// Installed again over an earlier installation, the program's files are replaced and what the host and the user
// keep is not: the working database, and a host database that is there (only a missing one is made). A copy that
// cannot be whole is not made at all.
TEST(Demo, OtraInstalacionSoloReemplazaLosArchivosDelProgramaYUnArchivoFaltanteNoCopiaNada)
{
    QTemporaryDir carpeta;
    const QString programa = VELUMA_PROGRAMA_DIR;
    // Their names, addresses and activities are checked where the taxpayer is read.
    const QStringList cuits{"30-70451826-5", "30715482033", "30-69587412-6", "30708251638"};
    EXPECT_EQ(demo::crearInstalacionDemo(carpeta.path(), programa), cuits);
    const Instalacion instalacion = demo::instalacionDemo(carpeta.path());
    {
        // The host table keeps the taxpayers in the order the program lists them.
        Database kelt = Database::open(instalacion.rutaKelt(), contrasenaBase());
        EXPECT_EQ(filasDeConsulta(kelt, "SELECT cuit FROM contribs ORDER BY rowid"), cuits);
        // Changed, so that a rebuilt file would not come out identical.
        kelt.execute("DELETE FROM contribs WHERE ncontrib <> 1045");
    }
    Database::open(instalacion.rutaBaseTrabajo(), contrasenaBase(), Database::OpenMode::Create)
        .execute("CREATE TABLE DDJJ (CUIT TEXT, Periodo INTEGER); INSERT INTO DDJJ VALUES ('30-70451826-5', 200405);");
    const QByteArray kelt = leerArchivo(instalacion.rutaKelt());
    const QByteArray trabajo = leerArchivo(instalacion.rutaBaseTrabajo());
    escribirArchivo(instalacion.rutaAyuda(), "ayuda de la version anterior");
    ASSERT_TRUE(QFile::remove(instalacion.rutaSistema()));

    EXPECT_EQ(demo::crearInstalacionDemo(carpeta.path(), programa), cuits);
    EXPECT_TRUE(leerArchivo(instalacion.rutaBaseTrabajo()) == trabajo && leerArchivo(instalacion.rutaKelt()) == kelt
                && QFile::exists(instalacion.rutaSistema()));
    EXPECT_EQ(leerArchivo(instalacion.rutaAyuda()), leerArchivo(programa + "/VELUMA.html"));

    // From a folder that misses only the last file of the list, nothing is copied.
    const QString origen = carpeta.filePath("origen");
    ASSERT_TRUE(QDir().mkpath(origen));
    const Instalacion destino(carpeta.filePath("destino"), "veluma", versionDelPrograma());
    escribirArchivo(origen + "/veluma", "ejecutable");
    escribirArchivo(origen + '/' + NombreBaseAuxiliar(versionDelPrograma()), "base");
    EXPECT_THROW(demo::copiarPrograma(origen, destino), Error);
    EXPECT_EQ(archivosEn(destino.carpetaPrograma()), QStringList());
}

// Rows only the Form 617 calculation needs; the tree, the exemptions and the notice are checked where they are read.
TEST(ReferenciaBase, LosDatosQueElCalculoNecesita)
{
    QTemporaryDir carpeta;
    const QString copia = carpeta.filePath("aux.mdb");
    ASSERT_TRUE(QFile::copy(VELUMA_PROGRAMA_DIR "/" + NombreBaseAuxiliar(versionDelPrograma()), copia));
    Database db = Database::open(copia, contrasenaBase());

    // 100 to 118 once each, and something beyond them; a code whose rate changes the day after its old range ends
    // (dates compare as dates), and one no longer in force.
    EXPECT_EQ(filasDeConsulta(db, "SELECT count(*), count(DISTINCT Codigo), (SELECT count(*) > 0 FROM "
                                  "\"617TablaConceptos\" WHERE Codigo > 118) FROM \"617TablaConceptos\" "
                                  "WHERE Codigo BETWEEN 100 AND 118"),
              QStringList{"19|19|1"});
    EXPECT_EQ(filasDeConsulta(db, "SELECT (SELECT count(*) > 0 FROM \"617TablaDenom\" a JOIN \"617TablaDenom\" b "
                                  "ON a.Codigo = b.Codigo AND b.VigenciaDesde = date(a.VigenciaHasta, '+1 day') AND "
                                  "a.Porcentaje <> b.Porcentaje), (SELECT count(*) > 0 FROM (SELECT max(VigenciaHasta) "
                                  "AS hasta FROM \"617TablaDenom\" GROUP BY Codigo) WHERE hasta < date('now'))"),
              QStringList{"1|1"});
}

TEST(ReferenciaHerramienta, UnArchivoMalFormadoNoDejaSalidaNiTocaLaAnterior)
{
    QTemporaryDir carpeta;
    ASSERT_TRUE(QDir(carpeta.path()).mkpath("datos"));
    const auto ejecutarCon = [&](const QString& salida) {
        return ejecutar(VELUMA_PROGRAMA_DIR "/veluma-referencia", {carpeta.filePath("datos"), salida}).codigo;
    };
    const QString tabla = carpeta.filePath("datos/Tabla.tsv");
    const QString anterior = carpeta.filePath("anterior/aux.mdb");
    const QByteArray buena = "Codigo INTEGER\tDesde DATE\tActivo BOOLEAN\n1\t2024-02-29\t1\n";
    escribirArchivo(tabla, buena);
    ASSERT_EQ(ejecutarCon(anterior), 0);
    {
        Database db = Database::open(anterior, contrasenaBase());
        EXPECT_EQ(filasDeConsulta(db, "SELECT typeof(Codigo), Codigo, Desde, Activo FROM Tabla"),
                  QStringList{"integer|1|2024-02-29|1"});
    }
    const QByteArray bytes = leerArchivo(anterior);

    const char* const filasMalas[] = {
        "2\t2024-03-01\t1\tde mas\n",  // one field too many
        "2\t2024-03-01\n",             // one field short
        "12a\t2024-03-01\t1\n",        // INTEGER
        "\t2024-03-01\t1\n",           // empty INTEGER
        "2\t2023-02-30\t1\n",          // DATE that does not exist
        "2\t01/03/2024\t1\n",          // DATE in another format
        "2\t2024-03-01\t2\n",          // BOOLEAN
    };
    for (const char* fila : filasMalas) {
        SCOPED_TRACE(fila);
        escribirArchivo(tabla, buena + fila);
        EXPECT_TRUE(ejecutarCon(carpeta.filePath("nueva/aux.mdb")) > 0 && ejecutarCon(anterior) > 0);
        EXPECT_EQ(archivosEn(carpeta.filePath("nueva")) + archivosEn(carpeta.filePath("anterior")),
                  QStringList{"aux.mdb"});
        EXPECT_EQ(leerArchivo(anterior), bytes);
    }
}

}  // namespace
