#include "core/clave.h"
#include "core/database.h"
#include "core/esquema.h"
#include "core/inicio.h"
#include "support/archivos.h"
#include "support/instalacion_temporal.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace veluma;
using veluma::test::escribirArchivo;
using veluma::test::leerArchivo;

namespace {

QByteArray azar(int tamano)
{
    QByteArray datos(tamano, '\0');
    for (char& c : datos)
        c = char(QRandomGenerator::global()->bounded(256));
    return datos;
}

TEST(Mezcla, CambiaSoloLasCuarentaPosicionesYEsSuPropiaInversa)
{
    QTemporaryDir carpeta;
    const QString ruta = carpeta.filePath("archivo");
    const QByteArray original = azar(1000);
    escribirArchivo(ruta, original);

    clsInicio::EncriptaDesencripta(ruta);
    const QByteArray mezclado = leerArchivo(ruta);
    ASSERT_EQ(mezclado.size(), original.size());
    int cambiados = 0;
    for (int i = 0; i < original.size(); ++i) {
        const bool posicionMezclada = i < 400 && i % 10 == 0;  // 1-based 1, 11, ... 391
        if (posicionMezclada) {
            EXPECT_EQ(uchar(mezclado[i]), uchar(original[i]) ^ clsInicio::kClaveMezcla) << i;
            ++cambiados;
        } else {
            EXPECT_EQ(mezclado[i], original[i]) << i;
        }
    }
    EXPECT_EQ(cambiados, 40);

    clsInicio::EncriptaDesencripta(ruta);
    EXPECT_EQ(leerArchivo(ruta), original);
}

TEST(Mezcla, UnArchivoCortoNoCreceYUnaCarpetaSeRechaza)
{
    QTemporaryDir carpeta;
    const QString ruta = carpeta.filePath("corto");
    const QByteArray original = azar(95);
    escribirArchivo(ruta, original);
    clsInicio::EncriptaDesencripta(ruta);
    const QByteArray mezclado = leerArchivo(ruta);
    ASSERT_EQ(mezclado.size(), 95);
    EXPECT_EQ(uchar(mezclado[90]), uchar(original[90]) ^ clsInicio::kClaveMezcla);

    EXPECT_THROW(clsInicio::EncriptaDesencripta(carpeta.path()), Error);
    EXPECT_THROW(clsInicio::EncriptaDesencripta(carpeta.filePath("no-existe")), Error);
    EXPECT_FALSE(QFile::exists(carpeta.filePath("no-existe")));
}

class Apertura : public ::testing::Test {
protected:
    QString ruta() const { return instalacion.instalacion().rutaBaseTrabajo(); }

    void crear()
    {
        CrearBase(instalacion.carpetaPrograma(), "veluma.mdb");
        Database base = Database::open(ruta(), contrasenaBase());
        base.execute("INSERT INTO DDJJ (CUIT, PERIODO, SECUENCIA, FORMULARIO, CAMPO1) "
                     "VALUES ('30-70845123-9', 200403, 0, 708, '10')");
    }

    int abrir(Database& base)
    {
        clsInicio inicio(instalacion.instalacion(), textoClave());
        inicio.AbrirBase("veluma.mdb", base);
        return inicio.intentosUltimaApertura();
    }

    // The open error, and the file must be exactly as before.
    DbError fallaSinTocar()
    {
        const QByteArray antes = leerArchivo(ruta());
        Database base;
        try {
            abrir(base);
        } catch (const DbError& error) {
            EXPECT_EQ(leerArchivo(ruta()), antes);
            EXPECT_FALSE(base.isOpen());
            return error;
        }
        ADD_FAILURE() << "se abrió";
        return DbError(0, 0, {}, {});
    }

    veluma::test::InstalacionTemporal instalacion;
};

TEST_F(Apertura, UnaBaseNuevaAbreAlPrimerIntentoYUnaMezcladaAlSegundo)
{
    crear();
    Database base;
    EXPECT_EQ(abrir(base), 1);
    base.close();

    const QByteArray plano = leerArchivo(ruta());
    clsInicio::EncriptaDesencripta(ruta());
    EXPECT_EQ(abrir(base), 2);
    Statement fila = base.prepare("SELECT CAMPO1 FROM DDJJ");
    ASSERT_TRUE(fila.next());
    EXPECT_EQ(fila.text(0), "10");
    base.close();
    EXPECT_EQ(leerArchivo(ruta()), plano);
}

TEST_F(Apertura, ConOtraClaveSeInformaYElArchivoQuedaComoEstaba)
{
    Database ajena = Database::open(ruta(), "otra clave", Database::OpenMode::Create);
    ajena.execute("CREATE TABLE x (y INTEGER); INSERT INTO x VALUES (1)");
    ajena.close();
    const DbError error = fallaSinTocar();
    EXPECT_EQ(error.kind(), DbErrorKind::NotADatabase);
    EXPECT_EQ(error.numero(), 26);
}

TEST_F(Apertura, UnArchivoTruncadoSeInformaYQuedaComoEstaba)
{
    crear();
    Database base = Database::open(ruta(), contrasenaBase());
    for (int i = 0; i < 200; ++i) {
        base.prepare("INSERT INTO [617CompSocietaria] (CUIT, CodigoSocio, NombreApellido) VALUES ('1', ?, ?)")
            .bindAll(i, QString(40, QLatin1Char('n')))
            .run();
    }
    base.close();
    QFile archivo(ruta());
    ASSERT_TRUE(archivo.resize(archivo.size() / 2));
    const DbError error = fallaSinTocar();
    EXPECT_TRUE(error.kind() == DbErrorKind::Corrupt || error.kind() == DbErrorKind::NotADatabase);
}

TEST_F(Apertura, UnaCarpetaEnLugarDeLaBaseSeInformaSinCrearNada)
{
    ASSERT_TRUE(QDir().mkdir(ruta()));
    const DbError error = fallaSinTocar();
    EXPECT_EQ(error.kind(), DbErrorKind::CannotOpen);
    EXPECT_EQ(error.descripcion(), ruta() + " no es un archivo de base de datos.");
    EXPECT_TRUE(QFileInfo(ruta()).isDir());
    EXPECT_EQ(QDir(ruta()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
}

}  // namespace
