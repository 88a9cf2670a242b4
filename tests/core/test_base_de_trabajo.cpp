// The working database at rest: how start-up opens it, scrambled or plain, and how the closing compacts it.

#include "core/cierre.h"
#include "core/clave.h"
#include "core/inicio.h"
#include "support/archivos.h"
#include "support/filas.h"
#include "support/sesion_de_prueba.h"

#include <QDateTime>
#include <csignal>
#include <functional>
#include <tuple>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace veluma;
using namespace veluma::test;
using Reposo = clsInicio::Reposo;

namespace {

// Runs `trabajo` in a child process, whose exit code is what it returns (1 when it throws).
pid_t enOtroProceso(const std::function<int()>& trabajo)
{
    const pid_t hijo = ::fork();
    if (hijo == 0) {
        int codigo = 1;
        try {
            codigo = trabajo();
        } catch (...) {
        }
        ::_exit(codigo);
    }
    return hijo;
}

int codigoDeSalida(pid_t hijo)
{
    int estado = 0;
    ::waitpid(hijo, &estado, 0);
    return WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
}

class BaseDeTrabajo : public SesionDePrueba {
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

    // The attempts start-up needed.
    int abrir(Database& base, Reposo reposo = Reposo::Mezclada)
    {
        clsInicio inicio(instalacion.instalacion(), textoClave());
        inicio.AbrirBase("veluma.mdb", base, reposo);
        return inicio.intentosUltimaApertura();
    }

    // The open error, expecting the file exactly as before.
    DbError fallaSinTocar(Reposo reposo)
    {
        const QByteArray antes = leerArchivo(ruta());
        Database base;
        try {
            abrir(base, reposo);
        } catch (const DbError& error) {
            EXPECT_EQ(leerArchivo(ruta()), antes);
            EXPECT_FALSE(base.isOpen());
            return error;
        }
        ADD_FAILURE() << "se abrió";
        return DbError(0, 0, {}, {});
    }

    ResultadoCierre cerrar() { return CerrarBaseTrabajo(sesion.base, sesion.instalacion); }

    // What the next session finds, which must open at the first attempt: the file rests scrambled whatever
    // happened to the compaction.
    qint64 declaracionesAlReabrir()
    {
        EXPECT_FALSE(QFile::exists(rutaCopia()));
        Database base;
        EXPECT_EQ(abrir(base), 1);
        return filasDeConsulta(base, "SELECT count(*) FROM DDJJ").value(0).toLongLong();
    }

