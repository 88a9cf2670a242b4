// What start-up finds and sets up: the installation's files, the links to the reference tables, and the working
// database as CrearBase makes it and as ActualizarEsquema brings it up to date.

#include "core/actualizacion.h"
#include "core/arranque.h"
#include "core/clave.h"
#include "core/config_regional.h"
#include "core/consultas.h"
#include "core/esquema.h"
#include "core/vinculos.h"
#include "support/archivos.h"
#include "support/errores.h"
#include "support/filas.h"
#include "support/sesion_de_prueba.h"

#include <QLocale>
#include <tuple>

using namespace veluma;
using namespace veluma::test;

namespace {

TEST(Arranque, LineaDeComandosBasesDelAnfitrionYSeparadores)
{
    EXPECT_EQ(cuitDeArgumentos({"30", "70845123", "9"}) + '|' + cuitDeArgumentos({}), "30 70845123 9|");
    // The host's databases are beside the program folder, by the names the host gives them.
    const Instalacion instalacion("/opt/kelt/veluma", "veluma", {2, 10, 3});
    EXPECT_EQ(instalacion.rutaKelt() + '|' + instalacion.rutaSistema(), "/opt/kelt/kelt.mdb|/opt/kelt/sistema.mdb");

    ConfigurarSeparadores();
    EXPECT_EQ(QLocale().toString(QLocale().toDouble("1.234,5"), 'f', 2), "1.234,50");
}

// Each link's stored connect text, and every linked table answers through it.
void comprobarVinculos(Database& base, const Instalacion& instalacion)
{
    QStringList esperadas;
    for (const QString& tabla : tablasReferencia()) {
        esperadas += tabla + " ;DATABASE=" + instalacion.rutaBaseAuxiliar() + ";PWD=poLkaTruVemZ;";
        EXPECT_EQ(filasDeConsulta(base, "SELECT count(*) > 0 FROM \"" + tabla + "\""), QStringList{"1"})
            << tabla.toStdString();
    }
    EXPECT_EQ(filasDeConsulta(base, "SELECT Nombre || ' ' || Conexion FROM MSysVinculos ORDER BY rowid"), esperadas);
}

// Renewed when the folder moves; without the auxiliary database start-up stops with its path.
TEST(Vinculos, SeGuardanConSuTextoDeConexionYSeRenuevanAlMoverLaCarpeta)
{
    InstalacionTemporal instalacion;
    MensajesGrabados mensajes;
    {
        Sesion sesion(instalacion.instalacion());
        abrirSesion(sesion, mensajes);
        comprobarVinculos(sesion.base, instalacion.instalacion());
        EXPECT_TRUE(mensajes.mensajes.isEmpty());
    }
    const QString nueva = instalacion.raiz() + QStringLiteral("/otra");
    ASSERT_TRUE(QDir().rename(instalacion.carpetaPrograma(), nueva));
    const Instalacion movida(nueva, QStringLiteral("veluma"), versionDelPrograma());
    {
        Sesion sesion(movida);
        abrirSesion(sesion, mensajes);
        comprobarVinculos(sesion.base, movida);
    }
    ASSERT_TRUE(QFile::remove(movida.rutaBaseAuxiliar()));
    Sesion sesion(movida);
    EXPECT_EQ(errorDe([&] { abrirSesion(sesion, mensajes); }),
              "14: No se encuentra el archivo de base de datos " + movida.rutaBaseAuxiliar() + '.');
    // The engine must not have made an empty auxiliary database in its place.
    EXPECT_FALSE(QFile::exists(movida.rutaBaseAuxiliar()));
}

class Esquema : public ::testing::Test {
protected:
    void SetUp() override
    {
        CrearBase(instalacion.carpetaPrograma(), QStringLiteral("veluma.mdb"));
        base = Database::open(ruta(), contrasenaBase());
    }

    QString ruta() const { return instalacion.instalacion().rutaBaseTrabajo(); }

