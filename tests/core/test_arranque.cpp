#include "core/arranque.h"
#include "core/clave.h"
#include "core/config_regional.h"
#include "core/inicio.h"
#include "core/instalacion.h"
#include "core/numeros.h"
#include "core/sesion.h"
#include "support/instalacion_temporal.h"
#include "support/sesion_de_prueba.h"
#include "support/mensajes_grabados.h"

#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace veluma;

namespace {

TEST(Arranque, UnaSolaCopiaPorMaquina)
{
    QTemporaryDir temporal;
    const QByteArray anterior = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(temporal.path()));
    {
        InstanciaUnica primera;
        InstanciaUnica segunda;
        EXPECT_TRUE(primera.adquirir());
        EXPECT_FALSE(segunda.adquirir());
        primera.liberar();
        EXPECT_TRUE(segunda.adquirir());
    }
    qputenv("TMPDIR", anterior);
}

TEST(Arranque, ElCuitEsLaLineaDeComandosEntera)
{
    EXPECT_EQ(cuitDeArgumentos({"30-70845123-9"}), "30-70845123-9");
    EXPECT_EQ(cuitDeArgumentos({"30", "70845123", "9"}), "30 70845123 9");
    EXPECT_EQ(cuitDeArgumentos({}), "");
    EXPECT_EQ(textoSinCuit(), "El ingreso al sistema se debe realizar por medio del módulo T.E.Vo.");
    EXPECT_EQ(textoYaEnEjecucion(), "Veluma ya se está ejecutando en esta máquina.");
}

TEST(Arranque, NombresDeArchivosDeLaInstalacion)
{
    EXPECT_EQ(NombreBaseAuxiliar({2, 10, 0}), "Si021000.mdb");
    EXPECT_EQ(NombreBaseAuxiliar({1, 2, 3}), "Si010203.mdb");
    const Instalacion instalacion("/opt/kelt/veluma", "veluma", {1, 2, 3});
    EXPECT_EQ(instalacion.rutaBaseTrabajo(), "/opt/kelt/veluma/veluma.mdb");
    EXPECT_EQ(instalacion.rutaBaseAuxiliar(), "/opt/kelt/veluma/Si010203.mdb");
    EXPECT_EQ(instalacion.rutaKelt(), "/opt/kelt/kelt.mdb");
    EXPECT_EQ(instalacion.rutaSistema(), "/opt/kelt/sistema.mdb");
    EXPECT_EQ(instalacion.rutaCompactacion(), "/opt/kelt/veluma/SBaseAux.mdb");
    EXPECT_EQ(instalacion.carpetaTrabajo(), "/opt/kelt/veluma/trabajo/");
    EXPECT_EQ(Instalacion("/opt/kelt/veluma", "veluma", {1, 2, 3}, "/var/trabajo").carpetaTrabajo(), "/var/trabajo/");
    EXPECT_EQ(contrasenaBase(), "poLkaTruVemZ");
    EXPECT_EQ(textoClave(), ";PWD=poLkaTruVemZ");
}

TEST(Arranque, PrimerInicioCreaLaBaseYLaAbreAlPrimerIntento)
{
    veluma::test::InstalacionTemporal instalacion;
    veluma::test::MensajesGrabados mensajes;
    Sesion sesion(instalacion.instalacion());
    veluma::test::abrirSesion(sesion, mensajes);
    ASSERT_TRUE(sesion.base.isOpen());
    EXPECT_TRUE(QFile::exists(instalacion.instalacion().rutaBaseTrabajo()));
    Statement vista = sesion.base.prepare("SELECT count(*) FROM [708DetalledeSalas]");
    EXPECT_TRUE(vista.next());
    sesion.base.close();

    Database base;
    clsInicio inicio(instalacion.instalacion(), textoClave());
    inicio.AbrirBase("veluma.mdb", base, clsInicio::Reposo::Plana);
    EXPECT_EQ(inicio.intentosUltimaApertura(), 1);
    EXPECT_TRUE(mensajes.mensajes.isEmpty());
}

TEST(Arranque, LosSeparadoresSonComaYPunto)
{
    ConfigurarSeparadores();
    const std::optional<double> numero = leerNumero("1234,5");
    ASSERT_TRUE(numero.has_value());
    EXPECT_EQ(*numero, 1234.5);
    EXPECT_EQ(formatearNumero(*numero, "#,###,###,###,##0.00"), "1.234,50");
    EXPECT_EQ(QLocale().toString(1234.5, 'f', 2), "1.234,50");
    EXPECT_EQ(QLocale().toDouble("1.234,5"), 1234.5);
}

}  // namespace
