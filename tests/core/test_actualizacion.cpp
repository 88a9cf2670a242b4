#include "core/actualizacion.h"
#include "core/arranque.h"
#include "core/clave.h"
#include "core/consultas.h"
#include "core/esquema.h"
#include "core/inicio.h"
#include "core/sesion.h"
#include "support/archivos.h"
#include "support/instalacion_temporal.h"
#include "support/sesion_de_prueba.h"
#include "support/mensajes_grabados.h"

#include <gtest/gtest.h>

using namespace veluma;

namespace {

class Actualizacion : public ::testing::Test {
protected:
    void SetUp() override
    {
        CrearBase(instalacion.carpetaPrograma(), QStringLiteral("veluma.mdb"));
        base = Database::open(instalacion.instalacion().rutaBaseTrabajo(), contrasenaBase());
    }

    QString sqlGuardado(const QString& nombre)
    {
        Statement consulta = base.prepare(QStringLiteral("SELECT SQL FROM MSysConsultas WHERE Nombre = ?"));
        return consulta.bindAll(nombre).next() ? *consulta.text(0) : QString();
    }

    QByteArray contenido() { return veluma::test::leerArchivo(instalacion.instalacion().rutaBaseTrabajo()); }

    veluma::test::InstalacionTemporal instalacion;
    veluma::test::MensajesGrabados mensajes;
    Database base;
};

TEST_F(Actualizacion, ElIndiceSecundarioViejoSeReemplaza)
{
    eliminarIndice(base, "708Salas", "Secundario1");
    crearIndice(base, "708Salas", {"Secundario", {"COD_INCAA"}, false});
    ActualizarEsquema(base, mensajes);
    EXPECT_EQ(indicesDeTabla(base, "708Salas"), (QStringList{"PrimaryKey", "Secundario1"}));

    // A new file already has it: nothing changes.
    ActualizarEsquema(base, mensajes);
    EXPECT_EQ(indicesDeTabla(base, "708Salas"), (QStringList{"PrimaryKey", "Secundario1"}));
    EXPECT_TRUE(mensajes.mensajes.isEmpty());
}

TEST_F(Actualizacion, LaConsultaDeImpresionSeReescribeSiempre)
{
    guardarConsulta(base, kConsultaImpresionDDJJ, QStringLiteral("SELECT 1 AS Viejo"));
    ActualizarEsquema(base, mensajes);
    EXPECT_EQ(sqlGuardado(kConsultaImpresionDDJJ), sqlImpresionDDJJ());

    // Even a file that lost the query gets it back, in its old place.
    base.execute(QStringLiteral("DELETE FROM MSysConsultas WHERE Nombre = '617ImpresionDDJJ'"));
    ActualizarEsquema(base, mensajes);
    EXPECT_EQ(sqlGuardado(kConsultaImpresionDDJJ), sqlImpresionDDJJ());
}

TEST_F(Actualizacion, LosPasosSeAplicanUnaVezEnOrdenYUnFalloNoDejaNadaAMedias)
{
    base.setUserVersion(1);
    QStringList aplicados;
    const std::vector<PasoActualizacion> pasos = {
        {1, [&](Database&) { aplicados += "1"; }},
        {2, [&](Database& b) { aplicados += "2"; b.execute("CREATE TABLE Nueva2 (x INTEGER)"); }},
        {3, [&](Database& b) { aplicados += "3"; b.execute("CREATE TABLE Nueva3 (x INTEGER)"); }},
    };
    aplicarPasos(base, pasos, 3);
    EXPECT_EQ(aplicados, (QStringList{"2", "3"}));
    EXPECT_EQ(base.userVersion(), 3);
    aplicarPasos(base, pasos, 3);
    EXPECT_EQ(aplicados, (QStringList{"2", "3"}));

    const std::vector<PasoActualizacion> fallido = {
        {4, [](Database& b) {
             b.execute("CREATE TABLE Nueva4 (x INTEGER)");
             throw Error(1, "falla a mitad de camino");
         }},
    };
    EXPECT_THROW(aplicarPasos(base, fallido, 4), Error);
    EXPECT_EQ(base.userVersion(), 3);
    Statement tabla = base.prepare("SELECT count(*) FROM sqlite_master WHERE name = 'Nueva4'");
    ASSERT_TRUE(tabla.next());
    EXPECT_EQ(tabla.integer(0), 0);
}

TEST_F(Actualizacion, UnaBaseDeUnaVersionPosteriorSeRechazaSinTocarla)
{
    base.setUserVersion(kVersionEsquema + 1);
    base.close();
    const QByteArray antes = contenido();

    Sesion sesion(instalacion.instalacion());
    try {
        veluma::test::abrirSesion(sesion, mensajes);
        FAIL() << "abrió una base de una versión posterior";
    } catch (const Error& error) {
        EXPECT_TRUE(error.descripcion().startsWith("La base de datos fue actualizada por una versión más reciente"));
    }
    sesion.base.close();
    EXPECT_EQ(contenido(), antes);
}

}  // namespace