    InstalacionTemporal instalacion;
    MensajesGrabados mensajes;
    Database base;
};

TEST_F(Esquema, ElAlmacenRechazaLoQueNoCabeConSuReglaYGuardaTextosDificilesYValoresPorDefecto)
{
    const QString ddjj = QStringLiteral("INSERT INTO DDJJ (CUIT, PERIODO, SECUENCIA, FORMULARIO, CAMPO1, HORA) "
                                        "VALUES (?, ?, ?, 708, ?, ?)");
    base.prepare(ddjj).bindAll(QStringLiteral("30-70845123-9"), 200403, 0, QStringLiteral("10"), nullptr).run();
    base.prepare(ddjj).bindAll(QStringLiteral("30-70845123-9"), 200403, 0, QStringLiteral("12"), nullptr).run();

    // Each case: the statement, its values, the kind of error and the rule (empty: a NOT NULL refusal or a duplicate).
    const std::tuple<QString, QVariantList, DbErrorKind, const char*> casos[] = {
        {ddjj, {"30-70845123-9", 200403, 0, "10", {}}, DbErrorKind::DuplicateKey, ""},
        {ddjj, {"30-70845123-99", 200403, 0, "10", {}}, DbErrorKind::Constraint, "CUIT:longitud"},
        {ddjj, {"20123456786", 200403, 0, "", {}}, DbErrorKind::Constraint, "CAMPO1:vacío"},
        {ddjj, {"20123456786", "marzo", 0, "10", {}}, DbErrorKind::Constraint, "PERIODO:tipo"},
        {ddjj, {"20123456786", 200403, 40000, "10", {}}, DbErrorKind::Constraint, "SECUENCIA:rango"},
        {ddjj, {"20123456786", 200403, 0, "10", "2004-02-30 10:00:00"}, DbErrorKind::Constraint, "HORA:fecha"},
        {"INSERT INTO DDJJ (CUIT, PERIODO, SECUENCIA, FORMULARIO) VALUES ('20123456786', 200403, 0, 708)", {},
         DbErrorKind::Constraint, "CAMPO1:vacío"},
        {"INSERT INTO [708Salas] (CUIT, COD_SALA) VALUES ('20123456786', NULL)", {}, DbErrorKind::Constraint, ""},
        {"INSERT INTO [618Ingresos] (CodInstituto, TipoIngreso) VALUES ('I1', 256)", {}, DbErrorKind::Constraint,
         "TipoIngreso:rango"},
        {"INSERT INTO [618Ingresos] (CodInstituto, NetoCobrado) VALUES ('I1', 'mucho')", {}, DbErrorKind::Constraint,
         "NetoCobrado:tipo"},
        {"INSERT INTO [617Licencias] (CodigoLicencia, InicioActividades) VALUES (1, 'ayer')", {},
         DbErrorKind::Constraint, "InicioActividades:fecha"},
        {"INSERT INTO [617CompSocietaria] (CUIT, CodigoSocio, NombreApellido) VALUES ('20-12345678-6', 2, ?)",
         {QString(10000, QLatin1Char('x'))}, DbErrorKind::Constraint, "NombreApellido:longitud"},
    };
    for (const auto& [sql, valores, tipo, regla] : casos) {
        SCOPED_TRACE(sql.toStdString());
        Statement alta = base.prepare(sql);
        for (int i = 0; i < valores.size(); ++i)
            alta.bind(i + 1, valores[i]);
        try {
            alta.run();
            ADD_FAILURE() << "el almacén aceptó";
        } catch (const DbError& error) {
            EXPECT_EQ(error.kind(), tipo);
            EXPECT_EQ(error.ruleName(), QString::fromUtf8(regla));
        }
    }
    EXPECT_EQ(filasDeConsulta(base, "SELECT (SELECT count(*) FROM DDJJ), (SELECT count(*) FROM [708Salas]) + "
                                    "(SELECT count(*) FROM [618Ingresos]) + (SELECT count(*) FROM [617Licencias]) + "
                                    "(SELECT count(*) FROM [617CompSocietaria])"),
              QStringList{"2|0"});

    // What it accepts is stored as given, hard texts too, and what is left out takes its default.
    const QString nombre = QStringLiteral("D'Alessandro \"Ñandú\"\t\x01 Cía.; DROP TABLE DDJJ --");
    Statement alta =
        base.prepare("INSERT INTO [617CompSocietaria] (CUIT, CodigoSocio, NombreApellido) VALUES (?, ?, ?)");
    alta.bindAll(QStringLiteral("20-12345678-6"), 1, nombre).run();
    // A default QString is an empty text, not a NULL.
    alta.reset();
    alta.bindAll(QStringLiteral("20-12345678-6"), 3, QString()).run();
    base.execute("INSERT INTO [617Licencias] (CUIT, Periodo, Secuencia, ImpServicio, CodigoLicencia) "
                 "VALUES ('20123456786', 200403, 0, 306, 1)");

    EXPECT_EQ(filasDeConsulta(base, "SELECT NombreApellido, typeof(NombreApellido) FROM [617CompSocietaria] "
                                    "ORDER BY CodigoSocio"),
              (QStringList{nombre + "|text", "|text"}));
    EXPECT_EQ(filasDeConsulta(base, "SELECT ApellidoNombre, TipoServicio, InicioActividades FROM [617Licencias]"),
              QStringList{"|0|NULL"});
}

// The file is ciphered; CrearBase never overwrites it, and a version of the program older than the file's refuses it
// without touching it.
TEST_F(Esquema, LaBaseEstaCifradaYNadaLaPisaNiLaDegrada)
{
    base.setUserVersion(kVersionEsquema + 1);
    base.close();
    const QByteArray antes = leerArchivo(ruta());
    EXPECT_FALSE(antes.startsWith("SQLite format 3"));

    EXPECT_THROW(CrearBase(instalacion.carpetaPrograma(), QStringLiteral("veluma.mdb")), Error);
    EXPECT_THROW(CrearBase(instalacion.raiz() + "/no-existe", QStringLiteral("veluma.mdb")), Error);
    EXPECT_FALSE(QFile::exists(instalacion.raiz() + "/no-existe/veluma.mdb"));

    Sesion sesion(instalacion.instalacion());
    EXPECT_TRUE(errorDe([&] { abrirSesion(sesion, mensajes); })
                    .startsWith("1: La base de datos fue actualizada por una versión más reciente"));
    sesion.base.close();
    EXPECT_EQ(leerArchivo(ruta()), antes);
}

TEST_F(Esquema, LaActualizacionReescribeIndiceYConsultaYAplicaCadaPasoUnaVez)
{
    eliminarIndice(base, "708Salas", "Secundario1");
    crearIndice(base, "708Salas", {"Secundario", {"COD_INCAA"}, false});
    guardarConsulta(base, kConsultaImpresionDDJJ, QStringLiteral("SELECT 1 AS Viejo"));
    const QString guardada = "SELECT SQL FROM MSysConsultas WHERE Nombre = '" + kConsultaImpresionDDJJ + "'";
    // Run again on an up-to-date file it changes nothing; a lost query comes back.
    for (int vez = 0; vez < 2; ++vez) {
        ActualizarEsquema(base, mensajes);
        EXPECT_EQ(indicesDeTabla(base, "708Salas"), (QStringList{"PrimaryKey", "Secundario1"}));
        EXPECT_EQ(filasDeConsulta(base, guardada), QStringList{sqlImpresionDDJJ()});
        base.execute("DELETE FROM MSysConsultas WHERE Nombre = '" + kConsultaImpresionDDJJ + "'");
    }
    EXPECT_TRUE(mensajes.mensajes.isEmpty());

    // Each step applies once, in order, and one that fails leaves nothing half done.
    base.setUserVersion(1);
    QStringList aplicados;
    const auto paso = [&](int version) {
        return PasoActualizacion{version, [&aplicados, version](Database& b) {
                                     aplicados += QString::number(version);
                                     b.execute(QStringLiteral("CREATE TABLE Nueva%1 (x INTEGER)").arg(version));
                                     if (version == 4)
                                         throw Error(1, "falla a mitad de camino");
                                 }};
    };
    aplicarPasos(base, {paso(1), paso(2), paso(3)}, 3);
    aplicarPasos(base, {paso(1), paso(2), paso(3)}, 3);
    EXPECT_THROW(aplicarPasos(base, {paso(4)}, 4), Error);
    EXPECT_EQ(aplicados, (QStringList{"2", "3", "4"}));
    EXPECT_EQ(base.userVersion(), 3);
    EXPECT_EQ(filasDeConsulta(base, "SELECT name FROM sqlite_master WHERE name LIKE 'Nueva%' ORDER BY name"),
              (QStringList{"Nueva2", "Nueva3"}));
}

}  // namespace