    QString ruta() const { return instalacion.instalacion().rutaBaseTrabajo(); }
    QString rutaCopia() const { return instalacion.instalacion().rutaCompactacion(); }
};

// One case after the other, each from what the one before left.
TEST_F(BaseDeTrabajo, LoQueNoAbreSeInformaYElArchivoQuedaComoEstaba)
{
    // Each case: its name, what makes it, the kind of error and its description (empty: not checked).
    const std::tuple<const char*, std::function<void()>, DbErrorKind, QString> casos[] = {
        {"truncada",
         [&] { cargarDeclaraciones(300); sesion.base.close(); QFile::resize(ruta(), QFileInfo(ruta()).size() / 2); },
         DbErrorKind::Corrupt, {}},
        {"otra clave",
         [&] {
             QFile::remove(ruta());
             Database::open(ruta(), "otra clave", Database::OpenMode::Create).execute("CREATE TABLE x (y INTEGER)");
         },
         DbErrorKind::NotADatabase, {}},
        {"carpeta", [&] { QFile::remove(ruta()); QDir().mkdir(ruta()); }, DbErrorKind::CannotOpen,
         ruta() + " no es un archivo de base de datos."},
        {"falta", [&] { QDir().rmdir(ruta()); }, DbErrorKind::CannotOpen,
         "No se encuentra el archivo de base de datos " + ruta() + "."},
    };
    for (const auto& [nombre, preparar, tipo, descripcion] : casos) {
        SCOPED_TRACE(nombre);
        preparar();
        for (const Reposo reposo : {Reposo::Mezclada, Reposo::Plana}) {
            const DbError error = fallaSinTocar(reposo);
            // A cut file reads as damaged or as no database, depending on where it was cut.
            EXPECT_TRUE(error.kind() == tipo
                        || (tipo == DbErrorKind::Corrupt && error.kind() == DbErrorKind::NotADatabase));
            EXPECT_EQ(error.descripcion(), descripcion.isEmpty() ? error.descripcion() : descripcion);
        }
    }
    EXPECT_FALSE(QFileInfo::exists(ruta()));
}

// Scrambling a file another process is inside would wreck it for that process.
TEST_F(BaseDeTrabajo, UnaBaseQueOtroProcesoUsaNoSeToca)
{
    sesion.base.close();
    int listo[2];
    int fin[2];
    ASSERT_TRUE(::pipe(listo) == 0 && ::pipe(fin) == 0);
    const pid_t hijo = enOtroProceso([&] {
        Database otra = Database::open(ruta(), contrasenaBase());
        otra.execute("BEGIN EXCLUSIVE");
        char senal = 'x';
        return ::write(listo[1], &senal, 1) == 1 && ::read(fin[0], &senal, 1) == 1 ? 0 : 1;
    });
    char senal = 0;
    ASSERT_EQ(::read(listo[0], &senal, 1), 1);
    // Not even toggled and put back: that would happen while the other process reads.
    const QDateTime modificada = QFileInfo(ruta()).lastModified();
    const DbError error = fallaSinTocar(Reposo::Mezclada);
    EXPECT_EQ(QFileInfo(ruta()).lastModified(), modificada);
    EXPECT_EQ(error.kind(), DbErrorKind::Busy);
    EXPECT_EQ(error.descripcion(), "La base de datos está siendo usada por otro proceso.");
    ASSERT_EQ(::write(fin[1], &senal, 1), 1);
    EXPECT_EQ(codigoDeSalida(hijo), 0);
    for (const int extremo : {listo[0], listo[1], fin[0], fin[1]})
        ::close(extremo);
}

TEST_F(BaseDeTrabajo, ElCierreCompactaConLaMismaClaveMezclaYLaProximaSesionEncuentraTodo)
{
    cargarDeclaraciones(300);
    sesion.base.execute("DELETE FROM DDJJ WHERE PERIODO > 200010");
    const QByteArray sal = leerArchivo(ruta()).left(16);
    const qint64 tamanoAntes = QFileInfo(ruta()).size();

    const ResultadoCierre resultado = cerrar();
    EXPECT_TRUE(resultado.compactada && resultado.protegida && mensajeCierre(resultado).isEmpty());
    EXPECT_FALSE(sesion.base.isOpen());
    EXPECT_LT(QFileInfo(ruta()).size(), tamanoAntes);

    // The copy took the key already derived, salt and all, and opens afresh with the password and only with it.
    QByteArray compactada = leerArchivo(ruta());
    for (int i = 0; i < 400; i += 10)
        compactada[i] = char(uchar(compactada[i]) ^ clsInicio::kClaveMezcla);
    EXPECT_EQ(compactada.left(16), sal);
    EXPECT_EQ(declaracionesAlReabrir(), 10);
    EXPECT_EQ(leerArchivo(ruta()), compactada);
    Database copia = Database::open(ruta(), contrasenaBase());
    EXPECT_EQ(filasDeConsulta(copia, "PRAGMA integrity_check"), QStringList{"ok"});
    EXPECT_EQ(filasDeConsulta(copia, "SELECT CAMPO1 FROM DDJJ WHERE PERIODO = 200010"),
              QStringList{"Inst. d'Ñandú 9"});
    copia.close();
    EXPECT_THROW(Database::open(ruta(), "otra clave"), DbError);

    // The same scrambling on a file shorter than its span: it does not grow; what is no file is refused, not made.
    const QString corto = instalacion.raiz() + "/corto";
    const QByteArray original(95, 'x');
    escribirArchivo(corto, original);
    clsInicio::EncriptaDesencripta(corto);
    QByteArray esperado = original;
    for (int i = 0; i < 95; i += 10)
        esperado[i] = char(uchar('x') ^ clsInicio::kClaveMezcla);
    EXPECT_EQ(leerArchivo(corto), esperado);
    EXPECT_THROW(clsInicio::EncriptaDesencripta(instalacion.raiz()), Error);
    EXPECT_THROW(clsInicio::EncriptaDesencripta(instalacion.raiz() + "/no-existe"), Error);
    EXPECT_FALSE(QFile::exists(instalacion.raiz() + "/no-existe"));
}

// A copy cut short by a full disk, an old copy that is discarded and one that cannot be removed, one closing after
// the other.
TEST_F(BaseDeTrabajo, UnCierreQueNoPuedeCompactarDejaLaBaseEnSuLugar)
{
    cargarDeclaraciones(2000);
    // Writes past a third of the database's size fail, as on a full disk.
    rlimit anterior{};
    getrlimit(RLIMIT_FSIZE, &anterior);
    auto* senalAnterior = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limite = anterior;
    limite.rlim_cur = rlim_t(QFileInfo(ruta()).size() / 3);
    setrlimit(RLIMIT_FSIZE, &limite);
    ResultadoCierre resultado = cerrar();
    setrlimit(RLIMIT_FSIZE, &anterior);
    std::signal(SIGXFSZ, senalAnterior);
    EXPECT_TRUE(!resultado.compactada && resultado.protegida);
    // The copy was started and failed while writing, not before.
    EXPECT_TRUE(!resultado.problema.isEmpty() && !resultado.problema.startsWith("No se puede crear"))
        << resultado.problema.toStdString();
    EXPECT_EQ(declaracionesAlReabrir(), 2000);

    abrirSesion(sesion, mensajes);
    escribirArchivo(rutaCopia(), "restos de un cierre anterior");
    // Attaching a new copy never takes over a file that is there.
    EXPECT_THROW(sesion.base.attachNew(rutaCopia(), "copia"), DbError);
    EXPECT_EQ(leerArchivo(rutaCopia()), "restos de un cierre anterior");
    EXPECT_TRUE(cerrar().compactada);
    EXPECT_EQ(declaracionesAlReabrir(), 2000);

    abrirSesion(sesion, mensajes);
    ASSERT_TRUE(QDir().mkpath(rutaCopia() + "/ocupado"));
    resultado = cerrar();
    EXPECT_TRUE(!resultado.compactada && resultado.protegida);
    EXPECT_EQ(mensajeCierre(resultado),
              "No se pudo compactar la base de datos al cerrar: No se puede eliminar el archivo temporal " + rutaCopia()
                  + ", que quedó de un cierre anterior.\r\nSus datos no se perdieron: la base de datos queda en su "
                    "lugar y se abrirá normalmente la próxima vez que inicie el sistema.");
    QDir(rutaCopia()).removeRecursively();
    EXPECT_EQ(declaracionesAlReabrir(), 2000);
}

// The folder turns read-only during the session; then the file too, and the message says both failures.
TEST_F(BaseDeTrabajo, EnUnaCarpetaDeSoloLecturaElCierreDejaLaBaseIntacta)
{
    cargarDeclaraciones(5);
    sesion.base.close();
    const QByteArray carpeta = QFile::encodeName(instalacion.carpetaPrograma());
    const QByteArray archivo = QFile::encodeName(ruta());
    // The process of the test may be root, which ignores permissions: the closing then runs in a child process as
    // an ordinary user, who owns the database.
    ::chmod(QFile::encodeName(instalacion.raiz()).constData(), 0755);
    ::chmod(QFile::encodeName(instalacion.instalacion().rutaBaseAuxiliar()).constData(), 0666);
    for (const bool archivoTambien : {false, true}) {
        SCOPED_TRACE(archivoTambien);
        ::chmod(carpeta.constData(), 0755);
        ::chmod(archivo.constData(), 0666);
        if (::geteuid() == 0) {
            ASSERT_EQ(::chown(archivo.constData(), 65534, 65534), 0);
        }
        const pid_t hijo = enOtroProceso([&] {
            if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
                return 3;
            Sesion cierre(instalacion.instalacion());
            MensajesGrabados sinUso;
            abrirSesion(cierre, sinUso);
            ::chmod(carpeta.constData(), 0555);
            if (archivoTambien)
                ::chmod(archivo.constData(), 0444);
            const ResultadoCierre resultado = CerrarBaseTrabajo(cierre.base, cierre.instalacion);
            const QString mensaje = mensajeCierre(resultado);
            const bool proteccion = mensaje.contains("\r\nNo se pudo proteger el archivo de la base de datos al "
                                                     "cerrar: No se puede abrir el archivo " + ruta());
            const bool compactacion = mensaje.startsWith("No se pudo compactar la base de datos al cerrar: No se puede "
                                                         "crear el archivo ");
            return !resultado.compactada && compactacion && resultado.protegida != archivoTambien
                           && proteccion == archivoTambien
                       ? 0
                       : 2;
        });
        EXPECT_EQ(codigoDeSalida(hijo), 0);
    }
    ::chmod(carpeta.constData(), 0755);
    ::chmod(archivo.constData(), 0600);
    // Left unscrambled: the next session opens it at the second attempt, every row there.
    Database base;
    EXPECT_EQ(abrir(base), 2);
    EXPECT_EQ(filasDeConsulta(base, "SELECT count(*) FROM DDJJ"), QStringList{"5"});
}

}  // namespace
