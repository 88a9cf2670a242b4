#include "core/clave.h"
#include "core/database.h"
#include "core/esquema.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace veluma;

namespace {

class Esquema : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(carpeta.isValid());
        CrearBase(carpeta.path(), QStringLiteral("veluma.mdb"));
        base = Database::open(carpeta.filePath(QStringLiteral("veluma.mdb")), contrasenaBase());
    }

    QStringList columnas(const QString& tabla)
    {
        Statement info = base.prepare(QStringLiteral("PRAGMA table_info(\"%1\")").arg(tabla));
        QStringList nombres;
        while (info.next())
            nombres += *info.text(1);
        return nombres;
    }

    // "name type notnull default" for each column.
    QStringList definiciones(const QString& tabla)
    {
        Statement info = base.prepare(QStringLiteral("PRAGMA table_info(\"%1\")").arg(tabla));
        QStringList filas;
        while (info.next()) {
            filas += QStringLiteral("%1 %2 %3 %4").arg(*info.text(1), *info.text(2), *info.text(3),
                                                      info.text(4).value_or(QStringLiteral("-")));
        }
        return filas;
    }

    DbError rechazo(const QString& sql)
    {
        try {
            base.execute(sql);
        } catch (const DbError& error) {
            return error;
        }
        ADD_FAILURE() << "el almacén aceptó: " << sql.toStdString();
        return DbError(0, 0, QString(), QString());
    }

    QTemporaryDir carpeta;
    Database base;
};

TEST_F(Esquema, CreaLasOnceTablasEnOrdenConSusColumnas)
{
    Statement lista = base.prepare(QStringLiteral(
        "SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'MSys%' ORDER BY rowid"));
    QStringList tablas;
    while (lista.next())
        tablas += *lista.text(0);
    EXPECT_EQ(tablas, (QStringList{"617CompSocietaria", "617Licencias", "617LicenciasDetalle",
                                   "617LicenciasIngresoConceptos", "617LicenciasTotalLicencias", "618Ingresos",
                                   "618TotalPercepcionesEfectuadas", "708ImpuestoDeterminado", "708PagoCuenta",
                                   "708Salas", "DDJJ"}));

    EXPECT_EQ(columnas("617CompSocietaria"), (QStringList{"CUIT", "Periodo", "Secuencia", "ImpServicio", "CodigoSocio",
                                                          "NombreApellido", "CuitSocio", "Porcentaje"}));
    EXPECT_EQ(columnas("617Licencias"), (QStringList{"CUIT", "Periodo", "Secuencia", "ImpServicio", "CodigoLicencia",
                                                     "ApellidoNombre", "Domicilio", "TipoServicio", "InicioActividades"}));
    EXPECT_EQ(columnas("617LicenciasDetalle"),
              (QStringList{"CUIT", "Periodo", "Secuencia", "ImpServicio", "CodigoLicencia", "NroResolucionLicencia",
                           "FechaNroResolucionLicencia", "NroResolucionPrecaria", "FechaNroResolucionPrecaria",
                           "NroDecreto", "FechaNroDecreto", "NroInscripcion", "FechaNroInscripcion",
                           "NroReInscripcion", "FechaNroReInscripcion"}));
    EXPECT_EQ(columnas("617LicenciasIngresoConceptos"), (QStringList{"CUIT", "Periodo", "Secuencia", "ImpServicio",
                                                                     "CodigoLicencia", "Concepto", "FacturacionBruta"}));
    EXPECT_EQ(columnas("617LicenciasTotalLicencias"),
              (QStringList{"CUIT", "Periodo", "Secuencia", "ImpServicio", "CodigoLicencia", "DescuentosBonificaciones",
                           "ExencionesOtorgadas", "Numero", "NroArticulo", "Porcentaje", "ImporteExentoIngresar"}));
    EXPECT_EQ(columnas("618TotalPercepcionesEfectuadas"), (QStringList{"CUIT", "Periodo", "Secuencia", "CodInstituto",
                                                                       "VideogramasV", "VideogramasA", "TasaV", "TasaA"}));
    EXPECT_EQ(columnas("708ImpuestoDeterminado"),
              (QStringList{"CUIT", "PERIODO", "SECUENCIA", "NRO_SEMANA", "PRECIO_VENTA", "COD_SALA",
                           "CANT_ENTRADAS_POR_PRECIO_VENTA"}));
}

