#include "core/cierre.h"
#include "core/clave.h"
#include "core/inicio.h"
#include "core/sesion.h"
#include "support/archivos.h"
#include "support/filas.h"
#include "support/instalacion_temporal.h"
#include "support/mensajes_grabados.h"
#include "support/sesion_de_prueba.h"

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

QByteArray desmezclado(QByteArray contenido)
{
    for (int i = 0; i < 400; i += 10)
        contenido[i] = char(uchar(contenido[i]) ^ clsInicio::kClaveMezcla);
    return contenido;
}

class Cierre : public veluma::test::SesionDePrueba {
protected:
    void cargarDeclaraciones(int cantidad)
    {
        sesion.base
            .prepare("WITH n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i + 1 < ?) "
                     "INSERT INTO DDJJ (CUIT, PERIODO, SECUENCIA, FORMULARIO, CAMPO1) "
                     "SELECT '30-70845123-9', 200001 + i, 0, 618, 'Inst. d''Ñandú ' || i FROM n")
            .bindAll(cantidad)
            .run();
    }

    ResultadoCierre cerrar() { return CerrarBaseTrabajo(sesion.base, sesion.instalacion); }

    // What the next session finds, which must open at the first attempt: the
    // file rests scrambled whatever happened to the compaction.
    qint64 declaracionesAlReabrir()
    {
        EXPECT_FALSE(QFile::exists(rutaCopia()));
        Database base;
        clsInicio inicio(instalacion.instalacion(), textoClave());
        inicio.AbrirBase("veluma.mdb", base);
        EXPECT_EQ(inicio.intentosUltimaApertura(), 1);
        return veluma::test::filasDeConsulta(base, "SELECT count(*) FROM DDJJ").value(0).toLongLong();
    }

    QString ruta() const { return instalacion.instalacion().rutaBaseTrabajo(); }
    QString rutaCopia() const { return instalacion.instalacion().rutaCompactacion(); }
};

TEST_F(Cierre, CompactaConLaMismaClaveMezclaYLaProximaSesionEncuentraTodo)
{
    cargarDeclaraciones(300);
    sesion.base.execute("DELETE FROM DDJJ WHERE PERIODO > 200010");
    const QByteArray sal = leerArchivo(ruta()).left(16);
    const qint64 tamanoAntes = QFileInfo(ruta()).size();

    const ResultadoCierre resultado = cerrar();
    EXPECT_TRUE(resultado.compactada && resultado.protegida);
    EXPECT_EQ(mensajeCierre(resultado), QString());
    EXPECT_FALSE(sesion.base.isOpen());
    EXPECT_LT(QFileInfo(ruta()).size(), tamanoAntes);

    // The copy took the key already derived, salt and all, and opens afresh
    // with the password and only with it.
    const QByteArray compactada = desmezclado(leerArchivo(ruta()));
    EXPECT_EQ(compactada.left(16), sal);
    EXPECT_EQ(declaracionesAlReabrir(), 10);
    EXPECT_EQ(leerArchivo(ruta()), compactada);
    Database copia = Database::open(ruta(), contrasenaBase());
    EXPECT_EQ(veluma::test::filasDeConsulta(copia, "PRAGMA integrity_check"), QStringList{"ok"});
    EXPECT_EQ(veluma::test::filasDeConsulta(copia, "SELECT CAMPO1 FROM DDJJ WHERE PERIODO = 200010"),
              QStringList{"Inst. d'Ñandú 9"});
    copia.close();
    EXPECT_THROW(Database::open(ruta(), "otra clave"), DbError);
}

TEST_F(Cierre, UnaCopiaViejaSeDescartaYUnaQueNoSePuedeBorrarDejaLaBaseEnSuLugar)
{
    cargarDeclaraciones(3);
    veluma::test::escribirArchivo(rutaCopia(), "restos de un cierre anterior");
    // Attaching a new copy never takes over a file that is there.
    EXPECT_THROW(sesion.base.attachNew(rutaCopia(), "copia"), DbError);
    EXPECT_EQ(leerArchivo(rutaCopia()), "restos de un cierre anterior");
    EXPECT_TRUE(cerrar().compactada);
    EXPECT_EQ(declaracionesAlReabrir(), 3);

    veluma::test::abrirSesion(sesion, mensajes);
    ASSERT_TRUE(QDir().mkpath(rutaCopia() + "/ocupado"));
    const ResultadoCierre resultado = cerrar();
    EXPECT_FALSE(resultado.compactada);
    EXPECT_TRUE(resultado.protegida);
    EXPECT_EQ(mensajeCierre(resultado),
              "No se pudo compactar la base de datos al cerrar: No se puede eliminar el archivo temporal " + rutaCopia()
                  + ", que quedó de un cierre anterior.\r\nSus datos no se perdieron: la base de datos queda en su "
                    "lugar y se abrirá normalmente la próxima vez que inicie el sistema.");
    QDir(rutaCopia()).removeRecursively();
    EXPECT_EQ(declaracionesAlReabrir(), 3);
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
    const ResultadoCierre resultado = cerrar();
    setrlimit(RLIMIT_FSIZE, &anterior);
    std::signal(SIGXFSZ, senalAnterior);

    EXPECT_FALSE(resultado.compactada);
    EXPECT_TRUE(resultado.protegida);
    // The copy was started and failed while writing, not before.
    EXPECT_FALSE(resultado.problema.isEmpty());
    EXPECT_FALSE(resultado.problema.startsWith("No se puede crear")) << resultado.problema.toStdString();
    EXPECT_EQ(declaracionesAlReabrir(), 2000);
}

TEST_F(Cierre, EnUnaCarpetaDeSoloLecturaLaBaseQuedaIntacta)
{
    cargarDeclaraciones(5);
    sesion.base.close();
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
    EXPECT_EQ(declaracionesAlReabrir(), 5);
}

}  // namespace
