// The auxiliary database built from data/referencia, and the tool that builds it.

#include "core/clave.h"
#include "core/database.h"
#include "core/instalacion.h"
#include "support/archivos.h"
#include "support/ejecucion.h"
#include "support/filas.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using namespace veluma::test;
using veluma::Database;

// Rows only the Form 617 calculation needs; the tree, the exemptions and the notice are checked where they are read.
TEST(ReferenciaBase, LosDatosQueElCalculoNecesita)
{
    QTemporaryDir carpeta;
    const QString copia = carpeta.filePath("aux.mdb");
    ASSERT_TRUE(QFile::copy(VELUMA_PROGRAMA_DIR "/" + veluma::NombreBaseAuxiliar(veluma::versionDelPrograma()), copia));
    Database db = Database::open(copia, veluma::contrasenaBase());

    // 100 to 118 once each, and something beyond them.
    EXPECT_EQ(filasDeConsulta(db,
                              "SELECT count(*), count(DISTINCT Codigo) FROM \"617TablaConceptos\" "
                              "WHERE Codigo BETWEEN 100 AND 118"),
              QStringList{"19|19"});
    EXPECT_NE(filasDeConsulta(db, "SELECT count(*) FROM \"617TablaConceptos\" WHERE Codigo > 118"), QStringList{"0"});
    // A code whose rate changes the day after its old range ends (dates compare as dates), and one no longer in force.
    EXPECT_NE(filasDeConsulta(db,
                              "SELECT count(*) FROM \"617TablaDenom\" a JOIN \"617TablaDenom\" b ON a.Codigo = "
                              "b.Codigo AND b.VigenciaDesde = date(a.VigenciaHasta, '+1 day') AND "
                              "a.Porcentaje <> b.Porcentaje"),
              QStringList{"0"});
    EXPECT_NE(filasDeConsulta(db,
                              "SELECT count(*) FROM (SELECT max(VigenciaHasta) AS hasta FROM \"617TablaDenom\" "
                              "GROUP BY Codigo) WHERE hasta < date('now')"),
              QStringList{"0"});
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
        Database db = Database::open(anterior, veluma::contrasenaBase());
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
        const int sinAnterior = ejecutarCon(carpeta.filePath("nueva/aux.mdb"));
        EXPECT_GT(sinAnterior, 0);
        EXPECT_EQ(archivosEn(carpeta.filePath("nueva")), QStringList());

        const int conAnterior = ejecutarCon(anterior);
        EXPECT_GT(conAnterior, 0);
        EXPECT_EQ(leerArchivo(anterior), bytes);
        EXPECT_EQ(archivosEn(carpeta.filePath("anterior")), QStringList{"aux.mdb"});
    }
}

}  // namespace
