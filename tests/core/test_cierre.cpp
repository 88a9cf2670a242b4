#include "core/arranque.h"
#include "core/cierre.h"
#include "core/clave.h"
#include "core/inicio.h"
#include "core/sesion.h"
#include "core/transaction.h"
#include "support/archivos.h"
#include "support/instalacion_temporal.h"
#include "support/sesion_de_prueba.h"
#include "support/mensajes_grabados.h"

#include <QDir>
#include <QFile>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace veluma;
using veluma::test::leerArchivo;

namespace {

class Cierre : public ::testing::Test {
protected:
    void SetUp() override { abrirSesion(); }

    void abrirSesion()
    {
        sesion = std::make_unique<Sesion>(instalacion.instalacion());
        veluma::test::abrirSesion(*sesion, mensajes);
    }

    void cargarDeclaraciones(int cantidad)
    {
        Transaction lote(sesion->base);
        for (int i = 0; i < cantidad; ++i) {
            sesion->base.prepare("INSERT INTO DDJJ (CUIT, PERIODO, SECUENCIA, FORMULARIO, CAMPO1) VALUES (?, ?, 0, 618, ?)")
                .bindAll(QStringLiteral("30-70845123-9"), 200001 + i, QStringLiteral("Inst. d'Ñandú %1").arg(i))
                .run();
        }
        lote.commit();
    }

    // What a new session finds: how many attempts it took and how many declarations.
    std::pair<int, qint64> reabrir()
    {
        Database base;
        clsInicio inicio(instalacion.instalacion(), textoClave());
        inicio.AbrirBase("veluma.mdb", base);
        Statement cuenta = base.prepare("SELECT count(*) FROM DDJJ");
        cuenta.next();
        return {inicio.intentosUltimaApertura(), *cuenta.integer(0)};
    }

    QString ruta() const { return instalacion.instalacion().rutaBaseTrabajo(); }
    QString rutaCopia() const { return instalacion.instalacion().rutaCompactacion(); }

