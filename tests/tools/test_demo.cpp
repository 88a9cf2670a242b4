// The demo installation: host databases, program copy, the veluma-demo tool
// and the temporary installation the other tests build on.

#include "core/clave.h"
#include "core/database.h"
#include "core/error.h"
#include "core/instalacion.h"
#include "instalacion_demo.h"
#include "support/instalacion_temporal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using veluma::Database;
namespace demo = veluma::demo;

const QStringList kCuitsDemo = {
    QStringLiteral("30-70451826-5"),
    QStringLiteral("30715482033"),
    QStringLiteral("30-69587412-6"),
    QStringLiteral("30708251638"),
};

QByteArray leer(const QString& ruta)
{
    QFile archivo(ruta);
    return archivo.open(QIODevice::ReadOnly) ? archivo.readAll() : QByteArray();
}

void escribir(const QString& ruta, const QByteArray& contenido)
{
    QFile archivo(ruta);
    ASSERT_TRUE(archivo.open(QIODevice::WriteOnly | QIODevice::Truncate)) << ruta.toStdString();
    archivo.write(contenido);
}

QStringList archivosEn(const QString& carpeta)
{
    return QDir(carpeta).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

template <class T>
qint64 entero(Database& db, const QString& sql, const T& parametro)
{
    veluma::Statement consulta = db.prepare(sql);
    consulta.bindAll(parametro);
    return consulta.next() ? consulta.integer(0).value_or(-1) : -1;
}

// Weights 5,4,3,2,7,6,5,4,3,2; 11 - sum mod 11, where 11 gives 0 and 10 is not allowed.
bool digitoVerificadorCorrecto(QString cuit)
{
    cuit.remove(QLatin1Char('-'));
    if (cuit.size() != 11)
        return false;
    static const int pesos[] = {5, 4, 3, 2, 7, 6, 5, 4, 3, 2};
    int suma = 0;
    for (int i = 0; i < 10; ++i)
        suma += cuit[i].digitValue() * pesos[i];
    const int digito = 11 - suma % 11;
    return digito != 10 && (digito == 11 ? 0 : digito) == cuit[10].digitValue();
}

// ---- Host databases ---------------------------------------------------------

class DemoBases : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(carpeta_.isValid());
        demo::crearBasesAnfitrion(carpeta_.path());
        kelt_ = Database::open(carpeta_.filePath(QStringLiteral("kelt.mdb")), veluma::contrasenaBase());
        sistema_ = Database::open(carpeta_.filePath(QStringLiteral("sistema.mdb")), veluma::contrasenaBase());
    }

    qint64 ncontrib(const QString& cuit)
    {
        return entero(kelt_, QStringLiteral("SELECT ncontrib FROM contribs WHERE cuit = ?"), cuit);
    }

    QTemporaryDir carpeta_;
    Database kelt_;
    Database sistema_;
};

TEST_F(DemoBases, ContribuyentesConCuitCorrectoYActividadPrincipal)
{
    QStringList cuits;
    QStringList nombres;
    veluma::Statement contribs = kelt_.prepare(QStringLiteral("SELECT cuit, descrip FROM contribs ORDER BY rowid"));
    while (contribs.next()) {
        cuits.append(*contribs.text(0));
        nombres.append(*contribs.text(1));
    }
    EXPECT_EQ(cuits, kCuitsDemo);
    ASSERT_EQ(demo::contribuyentesDemo().size(), cuits.size());
    for (qsizetype i = 0; i < cuits.size(); ++i) {
        EXPECT_EQ(demo::contribuyentesDemo()[i].cuit, cuits[i]);
        EXPECT_EQ(demo::contribuyentesDemo()[i].descripcion, nombres[i]);
        EXPECT_TRUE(digitoVerificadorCorrecto(cuits[i])) << cuits[i].toStdString();

        veluma::Statement actividad = kelt_.prepare(
            QStringLiteral("SELECT codact FROM actcontrib WHERE ncontrib = ? AND TipoAct = 'Principal'"));
        actividad.bindAll(ncontrib(cuits[i]));
        ASSERT_TRUE(actividad.next()) << cuits[i].toStdString();
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^[0-9]{6}$")).match(*actividad.text(0)).hasMatch());
        EXPECT_FALSE(actividad.next()) << "two main activities for " << cuits[i].toStdString();
    }
    EXPECT_EQ(entero(kelt_, QStringLiteral("SELECT count(*) FROM actcontrib WHERE TipoAct <> ?"),
                     QStringLiteral("Principal")),
              1);
}

