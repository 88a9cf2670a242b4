// What start-up finds and sets up: the installation's files, the links to the
// reference tables and the start-up notice.

#include "core/arranque.h"
#include "core/clave.h"
#include "core/config_regional.h"
#include "core/msgini.h"
#include "core/vinculos.h"
#include "support/filas.h"
#include "support/sesion_de_prueba.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <gtest/gtest.h>

using namespace veluma;
using veluma::test::InstalacionTemporal;
using veluma::test::MensajesGrabados;
using veluma::test::abrirSesion;
using veluma::test::filasDeConsulta;

namespace {

TEST(Arranque, LineaDeComandosArchivosClaveYSeparadores)
{
    EXPECT_EQ(cuitDeArgumentos({"30", "70845123", "9"}), "30 70845123 9");
    EXPECT_EQ(cuitDeArgumentos({}), "");

    const Instalacion instalacion("/opt/kelt/veluma", "veluma", {2, 10, 3});
    EXPECT_EQ(instalacion.rutaBaseAuxiliar(), "/opt/kelt/veluma/Si021003.mdb");
    EXPECT_EQ(instalacion.rutaKelt(), "/opt/kelt/kelt.mdb");
    EXPECT_EQ(instalacion.rutaSistema(), "/opt/kelt/sistema.mdb");
    EXPECT_EQ(instalacion.rutaCompactacion(), "/opt/kelt/veluma/SBaseAux.mdb");
    EXPECT_EQ(instalacion.carpetaTrabajo(), "/opt/kelt/veluma/trabajo/");
    EXPECT_EQ(Instalacion("/opt/kelt/veluma", "veluma", {1, 2, 3}, "/var/trabajo").carpetaTrabajo(), "/var/trabajo/");
    // The host's files share this password.
    EXPECT_EQ(contrasenaBase(), "poLkaTruVemZ");
    EXPECT_EQ(textoClave(), ";PWD=poLkaTruVemZ");

    ConfigurarSeparadores();
    EXPECT_EQ(QLocale().toString(1234.5, 'f', 2), "1.234,50");
    EXPECT_EQ(QLocale().toDouble("1.234,5"), 1234.5);
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

TEST(Vinculos, SeGuardanConSuTextoDeConexionYSeRenuevanAlMoverLaCarpeta)
{
    InstalacionTemporal instalacion;
    {
        Sesion sesion(instalacion.instalacion());
        MensajesGrabados mensajes;
        abrirSesion(sesion, mensajes);
        comprobarVinculos(sesion.base, instalacion.instalacion());
        EXPECT_TRUE(mensajes.mensajes.isEmpty());
    }
    const QString nueva = instalacion.raiz() + QStringLiteral("/otra");
    ASSERT_TRUE(QDir().rename(instalacion.carpetaPrograma(), nueva));
    const Instalacion movida(nueva, QStringLiteral("veluma"), versionDelPrograma());

    Sesion sesion(movida);
    MensajesGrabados mensajes;
    abrirSesion(sesion, mensajes);
    comprobarVinculos(sesion.base, movida);
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

class AvisoInicio : public veluma::test::SesionDePrueba {};

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
    EXPECT_FALSE(CMsgIni(sesion.base).Activo());
    // The auxiliary file itself, not through the link.
    Database auxiliar = Database::open(instalacion.instalacion().rutaBaseAuxiliar(), contrasenaBase());
    EXPECT_EQ(filasDeConsulta(auxiliar, "SELECT Activo FROM MsgConfig ORDER BY rowid"), (QStringList{"0", "1"}));
}

}  // namespace