TEST_F(Esquema, TiposRequeridosYValoresPorDefecto)
{
    EXPECT_EQ(definiciones("DDJJ"),
              (QStringList{"CUIT VARCHAR(13) 1 ''", "PERIODO INTEGER 1 -", "SECUENCIA SMALLINT 1 -",
                           "FORMULARIO SMALLINT 1 -", "CAMPO1 VARCHAR(20) 1 ''", "HORA DATETIME 0 -"}));
    EXPECT_EQ(definiciones("708Salas"),
              (QStringList{"CUIT VARCHAR(13) 1 ''", "PERIODO INTEGER 1 0", "SECUENCIA SMALLINT 1 0",
                           "COD_SALA INTEGER 1 -", "DENOMINACION_SALA VARCHAR(40) 1 ''",
                           "DOMICILIO_SALA VARCHAR(40) 1 ''", "COD_INCAA VARCHAR(6) 1 ''"}));
    EXPECT_EQ(definiciones("708PagoCuenta"),
              (QStringList{"CUIT VARCHAR(13) 1 ''", "PERIODO INTEGER 1 -", "SECUENCIA SMALLINT 1 -",
                           "SEMANA1 DOUBLE 1 0", "SEMANA2 DOUBLE 1 -", "SEMANA3 DOUBLE 1 -", "SEMANA4 DOUBLE 1 -"}));
    EXPECT_EQ(definiciones("618Ingresos"),
              (QStringList{"CUIT VARCHAR(50) 1 ''", "Periodo INTEGER 1 0", "Secuencia INTEGER 1 0",
                           "CodInstituto VARCHAR(20) 1 ''", "TipoIngreso TINYINT 1 0", "Dia TINYINT 1 0",
                           "NetoCobrado DOUBLE 0 0", "TotalCobrado DOUBLE 0 0"}));

    base.execute(QStringLiteral("INSERT INTO [617Licencias] (CUIT, Periodo, Secuencia, ImpServicio, CodigoLicencia) "
                                "VALUES ('20123456786', 200403, 0, 306, 1)"));
    Statement fila = base.prepare(QStringLiteral("SELECT ApellidoNombre, TipoServicio, InicioActividades FROM [617Licencias]"));
    ASSERT_TRUE(fila.next());
    EXPECT_EQ(fila.text(0), QString());
    EXPECT_EQ(fila.integer(1), 0);
    EXPECT_FALSE(fila.text(2).has_value());
}

TEST_F(Esquema, IndicesConSusNombres)
{
    EXPECT_EQ(indicesDeTabla(base, "708Salas"), (QStringList{"PrimaryKey", "Secundario1"}));
    EXPECT_EQ(indicesDeTabla(base, "708ImpuestoDeterminado"), QStringList{"iPrincipal"});
    EXPECT_EQ(indicesDeTabla(base, "617Licencias"),
              (QStringList{"614LicenciasCodigoLicencia", "614LicenciasCUIT", "PrimaryKey"}));
    EXPECT_EQ(indicesDeTabla(base, "617LicenciasDetalle"), (QStringList{"614LicenciasDetalleCodigoLicencia", "PrimaryKey"}));
    EXPECT_EQ(indicesDeTabla(base, "DDJJ"), QStringList{"PrimaryKey"});
}

TEST_F(Esquema, ClaveDuplicadaEsUnErrorPropio)
{
    const QString alta = QStringLiteral("INSERT INTO DDJJ (CUIT, PERIODO, SECUENCIA, FORMULARIO, CAMPO1) "
                                        "VALUES ('30-70845123-9', 200403, 0, 708, '%1')");
    base.execute(alta.arg("10"));
    EXPECT_EQ(rechazo(alta.arg("10")).kind(), DbErrorKind::DuplicateKey);
    base.execute(alta.arg("12"));  // another CAMPO1 is another row
    Statement cuenta = base.prepare(QStringLiteral("SELECT count(*) FROM DDJJ"));
    ASSERT_TRUE(cuenta.next());
    EXPECT_EQ(cuenta.integer(0), 2);
}