TEST_F(DemoBases, DomiciliosFiscales)
{
    const QString fiscales = QStringLiteral("SELECT count(*) FROM domicilio WHERE domfiscal = 1 AND ncontrib = ?");
    const QString todos = QStringLiteral("SELECT count(*) FROM domicilio WHERE ncontrib = ?");
    // The cinema company: a complete fiscal address and another one that is not fiscal.
    const qint64 cine = ncontrib(kCuitsDemo[0]);
    EXPECT_EQ(entero(kelt_, fiscales, cine), 1);
    EXPECT_EQ(entero(kelt_, todos, cine), 2);
    veluma::Statement domicilio = kelt_.prepare(QStringLiteral(
        "SELECT calle, nro, sector, torre, piso, dtoofloc, manzana, barrio, tipobarrio, localidad, partido, "
        "codprov, codpostal FROM domicilio WHERE domfiscal = 1 AND ncontrib = ?"));
    domicilio.bindAll(cine);
    ASSERT_TRUE(domicilio.next());
    for (int c = 0; c < domicilio.columnCount(); ++c)
        EXPECT_FALSE(domicilio.isNull(c)) << domicilio.columnName(c).toStdString();
    EXPECT_EQ(entero(sistema_, QStringLiteral("SELECT count(*) FROM tipobarrio WHERE codigo = ?"),
                     *domicilio.integer(QStringLiteral("tipobarrio"))),
              1);
    EXPECT_EQ(entero(sistema_, QStringLiteral("SELECT count(*) FROM provincias WHERE codigo = ?"),
                     *domicilio.integer(QStringLiteral("codprov"))),
              1);
    EXPECT_NE(domicilio.text(QStringLiteral("localidad"))->toUpper(), *domicilio.text(QStringLiteral("localidad")));

    // The radio has an address row, but none of them is fiscal.
    const qint64 radio = ncontrib(kCuitsDemo[1]);
    EXPECT_EQ(entero(kelt_, fiscales, radio), 0);
    EXPECT_GE(entero(kelt_, todos, radio), 1);
    for (const QString& cuit : {kCuitsDemo[2], kCuitsDemo[3]})
        EXPECT_EQ(entero(kelt_, fiscales, ncontrib(cuit)), 1) << cuit.toStdString();

    EXPECT_EQ(entero(kelt_, QStringLiteral("SELECT count(*) FROM domicilio WHERE domfiscal = 1 AND piso = ?"),
                     QStringLiteral("   ")),
              1);
    EXPECT_EQ(entero(sistema_, QStringLiteral("SELECT count(DISTINCT codigo) FROM provincias WHERE codigo <= ?"), 24),
              24);
}

TEST_F(DemoBases, NombresConApostrofeYLargosSeLeenTalCual)
{
    const QString nandu = QStringLiteral("Ñandú Producciones de O'Higgins S.R.L.");
    veluma::Statement porCuit = kelt_.prepare(QStringLiteral("SELECT descrip FROM contribs WHERE cuit = ?"));
    porCuit.bindAll(kCuitsDemo[2]);
    ASSERT_TRUE(porCuit.next());
    EXPECT_EQ(*porCuit.text(0), nandu);
    EXPECT_EQ(ncontrib(kCuitsDemo[2]),
              entero(kelt_, QStringLiteral("SELECT ncontrib FROM contribs WHERE descrip = ?"), nandu));

    EXPECT_EQ(entero(kelt_, QStringLiteral("SELECT count(*) FROM contribs WHERE length(descrip) > ?"), 60), 1);
}

TEST_F(DemoBases, NoReemplazaUnaBaseQueYaExiste)
{
    kelt_.execute(QStringLiteral("DELETE FROM contribs WHERE ncontrib <> 1045"));
    kelt_.close();
    sistema_.close();
    const QByteArray kelt = leer(carpeta_.filePath(QStringLiteral("kelt.mdb")));
    QFile::remove(carpeta_.filePath(QStringLiteral("sistema.mdb")));

    demo::crearBasesAnfitrion(carpeta_.path());
    EXPECT_EQ(leer(carpeta_.filePath(QStringLiteral("kelt.mdb"))), kelt);
    EXPECT_EQ(archivosEn(carpeta_.path()), (QStringList{QStringLiteral("kelt.mdb"), QStringLiteral("sistema.mdb")}));
    Database sistema = Database::open(carpeta_.filePath(QStringLiteral("sistema.mdb")), veluma::contrasenaBase());
    EXPECT_EQ(entero(sistema, QStringLiteral("SELECT count(*) FROM provincias WHERE codigo >= ?"), 0), 24);
}

