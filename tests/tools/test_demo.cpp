// The demo installation: host databases, program copy and the temporary
// installation the other tests build on.

#include "core/clave.h"
#include "core/database.h"
#include "core/error.h"
#include "core/instalacion.h"
#include "instalacion_demo.h"
#include "support/instalacion_temporal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/archivos.h"

namespace {

using namespace veluma::test;

using veluma::Database;
namespace demo = veluma::demo;

const QStringList kCuitsDemo = {QStringLiteral("30-70451826-5"), QStringLiteral("30715482033"),
                                 QStringLiteral("30-69587412-6"), QStringLiteral("30708251638")};

Database abrir(const QString& ruta) { return Database::open(ruta, veluma::contrasenaBase()); }

// The first column of every row, as text.
template <class... T>
QStringList columna(Database& db, const QString& sql, const T&... parametros)
{
    veluma::Statement consulta = db.prepare(sql);
    if constexpr (sizeof...(T) > 0)
        consulta.bindAll(parametros...);
    QStringList valores;
    while (consulta.next())
        valores.append(consulta.value(0).toString());
    return valores;
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

class DemoCarpeta : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(carpeta_.isValid()); }

    QString ruta(const QString& relativa) const { return carpeta_.filePath(relativa); }

    QTemporaryDir carpeta_;
};

// ---- Host databases ---------------------------------------------------------

TEST_F(DemoCarpeta, ContribuyentesDeEjemplo)
{
    demo::crearBasesAnfitrion(carpeta_.path());
    Database kelt = abrir(ruta(QStringLiteral("kelt.mdb")));

    EXPECT_EQ(columna(kelt, QStringLiteral("SELECT cuit FROM contribs ORDER BY rowid")), kCuitsDemo);
    for (const QString& cuit : kCuitsDemo)
        EXPECT_TRUE(digitoVerificadorCorrecto(cuit)) << cuit.toStdString();
    // One main activity each.
    EXPECT_EQ(columna(kelt, QStringLiteral("SELECT c.cuit FROM actcontrib a JOIN contribs c USING (ncontrib) "
                                           "WHERE a.TipoAct = 'Principal' ORDER BY c.rowid")),
              kCuitsDemo);

    // The radio alone has no fiscal address.
    EXPECT_EQ(columna(kelt, QStringLiteral("SELECT cuit FROM contribs WHERE ncontrib NOT IN "
                                           "(SELECT ncontrib FROM domicilio WHERE domfiscal = 1)")),
              QStringList{kCuitsDemo[1]});

    const QString nandu = QStringLiteral("Ñandú Producciones de O'Higgins S.R.L.");
    EXPECT_EQ(columna(kelt, QStringLiteral("SELECT descrip FROM contribs WHERE cuit = ?"), kCuitsDemo[2]),
              QStringList{nandu});
    EXPECT_EQ(columna(kelt, QStringLiteral("SELECT cuit FROM contribs WHERE descrip = ?"), nandu),
              QStringList{kCuitsDemo[2]});
}

TEST_F(DemoCarpeta, NoReemplazaUnaBaseQueYaExiste)
{
    demo::crearBasesAnfitrion(carpeta_.path());
    // Changed, so that a rebuilt file would not come out identical.
    abrir(ruta(QStringLiteral("kelt.mdb"))).execute(QStringLiteral("DELETE FROM contribs WHERE ncontrib <> 1045"));
    const QByteArray kelt = leerArchivo(ruta(QStringLiteral("kelt.mdb")));
    ASSERT_TRUE(QFile::remove(ruta(QStringLiteral("sistema.mdb"))));

    demo::crearBasesAnfitrion(carpeta_.path());
    EXPECT_EQ(leerArchivo(ruta(QStringLiteral("kelt.mdb"))), kelt);
    EXPECT_EQ(archivosEn(carpeta_.path()), (QStringList{QStringLiteral("kelt.mdb"), QStringLiteral("sistema.mdb")}));
}

// ---- Program copy -----------------------------------------------------------

TEST_F(DemoCarpeta, UnArchivoFaltanteNoCopiaNada)
{
    const QString origen = ruta(QStringLiteral("origen"));
    ASSERT_TRUE(QDir().mkpath(origen));
    const veluma::Instalacion destino(ruta(QStringLiteral("destino")), QStringLiteral("veluma"),
                                      veluma::versionDelPrograma());
    // Only the last file of the list is missing.
    escribirArchivo(origen + QStringLiteral("/veluma"), "ejecutable");
    escribirArchivo(origen + QLatin1Char('/') + veluma::NombreBaseAuxiliar(veluma::versionDelPrograma()), "base");

    EXPECT_THROW(demo::copiarPrograma(origen, destino), veluma::Error);
    EXPECT_EQ(archivosEn(destino.carpetaPrograma()), QStringList());
}

TEST_F(DemoCarpeta, OtraInstalacionConservaLaBaseDeTrabajo)
{
    const QString programa = QStringLiteral(VELUMA_PROGRAMA_DIR);
    EXPECT_EQ(demo::crearInstalacionDemo(carpeta_.path(), programa), kCuitsDemo);
    const veluma::Instalacion instalacion = demo::instalacionDemo(carpeta_.path());
    {
        Database trabajo = Database::open(instalacion.rutaBaseTrabajo(), veluma::contrasenaBase(),
                                          Database::OpenMode::Create);
        trabajo.execute(QStringLiteral("CREATE TABLE DDJJ (CUIT TEXT, Periodo INTEGER);"
                                       "INSERT INTO DDJJ VALUES ('30-70451826-5', 200405);"));
    }
    const QByteArray trabajo = leerArchivo(instalacion.rutaBaseTrabajo());
    escribirArchivo(instalacion.rutaAyuda(), "ayuda de la version anterior");

    EXPECT_EQ(demo::crearInstalacionDemo(carpeta_.path(), programa), kCuitsDemo);
    EXPECT_EQ(leerArchivo(instalacion.rutaBaseTrabajo()), trabajo);
    EXPECT_EQ(leerArchivo(instalacion.rutaAyuda()), leerArchivo(programa + QStringLiteral("/VELUMA.html")));
    Database kelt = abrir(instalacion.rutaKelt());
    EXPECT_EQ(columna(kelt, QStringLiteral("SELECT cuit FROM contribs ORDER BY rowid")), kCuitsDemo);
}

// ---- The temporary installation of the tests ---------------------------------

TEST(DemoInstalacionTemporal, ArmaLaInstalacionYLaBorraAlTerminar)
{
    QString raiz;
    {
        const veluma::test::InstalacionTemporal temporal;
        raiz = temporal.raiz();
        EXPECT_EQ(temporal.cuits(), kCuitsDemo);
        EXPECT_EQ(archivosEn(raiz),
                  (QStringList{QStringLiteral("kelt.mdb"), QStringLiteral("sistema.mdb"), QStringLiteral("veluma")}));
        // Without the executable, and no working database yet.
        QStringList programa = temporal.instalacion().archivosDelPrograma();
        programa.removeAll(QStringLiteral("veluma"));
        programa.sort();
        EXPECT_EQ(archivosEn(temporal.carpetaPrograma()), programa);
    }
    EXPECT_FALSE(QFileInfo::exists(raiz));

    const veluma::test::InstalacionTemporal conEjecutable(true);
    EXPECT_TRUE(QFileInfo(conEjecutable.rutaEjecutable()).isExecutable());
}

}  // namespace
