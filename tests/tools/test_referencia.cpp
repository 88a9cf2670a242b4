// The auxiliary database built from data/referencia, and the tool that builds it.

#include "core/clave.h"
#include "core/database.h"
#include "core/instalacion.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace {

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

QByteArray leer(const QString& ruta)
{
    QFile archivo(ruta);
    return archivo.open(QIODevice::ReadOnly) ? archivo.readAll() : QByteArray();
}

// ---- The generated auxiliary database -------------------------------------

class ReferenciaBase : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(carpeta_.isValid());
        const QString origen = QStringLiteral(VELUMA_PROGRAMA_DIR "/")
            + veluma::NombreBaseAuxiliar(veluma::versionDelPrograma());
        const QString copia = carpeta_.filePath(QStringLiteral("aux.mdb"));
        ASSERT_TRUE(QFile::copy(origen, copia)) << origen.toStdString();
        db_ = Database::open(copia, veluma::contrasenaBase());
    }

    QTemporaryDir carpeta_;
    Database db_;
};

TEST_F(ReferenciaBase, TieneLasCincoTablasConLasColumnasDeclaradas)
{
    using Columnas = QList<QPair<QString, QString>>;
    const std::map<QString, Columnas> esperadas = {
        {QStringLiteral("617TablaConceptos"), {{"Codigo", "INTEGER"}, {"Descripcion", "TEXT"}}},
        {QStringLiteral("617TablaDenom"),
         {{"Codigo", "INTEGER"},
          {"Descripcion", "TEXT"},
          {"Porcentaje", "DOUBLE"},
          {"VigenciaDesde", "DATE"},
          {"VigenciaHasta", "DATE"},
          {"impuesto", "INTEGER"}}},
        {QStringLiteral("617TablaExencion"), {{"codigo", "INTEGER"}, {"descripcion", "TEXT"}}},
        {QStringLiteral("MsgConfig"), {{"NombreAplicativo", "TEXT"}, {"Mensaje", "TEXT"}, {"Activo", "BOOLEAN"}}},
        {QStringLiteral("TablaArbol"),
         {{"Formulario", "INTEGER"}, {"detalle", "BOOLEAN"}, {"descripcion", "TEXT"}, {"NombreForm", "TEXT"}}},
    };

    QStringList tablas;
    for (const QVariantList& fila :
         filas(db_, QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name")))
        tablas.append(fila[0].toString());
    QStringList nombresEsperados;
    for (const auto& [nombre, columnas] : esperadas)
        nombresEsperados.append(nombre);
    EXPECT_EQ(tablas, nombresEsperados);

    for (const auto& [nombre, columnas] : esperadas) {
        Columnas reales;
        for (const QVariantList& fila : filas(db_, QStringLiteral("PRAGMA table_info(\"%1\")").arg(nombre)))
            reales.append({fila[1].toString(), fila[2].toString()});
        EXPECT_EQ(reales, columnas) << nombre.toStdString();
    }
}

TEST_F(ReferenciaBase, ConceptosCubrenPublicidadAbonosProgramasYOtros)
{
    QList<qint64> codigos;
    for (const QVariantList& fila :
         filas(db_, QStringLiteral("SELECT Codigo, Descripcion FROM \"617TablaConceptos\" ORDER BY Codigo"))) {
        codigos.append(fila[0].toLongLong());
        EXPECT_FALSE(fila[1].toString().trimmed().isEmpty()) << fila[0].toLongLong();
    }
    for (qint64 codigo = 100; codigo <= 118; ++codigo)
        EXPECT_EQ(codigos.count(codigo), 1) << codigo;
    EXPECT_GE(std::count_if(codigos.begin(), codigos.end(), [](qint64 c) { return c > 118; }), 2);
    EXPECT_GE(codigos.first(), 100);
}

TEST_F(ReferenciaBase, DenominacionesConCambioDeAlicuotaYVigenciaTerminada)
{
    struct Rango {
        qint64 impuesto;
        double porcentaje;
        QDate desde;
        QDate hasta;
    };
    std::map<qint64, QList<Rango>> porCodigo;
    for (const QVariantList& fila : filas(db_, QStringLiteral("SELECT Codigo, impuesto, Porcentaje, VigenciaDesde, "
                                                              "VigenciaHasta FROM \"617TablaDenom\" ORDER BY "
                                                              "Codigo, VigenciaDesde"))) {
        const Rango rango{fila[1].toLongLong(), fila[2].toDouble(), QDate::fromString(fila[3].toString(), Qt::ISODate),
                          QDate::fromString(fila[4].toString(), Qt::ISODate)};
        ASSERT_TRUE(rango.desde.isValid() && rango.hasta.isValid() && rango.desde <= rango.hasta) << fila[0].toInt();
        EXPECT_TRUE(rango.porcentaje > 0 && rango.porcentaje < 100);
        porCodigo[fila[0].toLongLong()].append(rango);
    }

    const QDate abierto(2099, 12, 31);
    bool hayCambioDeAlicuota = false;
    bool hayVigenciaTerminada = false;
    QSet<qint64> impuestos;
    for (const auto& [codigo, rangos] : porCodigo) {
        for (qsizetype i = 1; i < rangos.size(); ++i) {
            // The rate lookup searches by code alone: a code belongs to one tax.
            EXPECT_EQ(rangos[i].impuesto, rangos[0].impuesto) << codigo;
            EXPECT_EQ(rangos[i].desde, rangos[i - 1].hasta.addDays(1)) << codigo;
            hayCambioDeAlicuota = hayCambioDeAlicuota || rangos[i].porcentaje != rangos[i - 1].porcentaje;
        }
        hayVigenciaTerminada = hayVigenciaTerminada || rangos.last().hasta < QDate::currentDate();
        EXPECT_TRUE(rangos.last().hasta <= abierto) << codigo;
        impuestos.insert(rangos[0].impuesto);

        // The list of service types accepts the ends of a range and the rate
        // lookup does not: on the first day of every period from 1994 on both
        // must find the same single row, or none.
        for (QDate dia(1994, 1, 1); dia <= abierto; dia = dia.addMonths(1)) {
            const auto incluye = [&](const Rango& r) { return r.desde <= dia && dia <= r.hasta; };
            const auto estricto = [&](const Rango& r) { return r.desde < dia && dia < r.hasta; };
            EXPECT_EQ(std::count_if(rangos.begin(), rangos.end(), incluye),
                      std::count_if(rangos.begin(), rangos.end(), estricto))
                << codigo << " " << dia.toString(Qt::ISODate).toStdString();
            EXPECT_LE(std::count_if(rangos.begin(), rangos.end(), incluye), 1);
        }
    }
    EXPECT_TRUE(hayCambioDeAlicuota);
    EXPECT_TRUE(hayVigenciaTerminada);
    EXPECT_EQ(impuestos, (QSet<qint64>{306, 307}));
}

TEST_F(ReferenciaBase, ExencionesPorLeyResolucionYOtras)
{
    const QList<QVariantList> exenciones =
        filas(db_, QStringLiteral("SELECT codigo FROM \"617TablaExencion\" ORDER BY codigo"));
    EXPECT_EQ(exenciones, (QList<QVariantList>{{qint64(1)}, {qint64(2)}, {qint64(3)}}));
}

TEST_F(ReferenciaBase, UnSoloAvisoDeInicioActivo)
{
    const QList<QVariantList> avisos =
        filas(db_, QStringLiteral("SELECT NombreAplicativo, Mensaje, Activo, typeof(Activo) FROM MsgConfig"));
    ASSERT_EQ(avisos.size(), 1);
    EXPECT_EQ(avisos[0][0].toString(), QStringLiteral("Veluma"));
    EXPECT_GT(avisos[0][1].toString().size(), 200);
    EXPECT_TRUE(avisos[0][1].toString().contains(QLatin1Char('\n')));  // paragraphs survive the text format
    EXPECT_EQ(avisos[0][2], QVariant(qint64(1)));
    EXPECT_EQ(avisos[0][3].toString(), QStringLiteral("integer"));
}

TEST_F(ReferenciaBase, ArbolConLasOnceSeccionesEnOrdenDeLectura)
{
    const QList<QVariantList> esperado = {
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
         filas(db_, QStringLiteral("SELECT Formulario, detalle, NombreForm, descripcion FROM TablaArbol "
                                   "ORDER BY rowid"))) {
        EXPECT_FALSE(fila[3].toString().trimmed().isEmpty()) << fila[2].toString().toStdString();
        reales.append({fila[0].toInt(), fila[1].toInt(), fila[2].toString()});
    }
    EXPECT_EQ(reales, esperado);
}

// ---- The tool ---------------------------------------------------------------

class ReferenciaHerramienta : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(carpeta_.isValid());
        ASSERT_TRUE(QDir(carpeta_.path()).mkpath(QStringLiteral("datos")));
        ASSERT_TRUE(QDir(carpeta_.path()).mkpath(QStringLiteral("salida")));
    }

    void escribir(const QString& nombre, const QByteArray& contenido)
    {
        QFile archivo(datos() + QLatin1Char('/') + nombre);
        ASSERT_TRUE(archivo.open(QIODevice::WriteOnly | QIODevice::Truncate));
        archivo.write(contenido);
    }

    struct Resultado {
        int codigo;
        QString error;
    };

    Resultado ejecutar()
    {
        QProcess proceso;
        proceso.start(QStringLiteral(VELUMA_PROGRAMA_DIR "/veluma-referencia"), {datos(), salida()});
        if (!proceso.waitForFinished(60000))
            return {-1, proceso.errorString()};
        return {proceso.exitStatus() == QProcess::NormalExit ? proceso.exitCode() : -1,
                QString::fromUtf8(proceso.readAllStandardError())};
    }

    QString datos() const { return carpeta_.filePath(QStringLiteral("datos")); }
    QString salida() const { return carpeta_.filePath(QStringLiteral("salida/aux.mdb")); }
    QStringList archivosDeSalida() const
    {
        return QDir(carpeta_.filePath(QStringLiteral("salida"))).entryList(QDir::Files | QDir::Hidden);
    }

    QTemporaryDir carpeta_;
};

