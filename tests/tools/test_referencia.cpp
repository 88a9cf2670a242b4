// The auxiliary database built from data/referencia, and the tool that builds it.

#include "core/clave.h"
#include "core/database.h"
#include "core/instalacion.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/archivos.h"

namespace {

using namespace veluma::test;

using veluma::Database;

QList<QVariantList> filas(Database& db, const QString& sql)
{
    veluma::Statement consulta = db.prepare(sql);
    QList<QVariantList> resultado;
    while (consulta.next()) {
        QVariantList fila;
        for (int c = 0; c < consulta.columnCount(); ++c)
            fila.append(consulta.value(c));
        resultado.append(fila);
    }
    return resultado;
}

// ---- The generated auxiliary database -------------------------------------

TEST(ReferenciaBase, TablasDeLaBaseAuxiliar)
{
    QTemporaryDir carpeta;
    ASSERT_TRUE(carpeta.isValid());
    const QString copia = carpeta.filePath(QStringLiteral("aux.mdb"));
    ASSERT_TRUE(QFile::copy(
        QStringLiteral(VELUMA_PROGRAMA_DIR "/") + veluma::NombreBaseAuxiliar(veluma::versionDelPrograma()), copia));
    Database db = Database::open(copia, veluma::contrasenaBase());
    const auto contar = [&](const char* sql) { return filas(db, QString::fromUtf8(sql)).value(0).value(0).toInt(); };

    const QList<QVariantList> arbol = {
        {617, 1, "frm617Licencias"},
        {617, 1, "frm617CompSocietaria"},
        {617, 0, "frm617TotalAPagar"},
        {618, 1, "frm618Ingresos1"},
        {618, 1, "frm618Ingresos2"},
        {618, 0, "frm618TotalPercepcionesEfectuadas"},
        {618, 0, "frm618TotalADepositar"},
        {708, 1, "frm708ListadoSalas"},
        {708, 1, "frm708ImpuestoDeterminado"},
        {708, 1, "frm708PagoCuenta"},
        {708, 0, "frm708Saldos"},
    };
    QList<QVariantList> reales;
    for (const QVariantList& fila :
         filas(db, QStringLiteral("SELECT Formulario, detalle, NombreForm FROM TablaArbol ORDER BY rowid")))
        reales.append({fila[0].toInt(), fila[1].toInt(), fila[2].toString()});
    EXPECT_EQ(reales, arbol);

    EXPECT_EQ(filas(db, QStringLiteral("SELECT codigo FROM \"617TablaExencion\" ORDER BY codigo")),
              (QList<QVariantList>{{qint64(1)}, {qint64(2)}, {qint64(3)}}));
    EXPECT_EQ(filas(db, QStringLiteral("SELECT Activo FROM MsgConfig")), (QList<QVariantList>{{qint64(1)}}));

    // 100 to 118 once each, and something beyond them.
    EXPECT_EQ(filas(db, QStringLiteral("SELECT count(*), count(DISTINCT Codigo) FROM \"617TablaConceptos\" "
                                       "WHERE Codigo BETWEEN 100 AND 118")),
              (QList<QVariantList>{{qint64(19), qint64(19)}}));
    EXPECT_GE(contar("SELECT count(*) FROM \"617TablaConceptos\" WHERE Codigo > 118"), 1);

    // A code whose rate changes from one range to the next, and a code no longer in force.
    EXPECT_GE(contar("SELECT count(*) FROM \"617TablaDenom\" a JOIN \"617TablaDenom\" b ON a.Codigo = b.Codigo "
                     "AND b.VigenciaDesde = date(a.VigenciaHasta, '+1 day') AND a.Porcentaje <> b.Porcentaje"),
              1);
    EXPECT_GE(contar("SELECT count(*) FROM (SELECT max(VigenciaHasta) AS hasta FROM \"617TablaDenom\" "
                     "GROUP BY Codigo) WHERE hasta < date('now')"),
              1);
}

// ---- The tool ---------------------------------------------------------------

TEST(ReferenciaHerramienta, UnArchivoMalFormadoNoDejaSalidaNiTocaLaAnterior)
{
    QTemporaryDir carpeta;
    ASSERT_TRUE(QDir(carpeta.path()).mkpath(QStringLiteral("datos")));
    // The exit code, or -1 when the tool did not finish normally.
    const auto ejecutar = [&](const QString& salida) {
        QProcess proceso;
        proceso.start(QStringLiteral(VELUMA_PROGRAMA_DIR "/veluma-referencia"),
                      {carpeta.filePath(QStringLiteral("datos")), salida});
        const bool termino = proceso.waitForFinished(60000) && proceso.exitStatus() == QProcess::NormalExit;
        return termino ? proceso.exitCode() : -1;
    };
    const QString tabla = carpeta.filePath(QStringLiteral("datos/Tabla.tsv"));
    const QString anterior = carpeta.filePath(QStringLiteral("anterior/aux.mdb"));
    const QByteArray buena = "Codigo INTEGER\tDesde DATE\tActivo BOOLEAN\n1\t2024-02-29\t1\n";
    escribirArchivo(tabla, buena);
    ASSERT_EQ(ejecutar(anterior), 0);
    const QByteArray bytes = leerArchivo(anterior);
    ASSERT_FALSE(bytes.isEmpty());

    const char* const filasMalas[] = {
        "2\t2024-03-01\t1\tde mas\n",  // one field too many
        "2\t2024-03-01\n",            // one field short
        "12a\t2024-03-01\t1\n",       // INTEGER
        "\t2024-03-01\t1\n",          // empty INTEGER
        "2\t2023-02-30\t1\n",         // DATE that does not exist
        "2\t01/03/2024\t1\n",         // DATE in another format
        "2\t2024-03-01\t2\n",         // BOOLEAN
    };
    for (const char* fila : filasMalas) {
        SCOPED_TRACE(fila);
        escribirArchivo(tabla, buena + fila);
        const int sinAnterior = ejecutar(carpeta.filePath(QStringLiteral("nueva/aux.mdb")));
        EXPECT_TRUE(sinAnterior > 0) << sinAnterior;
        EXPECT_EQ(archivosEn(carpeta.filePath(QStringLiteral("nueva"))), QStringList());

        const int conAnterior = ejecutar(anterior);
        EXPECT_TRUE(conAnterior > 0) << conAnterior;
        EXPECT_EQ(leerArchivo(anterior), bytes);
        EXPECT_EQ(archivosEn(carpeta.filePath(QStringLiteral("anterior"))), QStringList{QStringLiteral("aux.mdb")});
    }
}

}  // namespace