TEST_F(Esquema, ElAlmacenRechazaLoQueNoCabe)
{
    struct Caso {
        const char* sql;
        const char* regla;  // empty: a NOT NULL refusal
    };
    const Caso casos[] = {
        {"INSERT INTO DDJJ (CUIT, PERIODO, SECUENCIA, FORMULARIO, CAMPO1) VALUES ('30-70845123-99', 200403, 0, 708, '10')",
         "CUIT:longitud"},
        {"INSERT INTO DDJJ (CUIT, PERIODO, SECUENCIA, FORMULARIO, CAMPO1) VALUES ('20123456786', 200403, 0, 708, '')",
         "CAMPO1:vacío"},
        {"INSERT INTO DDJJ (CUIT, PERIODO, SECUENCIA, FORMULARIO) VALUES ('20123456786', 200403, 0, 708)", "CAMPO1:vacío"},
        {"INSERT INTO [708Salas] (CUIT, COD_SALA) VALUES ('20123456786', NULL)", ""},
        {"INSERT INTO DDJJ (CUIT, PERIODO, SECUENCIA, FORMULARIO, CAMPO1) VALUES ('20123456786', 'marzo', 0, 708, '10')",
         "PERIODO:tipo"},
        {"INSERT INTO DDJJ (CUIT, PERIODO, SECUENCIA, FORMULARIO, CAMPO1) VALUES ('20123456786', 200403, 40000, 708, '10')",
         "SECUENCIA:rango"},
        {"INSERT INTO DDJJ (CUIT, PERIODO, SECUENCIA, FORMULARIO, CAMPO1, HORA) "
         "VALUES ('20123456786', 200403, 0, 708, '10', '2004-02-30 10:00:00')",
         "HORA:fecha"},
        {"INSERT INTO [618Ingresos] (CodInstituto, TipoIngreso) VALUES ('I1', 256)", "TipoIngreso:rango"},
        {"INSERT INTO [618Ingresos] (CodInstituto, NetoCobrado) VALUES ('I1', 'mucho')", "NetoCobrado:tipo"},
        {"INSERT INTO [617Licencias] (CodigoLicencia, InicioActividades) VALUES (1, 'ayer')", "InicioActividades:fecha"},
    };
    for (const Caso& caso : casos) {
        const DbError error = rechazo(QString::fromUtf8(caso.sql));
        EXPECT_EQ(error.kind(), DbErrorKind::Constraint) << caso.sql;
        EXPECT_EQ(error.ruleName(), QString::fromUtf8(caso.regla)) << caso.sql;
    }
    for (const char* tabla : {"DDJJ", "708Salas", "618Ingresos", "617Licencias"}) {
        Statement cuenta = base.prepare(QStringLiteral("SELECT count(*) FROM \"%1\"").arg(tabla));
        ASSERT_TRUE(cuenta.next());
        EXPECT_EQ(cuenta.integer(0), 0) << tabla;
    }
}

TEST_F(Esquema, TextosDificilesVuelvenIntactosYLoLargoSeRechaza)
{
    const QString nombre = QStringLiteral("D'Alessandro \"Ñandú\"\t\x01 Cía.; DROP TABLE DDJJ --");
    base.prepare(QStringLiteral("INSERT INTO [617CompSocietaria] (CUIT, CodigoSocio, NombreApellido) VALUES (?, ?, ?)"))
        .bindAll(QStringLiteral("20-12345678-6"), 1, nombre)
        .run();
    Statement lectura = base.prepare(QStringLiteral("SELECT NombreApellido FROM [617CompSocietaria] WHERE CUIT = ?"));
    ASSERT_TRUE(lectura.bindAll(QStringLiteral("20-12345678-6")).next());
    EXPECT_EQ(lectura.text(0), nombre);

    // A default QString is an empty text, not a NULL.
    base.prepare(QStringLiteral("INSERT INTO [617CompSocietaria] (CUIT, CodigoSocio, NombreApellido) VALUES (?, 3, ?)"))
        .bindAll(QStringLiteral("20-12345678-6"), QString())
        .run();
    Statement vacio = base.prepare(QStringLiteral("SELECT typeof(NombreApellido) FROM [617CompSocietaria] WHERE CodigoSocio = 3"));
    ASSERT_TRUE(vacio.next());
    EXPECT_EQ(vacio.text(0), "text");

    Statement largo = base.prepare(QStringLiteral("INSERT INTO [617CompSocietaria] (CUIT, CodigoSocio, NombreApellido) "
                                                  "VALUES ('20-12345678-6', 2, ?)"));
    largo.bindAll(QString(10000, QLatin1Char('x')));
    try {
        largo.run();
        FAIL() << "se guardó un nombre de 10.000 caracteres";
    } catch (const DbError& error) {
        EXPECT_EQ(error.ruleName(), "NombreApellido:longitud");
    }
}

TEST_F(Esquema, CrearBaseNoPisaNiDejaRestos)
{
    const QString ruta = carpeta.filePath(QStringLiteral("veluma.mdb"));
    QFile archivo(ruta);
    ASSERT_TRUE(archivo.open(QIODevice::ReadOnly));
    const QByteArray antes = archivo.readAll();
    archivo.close();
    EXPECT_THROW(CrearBase(carpeta.path(), QStringLiteral("veluma.mdb")), Error);
    ASSERT_TRUE(archivo.open(QIODevice::ReadOnly));
    EXPECT_EQ(archivo.readAll(), antes);

    EXPECT_THROW(CrearBase(carpeta.filePath(QStringLiteral("no-existe")), QStringLiteral("veluma.mdb")), Error);
    EXPECT_FALSE(QFile::exists(carpeta.filePath(QStringLiteral("no-existe/veluma.mdb"))));
}

TEST_F(Esquema, NoEsUnArchivoSqlitePlano)
{
    QFile archivo(carpeta.filePath(QStringLiteral("veluma.mdb")));
    ASSERT_TRUE(archivo.open(QIODevice::ReadOnly));
    EXPECT_FALSE(archivo.read(16).startsWith("SQLite format 3"));
    EXPECT_THROW(Database::open(archivo.fileName(), QStringLiteral("otra clave")), DbError);
}

}  // namespace