TEST_F(ReferenciaHerramienta, GuardaLasFilasEnOrdenConSuTipo)
{
    escribir(QStringLiteral("Prueba.tsv"),
             "Nombre TEXT\tCantidad INTEGER\tTasa DOUBLE\tDesde DATE\tActivo BOOLEAN\r\n"
             "Ñandú de O'Higgins\t-3\t2.5\t2024-02-29\t1\r\n"
             "\\N\t\\N\t\\N\t\\N\t\\N\r\n"
             "\t7\t1e2\t1999-12-31\t0\r\n"
             "\n"
             "uno\\ndos\\tc:\\\\x\t120\t.5\t2000-01-01\t1\n");
    escribir(QStringLiteral("Vacia.tsv"), "\xEF\xBB\xBF" "Codigo INTEGER\n");
    escribir(QStringLiteral("LEAME.md"), "no es una tabla");

    const Resultado resultado = ejecutar();
    ASSERT_EQ(resultado.codigo, 0) << resultado.error.toStdString();
    EXPECT_TRUE(resultado.error.isEmpty());
    EXPECT_EQ(archivosDeSalida(), QStringList{QStringLiteral("aux.mdb")});

    EXPECT_THROW(Database::open(salida(), QString()).execute(QStringLiteral("SELECT * FROM Prueba")), veluma::DbError);
    Database db = Database::open(salida(), veluma::contrasenaBase());
    EXPECT_EQ(filas(db, QStringLiteral("SELECT name FROM sqlite_master ORDER BY name")),
              (QList<QVariantList>{{QStringLiteral("Prueba")}, {QStringLiteral("Vacia")}}));
    EXPECT_TRUE(filas(db, QStringLiteral("SELECT * FROM Vacia")).isEmpty());

    const QList<QVariantList> esperado = {
        {QStringLiteral("Ñandú de O'Higgins"), qint64(-3), 2.5, QStringLiteral("2024-02-29"), qint64(1),
         QStringLiteral("text integer real text integer")},
        {QVariant(), QVariant(), QVariant(), QVariant(), QVariant(), QStringLiteral("null null null null null")},
        {QStringLiteral(""), qint64(7), 100.0, QStringLiteral("1999-12-31"), qint64(0),
         QStringLiteral("text integer real text integer")},
        {QStringLiteral("uno\ndos\tc:\\x"), qint64(120), 0.5, QStringLiteral("2000-01-01"), qint64(1),
         QStringLiteral("text integer real text integer")},
    };
    EXPECT_EQ(filas(db, QStringLiteral("SELECT Nombre, Cantidad, Tasa, Desde, Activo, typeof(Nombre) || ' ' || "
                                       "typeof(Cantidad) || ' ' || typeof(Tasa) || ' ' || typeof(Desde) || ' ' || "
                                       "typeof(Activo) FROM Prueba ORDER BY rowid")),
              esperado);
}