// ---- Program copy -----------------------------------------------------------

class DemoInstalacion : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(carpeta_.isValid()); }

    QString ruta(const QString& relativa) const { return carpeta_.filePath(relativa); }

    QTemporaryDir carpeta_;
};

TEST_F(DemoInstalacion, UnArchivoFaltanteNoCopiaNada)
{
    const QString origen = ruta(QStringLiteral("origen"));
    ASSERT_TRUE(QDir().mkpath(origen));
    const veluma::Instalacion destino(ruta(QStringLiteral("destino")), QStringLiteral("veluma"),
                                      veluma::versionDelPrograma());
    escribir(origen + QStringLiteral("/VELUMA.html"), "ayuda");
    escribir(origen + QLatin1Char('/') + veluma::NombreBaseAuxiliar(veluma::versionDelPrograma()), "base");

    try {
        demo::copiarPrograma(origen, destino);
        FAIL() << "copied without the executable";
    } catch (const veluma::Error& e) {
        EXPECT_TRUE(e.descripcion().contains(origen + QStringLiteral("/veluma"))) << e.descripcion().toStdString();
    }
    EXPECT_TRUE(archivosEn(destino.carpetaPrograma()).isEmpty());
}

TEST_F(DemoInstalacion, ReemplazaLasCopiasViejasPeroNuncaLaBaseDeTrabajo)
{
    const QString origen = ruta(QStringLiteral("origen"));
    ASSERT_TRUE(QDir().mkpath(origen));
    const veluma::Instalacion destino(ruta(QStringLiteral("destino")), QStringLiteral("veluma"),
                                      veluma::versionDelPrograma());
    ASSERT_TRUE(QDir().mkpath(destino.carpetaPrograma()));
    escribir(origen + QStringLiteral("/VELUMA.html"), "ayuda nueva");
    escribir(origen + QStringLiteral("/veluma.mdb"), "una base ajena");
    escribir(destino.carpetaPrograma() + QStringLiteral("/VELUMA.html"), "ayuda vieja");
    escribir(destino.rutaBaseTrabajo(), "datos del contribuyente");

    demo::copiarArchivos(origen, destino, {QStringLiteral("VELUMA.html"), QStringLiteral("veluma.mdb")});
    EXPECT_EQ(leer(destino.rutaAyuda()), QByteArray("ayuda nueva"));
    EXPECT_EQ(leer(destino.rutaBaseTrabajo()), QByteArray("datos del contribuyente"));
    EXPECT_EQ(archivosEn(destino.carpetaPrograma()),
              (QStringList{QStringLiteral("VELUMA.html"), QStringLiteral("veluma.mdb")}));
}

// ---- The veluma-demo tool ---------------------------------------------------

struct Salida {
    int codigo = -1;
    QByteArray normal;
    QByteArray error;
};

Salida ejecutarDemo(const QStringList& argumentos)
{
    QProcess proceso;
    proceso.start(QStringLiteral(VELUMA_PROGRAMA_DIR "/veluma-demo"), argumentos);
    Salida salida;
    if (!proceso.waitForFinished(120000) || proceso.exitStatus() != QProcess::NormalExit)
        return salida;
    salida.codigo = proceso.exitCode();
    salida.normal = proceso.readAllStandardOutput();
    salida.error = proceso.readAllStandardError();
    return salida;
}