    veluma::test::InstalacionTemporal instalacion;
    veluma::test::MensajesGrabados mensajes;
    std::unique_ptr<Sesion> sesion;
};

TEST_F(Cierre, CompactaMezclaYLaProximaSesionEncuentraTodo)
{
    cargarDeclaraciones(300);
    sesion->base.execute("DELETE FROM DDJJ WHERE PERIODO > 200010");
    const qint64 tamanoAntes = QFileInfo(ruta()).size();

    const ResultadoCierre resultado = CerrarBaseTrabajo(sesion->base, sesion->instalacion);
    EXPECT_TRUE(resultado.compactada);
    EXPECT_TRUE(resultado.protegida);
    EXPECT_EQ(resultado.problema, QString());
    EXPECT_EQ(mensajeCierre(resultado), QString());
    EXPECT_FALSE(sesion->base.isOpen());
    EXPECT_FALSE(QFile::exists(rutaCopia()));
    EXPECT_LT(QFileInfo(ruta()).size(), tamanoAntes);

    // Resting scrambled: the unscrambled file is exactly what closing compacted.
    QByteArray compactada = leerArchivo(ruta());
    for (int i = 0; i < 400; i += 10)
        compactada[i] = char(uchar(compactada[i]) ^ clsInicio::kClaveMezcla);
    EXPECT_EQ(reabrir(), std::make_pair(1, qint64(10)));
    EXPECT_EQ(leerArchivo(ruta()), compactada);
}

TEST_F(Cierre, UnaCopiaViejaSeDescartaAntesDeCompactar)
{
    cargarDeclaraciones(3);
    QFile vieja(rutaCopia());
    ASSERT_TRUE(vieja.open(QIODevice::WriteOnly));
    vieja.write("restos de un cierre anterior");
    vieja.close();

    const ResultadoCierre resultado = CerrarBaseTrabajo(sesion->base, sesion->instalacion);
    EXPECT_TRUE(resultado.compactada) << resultado.problema.toStdString();
    EXPECT_FALSE(QFile::exists(rutaCopia()));
    EXPECT_EQ(reabrir(), std::make_pair(1, qint64(3)));
}

TEST_F(Cierre, UnaCopiaQueNoSePuedeBorrarDejaLaBaseEnSuLugar)
{
    cargarDeclaraciones(3);
    ASSERT_TRUE(QDir().mkpath(rutaCopia() + "/ocupado"));

    const ResultadoCierre resultado = CerrarBaseTrabajo(sesion->base, sesion->instalacion);
    EXPECT_FALSE(resultado.compactada);
    EXPECT_TRUE(resultado.protegida);
    EXPECT_EQ(mensajeCierre(resultado),
              "No se pudo compactar la base de datos al cerrar: No se puede eliminar el archivo temporal " + rutaCopia()
                  + ", que quedó de un cierre anterior.\r\nSus datos no se perdieron: la base de datos queda en su "
                    "lugar y se abrirá normalmente la próxima vez que inicie el sistema.");
    EXPECT_EQ(reabrir(), std::make_pair(1, qint64(3)));
}

TEST_F(Cierre, ConElDiscoLlenoLaBaseQuedaIntacta)
{
    cargarDeclaraciones(2000);
    const qint64 tamano = QFileInfo(ruta()).size();

    // Writes past a third of the database's size fail, as on a full disk.
    rlimit anterior{};
    getrlimit(RLIMIT_FSIZE, &anterior);
    auto* senalAnterior = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limite = anterior;
    limite.rlim_cur = rlim_t(tamano / 3);
    setrlimit(RLIMIT_FSIZE, &limite);
    const ResultadoCierre resultado = CerrarBaseTrabajo(sesion->base, sesion->instalacion);
    setrlimit(RLIMIT_FSIZE, &anterior);
    std::signal(SIGXFSZ, senalAnterior);

    EXPECT_FALSE(resultado.compactada);
    EXPECT_TRUE(resultado.protegida);
    // The copy was started and failed while writing, not before.
    EXPECT_FALSE(resultado.problema.isEmpty());
    EXPECT_FALSE(resultado.problema.startsWith("No se puede crear")) << resultado.problema.toStdString();
    EXPECT_FALSE(QFile::exists(rutaCopia()));
    EXPECT_EQ(reabrir(), std::make_pair(1, qint64(2000)));
}

TEST_F(Cierre, EnUnaCarpetaDeSoloLecturaLaBaseQuedaIntacta)
{
    cargarDeclaraciones(5);
    sesion->base.close();
    const QString carpeta = instalacion.carpetaPrograma();
    // The process of the test may be root, which ignores permissions: the
    // closing then runs in a child process as an ordinary user.
    ::chmod(QFile::encodeName(instalacion.raiz()).constData(), 0755);
    ::chmod(QFile::encodeName(ruta()).constData(), 0666);
    ::chmod(QFile::encodeName(instalacion.instalacion().rutaBaseAuxiliar()).constData(), 0666);
    ::chmod(QFile::encodeName(carpeta).constData(), 0555);

    const pid_t hijo = ::fork();
    ASSERT_GE(hijo, 0);
    if (hijo == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(3);
        int codigo = 1;
        try {
            Sesion cierre(instalacion.instalacion());
            veluma::test::MensajesGrabados sinUso;
            veluma::test::abrirSesion(cierre, sinUso);
            const ResultadoCierre resultado = CerrarBaseTrabajo(cierre.base, cierre.instalacion);
            codigo = !resultado.compactada && resultado.protegida
                    && resultado.problema.startsWith(QStringLiteral("No se puede crear el archivo ")) ? 0 : 2;
        } catch (...) {
            codigo = 4;
        }
        ::_exit(codigo);
    }
    int estado = 0;
    ::waitpid(hijo, &estado, 0);
    ::chmod(QFile::encodeName(carpeta).constData(), 0755);
    ASSERT_TRUE(WIFEXITED(estado));
    EXPECT_EQ(WEXITSTATUS(estado), 0);
    EXPECT_FALSE(QFile::exists(rutaCopia()));
    EXPECT_EQ(reabrir(), std::make_pair(1, qint64(5)));
}

TEST_F(Cierre, SinBaseAbiertaNoSeTocaNada)
{
    sesion->base.close();
    const QByteArray antes = leerArchivo(ruta());
    const ResultadoCierre resultado = CerrarBaseTrabajo(sesion->base, sesion->instalacion);
    EXPECT_FALSE(resultado.compactada);
    EXPECT_FALSE(resultado.protegida);
    EXPECT_EQ(leerArchivo(ruta()), antes);
}

}  // namespace
