#include "core/arranque.h"
#include "core/clave.h"
#include "core/esquema.h"
#include "core/msgini.h"
#include "core/sesion.h"
#include "core/vinculos.h"
#include "support/instalacion_temporal.h"
#include "support/sesion_de_prueba.h"
#include "support/mensajes_grabados.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace veluma;
using veluma::test::InstalacionTemporal;
using veluma::test::MensajesGrabados;
using veluma::test::abrirSesion;

namespace {

QStringList conexiones(Database& base)
{
    Statement lista = base.prepare(QStringLiteral("SELECT Nombre || ' ' || Conexion FROM MSysVinculos ORDER BY rowid"));
    QStringList filas;
    while (lista.next())
        filas += *lista.text(0);
    return filas;
}

QStringList esperadas(const Instalacion& instalacion)
{
    QStringList filas;
    for (const QString& tabla : tablasReferencia()) {
        filas += tabla + QStringLiteral(" ;DATABASE=") + instalacion.carpetaPrograma() + QStringLiteral("/Si")
            + FormatoDosDigitos(instalacion.version().mayor) + FormatoDosDigitos(instalacion.version().menor)
            + FormatoDosDigitos(instalacion.version().revision) + QStringLiteral(".mdb;PWD=poLkaTruVemZ;");
    }
    return filas;
}

qint64 cuenta(Database& base, const QString& tabla)
{
    Statement consulta = base.prepare(QStringLiteral("SELECT count(*) FROM \"%1\"").arg(tabla));
    return consulta.next() ? *consulta.integer(0) : -1;
}

TEST(Vinculos, LasCincoTablasQuedanVinculadasConSuTextoDeConexion)
{
    InstalacionTemporal instalacion;
    Sesion sesion(instalacion.instalacion());
    MensajesGrabados mensajes;
    abrirSesion(sesion, mensajes);

    EXPECT_EQ(conexiones(sesion.base), esperadas(instalacion.instalacion()));
    EXPECT_EQ(cuenta(sesion.base, "TablaArbol"), 11);
    EXPECT_EQ(cuenta(sesion.base, "MsgConfig"), 1);
    EXPECT_GE(cuenta(sesion.base, "617TablaConceptos"), 20);
    EXPECT_GT(cuenta(sesion.base, "617TablaDenom"), 0);
    EXPECT_EQ(cuenta(sesion.base, "617TablaExencion"), 3);
    EXPECT_TRUE(mensajes.mensajes.isEmpty());
}

TEST(Vinculos, MoverLaCarpetaDelProgramaRenuevaLosVinculos)
{
    InstalacionTemporal instalacion;
    {
        Sesion sesion(instalacion.instalacion());
        MensajesGrabados mensajes;
        abrirSesion(sesion, mensajes);
    }
    const QString nueva = instalacion.raiz() + QStringLiteral("/otra");
    ASSERT_TRUE(QDir().rename(instalacion.carpetaPrograma(), nueva));
    const Instalacion movida(nueva, QStringLiteral("veluma"), versionDelPrograma());

    Sesion sesion(movida);
    MensajesGrabados mensajes;
    abrirSesion(sesion, mensajes);
    EXPECT_EQ(conexiones(sesion.base), esperadas(movida));
    EXPECT_EQ(cuenta(sesion.base, "TablaArbol"), 11);
}

TEST(Vinculos, SinBaseAuxiliarElArranqueSeDetieneConSuRuta)
{
    InstalacionTemporal instalacion;
    ASSERT_TRUE(QFile::remove(instalacion.instalacion().rutaBaseAuxiliar()));
    Sesion sesion(instalacion.instalacion());
    MensajesGrabados mensajes;
    try {
        abrirSesion(sesion, mensajes);
        FAIL() << "arrancó sin base auxiliar";
    } catch (const Error& error) {
        EXPECT_EQ(error.descripcion(), QStringLiteral("No se encuentra el archivo de base de datos ")
                                           + instalacion.instalacion().rutaBaseAuxiliar() + QLatin1Char('.'));
    }
    // The engine must not have made an empty auxiliary database in its place.
    EXPECT_FALSE(QFile::exists(instalacion.instalacion().rutaBaseAuxiliar()));
}

class AvisoInicio : public veluma::test::SesionDePrueba {
protected:
    // Reads the auxiliary file itself, not through the link.
    QList<int> activosEnArchivo()
    {
        Database auxiliar = Database::open(instalacion.instalacion().rutaBaseAuxiliar(), contrasenaBase());
        Statement lista = auxiliar.prepare(QStringLiteral("SELECT Activo FROM MsgConfig ORDER BY rowid"));
        QList<int> activos;
        while (lista.next())
            activos += int(*lista.integer(0));
        return activos;
    }
};

TEST_F(AvisoInicio, LeeLaPrimeraFilaYNoMostrarMasEscribeEnLaBaseAuxiliar)
{
    sesion.base.execute(QStringLiteral("INSERT INTO MsgConfig (NombreAplicativo, Mensaje, Activo) VALUES ('Otro', 'x', 1)"));
    CMsgIni aviso(sesion.base);
    ASSERT_TRUE(aviso.configurado());
    EXPECT_EQ(aviso.NombreAplicativo(), "Veluma");
    EXPECT_FALSE(aviso.Mensaje().isEmpty());
    EXPECT_TRUE(aviso.Activo());

    aviso.NoMostrarMas();
    EXPECT_FALSE(aviso.Activo());
    EXPECT_EQ(activosEnArchivo(), (QList<int>{0, 1}));
    EXPECT_FALSE(CMsgIni(sesion.base).Activo());
}

TEST_F(AvisoInicio, SinFilasNoHayAvisoQueMostrar)
{
    sesion.base.execute(QStringLiteral("DELETE FROM MsgConfig"));
    CMsgIni aviso(sesion.base);
    EXPECT_FALSE(aviso.configurado());
    EXPECT_FALSE(aviso.Activo());
    aviso.NoMostrarMas();
    EXPECT_TRUE(activosEnArchivo().isEmpty());
}

}  // namespace