TEST_F(DemoInstalacion, OtraEjecucionActualizaElProgramaYConservaLosDatos)
{
    const QString dir = ruta(QStringLiteral("demo"));
    const QByteArray cuits = kCuitsDemo.join(QLatin1Char('\n')).toUtf8() + '\n';

    const Salida sinCarpeta = ejecutarDemo({});
    EXPECT_EQ(sinCarpeta.codigo, 1);
    EXPECT_TRUE(sinCarpeta.normal.isEmpty());
    EXPECT_FALSE(sinCarpeta.error.isEmpty());

    const Salida primera = ejecutarDemo({dir});
    ASSERT_EQ(primera.codigo, 0) << primera.error.toStdString();
    EXPECT_EQ(primera.normal, cuits);
    EXPECT_TRUE(primera.error.isEmpty());
    const veluma::Instalacion instalacion = demo::instalacionDemo(dir);
    QStringList programa = instalacion.archivosDelPrograma();
    programa.sort();
    EXPECT_EQ(archivosEn(instalacion.carpetaPrograma()), programa);
    for (const QString& nombre : programa) {
        EXPECT_EQ(leer(instalacion.carpetaPrograma() + QLatin1Char('/') + nombre),
                  leer(QStringLiteral(VELUMA_PROGRAMA_DIR "/") + nombre))
            << nombre.toStdString();
    }
    EXPECT_TRUE(QFileInfo(instalacion.carpetaPrograma() + QStringLiteral("/veluma")).isExecutable());

    // The taxpayer works with the program: a working database appears, the
    // host adds data of its own; an old help file is left from a former version.
    {
        Database trabajo = Database::open(instalacion.rutaBaseTrabajo(), veluma::contrasenaBase(),
                                          Database::OpenMode::Create);
        trabajo.execute(QStringLiteral("CREATE TABLE DDJJ (CUIT TEXT, Periodo INTEGER)"));
        trabajo.prepare(QStringLiteral("INSERT INTO DDJJ VALUES (?, ?)")).bindAll(kCuitsDemo[0], 200405).run();
        Database kelt = Database::open(instalacion.rutaKelt(), veluma::contrasenaBase());
        kelt.prepare(QStringLiteral("UPDATE contribs SET mesCierreEjCom = ? WHERE cuit = ?"))
            .bindAll(6, kCuitsDemo[0])
            .run();
    }
    escribir(instalacion.rutaAyuda(), "ayuda de la version anterior");
    const QByteArray trabajo = leer(instalacion.rutaBaseTrabajo());
    const QByteArray kelt = leer(instalacion.rutaKelt());
    const QByteArray sistema = leer(instalacion.rutaSistema());

    const Salida segunda = ejecutarDemo({dir});
    ASSERT_EQ(segunda.codigo, 0) << segunda.error.toStdString();
    EXPECT_EQ(segunda.normal, cuits);
    EXPECT_EQ(leer(instalacion.rutaBaseTrabajo()), trabajo);
    EXPECT_EQ(leer(instalacion.rutaKelt()), kelt);
    EXPECT_EQ(leer(instalacion.rutaSistema()), sistema);
    EXPECT_EQ(leer(instalacion.rutaAyuda()), leer(QStringLiteral(VELUMA_PROGRAMA_DIR "/VELUMA.html")));
    EXPECT_EQ(archivosEn(dir),
              (QStringList{QStringLiteral("kelt.mdb"), QStringLiteral("sistema.mdb"), QStringLiteral("veluma")}));

    Database base = Database::open(instalacion.rutaKelt(), veluma::contrasenaBase());
    EXPECT_EQ(entero(base, QStringLiteral("SELECT count(*) FROM contribs WHERE ncontrib > ?"), 0), 4);
}

// ---- The temporary installation of the tests ---------------------------------

TEST(DemoInstalacionTemporal, ArmaLaInstalacionYLaBorraAlTerminar)
{
    QString raiz;
    {
        const veluma::test::InstalacionTemporal sinEjecutable;
        raiz = sinEjecutable.raiz();
        EXPECT_EQ(sinEjecutable.cuits(), kCuitsDemo);
        EXPECT_EQ(sinEjecutable.carpetaPrograma(), QDir(raiz).filePath(QStringLiteral("veluma")));
        EXPECT_TRUE(QFileInfo::exists(sinEjecutable.instalacion().rutaKelt()));
        EXPECT_TRUE(QFileInfo::exists(sinEjecutable.instalacion().rutaSistema()));
        QStringList programa = sinEjecutable.instalacion().archivosDelPrograma();
        programa.removeAll(QStringLiteral("veluma"));
        programa.sort();
        EXPECT_EQ(archivosEn(sinEjecutable.carpetaPrograma()), programa);
        EXPECT_FALSE(QFileInfo::exists(sinEjecutable.instalacion().rutaBaseTrabajo()));
        // The auxiliary database is a real, keyed copy.
        Database auxiliar = Database::open(sinEjecutable.instalacion().rutaBaseAuxiliar(), veluma::contrasenaBase());
        EXPECT_EQ(entero(auxiliar, QStringLiteral("SELECT count(*) FROM MsgConfig WHERE NombreAplicativo = ?"),
                         QStringLiteral("Veluma")),
                  1);
    }
    EXPECT_FALSE(QFileInfo::exists(raiz));

    const veluma::test::InstalacionTemporal conEjecutable(true);
    EXPECT_EQ(conEjecutable.rutaEjecutable(), conEjecutable.carpetaPrograma() + QStringLiteral("/veluma"));
    EXPECT_TRUE(QFileInfo(conEjecutable.rutaEjecutable()).isExecutable());
}

}  // namespace
