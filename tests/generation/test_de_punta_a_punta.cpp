#include "core/sesion.h"
#include "generation/generar_disquete.h"
#include "generation/pantallas/frm_generar.h"
#include "generation/pantallas/generar_presentacion.h"
#include "generation/verificacion_archivo.h"
#include "mensajes_con_manos.h"
#include "registros_de_prueba.h"
#include "support/modal.h"
#include "support/archivos.h"
#include "support/instalacion_temporal.h"
#include "support/unidades_simuladas.h"
#include "support/verificador.h"

#include <QAbstractButton>
#include <QDir>
#include <QRandomGenerator>
#include <QTabWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace veluma;

namespace {

// A declaration of a few hundred records whose text does not compress away,
// so the encoded file spans several small diskettes.
QList<test::RegistroDePrueba> registrosVariados()
{
    QRandomGenerator azar(617);
    QList<test::RegistroDePrueba> registros{{QStringLiteral("01307045182650202403000000000A"), 30}};
    for (int i = 1; i <= 300; ++i) {
        QString libre;
        for (int c = 0; c < 20; ++c)
            libre += QChar(u'A' + azar.bounded(26));
        registros.append({QStringLiteral("02%1%2").arg(i, 18, 10, QLatin1Char('0')).arg(libre), 40});
    }
    registros.append({QStringLiteral("99%1    ").arg(registros.size() + 1, 6, 10, QLatin1Char('0')), 12});
    return registros;
}

class DePuntaAPunta : public ::testing::Test {
protected:
    void SetUp() override
    {
        sesion.declaracion = {instalacion.cuits().first(), 200405, 0, 708};
        for (const auto& registro : liquidacion.registrosDePrueba())
            textos += registro.texto;
        letra = unidades.agregar(QStringLiteral("USB"), 3000);
        mensajes.alPreguntar = [this](const QString& texto) {
            if (texto.startsWith(QStringLiteral("Por favor inserte")) && !texto.contains(QStringLiteral(" 1 de ")))
                unidades.cambiarMedio(letra);
        };
    }
    // Generates the declaration and sends it to one destination through the screen.
    void generarHacia(DestinoGeneracion destino, const QString& carpeta = {})
    {
        clsGenerarDisquete generacion(sesion, mensajes, [&](const DatosGeneracion& datos) {
            DatosGeneracion pequenos = datos;
            pequenos.bytesPorDisquete = 1500;
            frmGenerar pantalla(sesion.instalacion, mensajes, pequenos, unidades);
            if (!carpeta.isEmpty())
                pantalla.elegirCarpeta(destino, carpeta);
            pantalla.findChild<QTabWidget*>(QStringLiteral("tabDestino"))->setCurrentIndex(int(destino));
            pantalla.findChild<QAbstractButton*>(QStringLiteral("cmdAceptar"))->click();
        });
        ASSERT_TRUE(generacion.GenerarDisquete(liquidacion));
        EXPECT_TRUE(mensajes.mensajes.contains(QStringLiteral("Información: El proceso finalizó correctamente.")))
            << mensajes.mensajes.join('|').toStdString();
    }

    void esperarLosRegistros(const QStringList& archivos)
    {
        const ResultadoVerificacion resultado = VerificarPresentacion(archivos);
        ASSERT_TRUE(resultado.valido) << resultado.problema.toStdString();
        EXPECT_EQ(resultado.cabecera, QStringLiteral("HEAD10 01 01 000302"));
        EXPECT_EQ(resultado.registros, textos);
        EXPECT_TRUE(test::salidaDelVerificador(instalacion.carpetaPrograma(), archivos).contains(QStringLiteral("302 registros")));
    }

    test::InstalacionTemporal instalacion{false};
    test::MensajesConManos mensajes;
    Sesion sesion{instalacion.instalacion()};
    test::UnidadesSimuladas unidades;
    test::LiquidacionDePrueba liquidacion{registrosVariados()};
    QStringList textos;
    QChar letra;
    QTemporaryDir carpeta;
};

}  // namespace

TEST_F(DePuntaAPunta, LosDisquetesDevuelvenLosRegistrosEnOrden)
{
    generarHacia(DestinoGeneracion::Disquete);
    QStringList volumenes;
    for (const QString& medio : unidades.medios(letra))
        volumenes += medio + QStringLiteral("/123456F0708.dat");
    ASSERT_GE(volumenes.size(), 3);
    esperarLosRegistros(volumenes);

    // Out of order they are refused.
    volumenes.swapItemsAt(0, 1);
    EXPECT_FALSE(VerificarPresentacion(volumenes).valido);
}

TEST_F(DePuntaAPunta, LaCarpetaParaCdYElArchivoParaInternetDevuelvenLosRegistros)
{
    generarHacia(DestinoGeneracion::CD, carpeta.path());
    esperarLosRegistros({carpeta.filePath(QStringLiteral("123456F07083070451826520040500.dat"))});

    mensajes.mensajes.clear();
    const QString internet = carpeta.filePath(QStringLiteral("internet"));
    ASSERT_TRUE(QDir().mkpath(internet));
    generarHacia(DestinoGeneracion::Internet, internet);
    const QStringList producidos = QDir(internet).entryList(QDir::Files);
    ASSERT_EQ(producidos, QStringList{QStringLiteral("123456F0708.b64")});
    esperarLosRegistros({internet + QStringLiteral("/123456F0708.b64")});
}

TEST_F(DePuntaAPunta, ElBotonGenerarMuestraElDestinoYCancelarBorraLosRegistros)
{
    QWidget totales;
    QString titulo;
    test::alAparecerModal([&](QWidget* destino) {
        titulo = destino->windowTitle();
        EXPECT_TRUE(QFile::exists(sesion.instalacion.carpetaTrabajo() + QStringLiteral("DDJJCypf.tmp")));
        destino->findChild<QAbstractButton*>(QStringLiteral("cmdSalir"))->click();
    });
    EXPECT_TRUE(GenerarPresentacion(totales, sesion, mensajes, liquidacion));
    EXPECT_EQ(titulo, QStringLiteral(" Generar Disquete / CD / Archivo "));
    EXPECT_FALSE(QFile::exists(sesion.instalacion.carpetaTrabajo() + QStringLiteral("DDJJCypf.tmp")));
    EXPECT_TRUE(mensajes.mensajes.isEmpty()) << mensajes.mensajes.join('|').toStdString();
}