TEST_F(ReferenciaHerramienta, RechazaUnArchivoMalFormadoSinDejarBase)
{
    struct Caso {
        const char* contenido;
        const char* enElMensaje;
    };
    const Caso casos[] = {
        {"A INTEGER\tB TEXT\n1\tx\n2\ty\tde mas\n", "línea 3"},
        {"A INTEGER\tB TEXT\n1\tx\n2\n", "línea 3"},
        {"A INTEGER\tB TEXT\n1\tx\n12a\ty\n", "columna A"},
        {"A INTEGER\tB TEXT\n1\tx\n\ty\n", "columna A"},
        {"D DATE\n2024-02-29\n2023-02-30\n", "2023-02-30"},
        {"D DATE\n2024-02-29\n30/01/2023\n", "30/01/2023"},
        {"B BOOLEAN\n1\n2\n", "columna B"},
        {"P DOUBLE\n1.5\n3,5\n", "3,5"},
        {"T TEXT\nbien\nc:\\temp\\x\n", "columna T"},
        {"A NUMBER\n1\n", "NUMBER"},
        {"A INTEGER\ta INTEGER\n1\t2\n", "repetida"},
    };
    escribir(QStringLiteral("Buena.tsv"), "Codigo INTEGER\tDescripcion TEXT\n1\tuna\n");
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.contenido);
        escribir(QStringLiteral("Mala.tsv"), caso.contenido);
        const Resultado resultado = ejecutar();
        EXPECT_EQ(resultado.codigo, 1);
        EXPECT_TRUE(resultado.error.contains(QStringLiteral("Mala.tsv"))) << resultado.error.toStdString();
        EXPECT_TRUE(resultado.error.contains(QString::fromUtf8(caso.enElMensaje))) << resultado.error.toStdString();
        EXPECT_TRUE(archivosDeSalida().isEmpty()) << archivosDeSalida().join(QLatin1Char(' ')).toStdString();
    }
}

TEST_F(ReferenciaHerramienta, UnFalloDejaIntactaLaBaseAnterior)
{
    escribir(QStringLiteral("Tabla.tsv"), "Codigo INTEGER\n1\n");
    ASSERT_EQ(ejecutar().codigo, 0);
    const QByteArray anterior = leer(salida());
    ASSERT_FALSE(anterior.isEmpty());

    escribir(QStringLiteral("Tabla.tsv"), "Codigo INTEGER\n1\nuno\n");
    EXPECT_EQ(ejecutar().codigo, 1);
    EXPECT_EQ(leer(salida()), anterior);
    EXPECT_EQ(archivosDeSalida(), QStringList{QStringLiteral("aux.mdb")});

    // A good rerun replaces it.
    escribir(QStringLiteral("Tabla.tsv"), "Codigo INTEGER\n1\n2\n");
    ASSERT_EQ(ejecutar().codigo, 0);
    Database db = Database::open(salida(), veluma::contrasenaBase());
    EXPECT_EQ(filas(db, QStringLiteral("SELECT Codigo FROM Tabla")), (QList<QVariantList>{{qint64(1)}, {qint64(2)}}));
}

}  // namespace
