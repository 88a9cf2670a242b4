#include "core/error.h"
#include "core/instalacion.h"
#include "filewin.h"
#include "generation/copia_carpeta.h"
#include "generation/copia_disquetes.h"
#include "generation/destino_internet.h"
#include "generation/medios.h"
#include "mensajes_con_manos.h"
#include "support/archivos.h"
#include "support/mensajes_grabados.h"
#include "support/unidades_simuladas.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using namespace veluma;
using veluma::test::archivosEn;
using veluma::test::escribirArchivo;
using veluma::test::leerArchivo;
using veluma::test::UnidadesSimuladas;

namespace {

const QString kInsertar = QStringLiteral("Atención...!!!: Por favor inserte el diskette %1 de %2 en el drive a:\\");
const QString kReemplazar = QStringLiteral("El archivo ya existe en la unidad destino. Desea reemplazarlo?");
const QString kFinCorrecto = QStringLiteral("Información: El proceso finalizó correctamente.");

// Bytes that show where they came from: no two neighbouring blocks alike.
QByteArray contenido(qint64 largo)
{
    QByteArray bytes(largo, Qt::Uninitialized);
    for (qint64 i = 0; i < largo; ++i)
        bytes[i] = static_cast<char>((i * 7 + i / 251) % 256);
    return bytes;
}

class AvanceGrabado : public AvisoDeAvance {
public:
    void ponerMaximo(qint64 valor) override { maximo = valor; }
    void ponerValor(qint64 v) override
    {
        valor = v;
        valores.append(v);
        if (alAvanzar)
            alAvanzar(v);
    }
    void ponerEstado(const QString& texto) override { estado = texto; }
    void ponerEtiqueta(const QString& texto) override { etiqueta = texto; }

    qint64 maximo = -1;
    qint64 valor = -1;
    QList<qint64> valores;
    QString estado = QStringLiteral("sin tocar");
    QString etiqueta;
    std::function<void(qint64)> alAvanzar;  // what happens to the volume as the copy goes
};

constexpr qint64 kCapacidadUnidad = 3000000;

class CopiaEnDisquetes : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(trabajo.isValid());
        letra = unidades.agregar(QStringLiteral("USB DISK"), kCapacidadUnidad);
    }

    QString origen() const { return trabajo.filePath(QStringLiteral("Genera.dat")); }
    QString enMedio(int medio) const { return unidades.medios(letra).at(medio) + QStringLiteral("/F617.dat"); }

    bool copiar(const QByteArray& datos, qint64 capacidad)
    {
        escribirArchivo(origen(), datos);
        CopiaDisquetes copia(unidades, mensajes, avance);
        return copia.MVolCopy(origen(), QStringLiteral("F617.dat"), letra, capacidad, 123);
    }

    // Each new volume asked for gets a fresh medium, as the user swaps them.
    void cambiarMedioAlPedirlo()
    {
        mensajes.alPreguntar = [this](const QString& texto) {
            if (texto.startsWith(QStringLiteral("Por favor inserte")) && !texto.contains(QStringLiteral(" 1 de ")))
                unidades.cambiarMedio(letra);
        };
    }

    QTemporaryDir trabajo;
    UnidadesSimuladas unidades;
    veluma::test::MensajesConManos mensajes;
    AvanceGrabado avance;
    QChar letra;
};

TEST(MensajesDeDisco, CadaNumeroConSuTexto)
{
    EXPECT_EQ(MensajeErrorDisco(70), "Disquete protegido contra escritura.");
    EXPECT_EQ(MensajeErrorDisco(57), "Disquetera en mal funcionamiento.");
    EXPECT_EQ(MensajeErrorDisco(61), "No hay suficiente espacio disponible en la unidad destino.");
    for (int numero = 63; numero <= 67; ++numero)
        EXPECT_EQ(MensajeErrorDisco(numero), "Error de grabación.");
    EXPECT_EQ(MensajeErrorDisco(68), "Disquetera no disponible.");
    EXPECT_EQ(MensajeErrorDisco(52), "Disquete no insertado o defectuoso.");
    EXPECT_EQ(MensajeErrorDisco(71), "Disquete no insertado o defectuoso.");
    EXPECT_EQ(MensajeErrorDisco(0), "El proceso finalizó exitosamente.");
    EXPECT_EQ(MensajeErrorDisco(62), "62: Error de grabación.");
    EXPECT_EQ(MensajeErrorDisco(75), "75: Error de grabación.");
}

TEST(MensajesDeDisco, EspacioDisponibleHastaElUltimoByteYNuncaSinMedio)
{
    UnidadesSimuladas unidades;
    const QChar a = unidades.agregar(QStringLiteral("A"), 1000);
    escribirArchivo(unidades.raiz(a) + QStringLiteral("/ocupado"), QByteArray(400, 'x'));
    EXPECT_TRUE(EspacioDisponible(unidades, a, 600));
    EXPECT_FALSE(EspacioDisponible(unidades, a, 601));
    unidades.quitarMedio(a);
    EXPECT_FALSE(EspacioDisponible(unidades, a, 0));
    EXPECT_FALSE(EspacioDisponible(unidades, QChar(u'z'), 0));
}

TEST_F(CopiaEnDisquetes, UnArchivoChicoVaEnUnDisqueteConSuCabecera)
{
    const QByteArray datos = contenido(100);
    EXPECT_FALSE(copiar(datos, 1400000));

    EXPECT_EQ(mensajes.mensajes, QStringList{kInsertar.arg(1).arg(1)});
    EXPECT_EQ(leerArchivo(enMedio(0)), "HEAD10 01 01 000123\n" + datos);
    EXPECT_EQ(avance.maximo, 120);
    EXPECT_EQ(avance.valor, 120);
    EXPECT_EQ(avance.estado, "100%");
}

TEST_F(CopiaEnDisquetes, LoQueNoCabeSigueEnElDisqueteSiguiente)
{
    cambiarMedioAlPedirlo();
    const QByteArray datos = contenido(1400000);
    EXPECT_FALSE(copiar(datos, 1400000));

    EXPECT_EQ(mensajes.mensajes, (QStringList{kInsertar.arg(1).arg(2), kInsertar.arg(2).arg(2)}));
    const QByteArray primero = leerArchivo(enMedio(0));
    const QByteArray segundo = leerArchivo(enMedio(1));
    EXPECT_EQ(primero.size(), 1400000);
    EXPECT_EQ(segundo.size(), 40);
    EXPECT_EQ(primero.left(20), "HEAD10 01 02 000123\n");
    EXPECT_EQ(segundo.left(20), "HEAD10 02 02 000123\n");
    EXPECT_TRUE(primero.mid(20) + segundo.mid(20) == datos);
    EXPECT_EQ(avance.maximo, 1400040);
    EXPECT_EQ(avance.valor, 1400040);
}

TEST_F(CopiaEnDisquetes, UnArchivoGrandeSeCopiaEnBloquesSinCambiarNada)
{
    const QByteArray datos = contenido(2500000);
    EXPECT_FALSE(copiar(datos, 3000000));

    EXPECT_EQ(avance.valores, (QList<qint64>{20, 2000020, 2500020}));
    EXPECT_TRUE(leerArchivo(enMedio(0)) == "HEAD10 01 01 000123\n" + datos);
}

TEST_F(CopiaEnDisquetes, ElArchivoQueYaEstaSeReemplazaSoloSiElUsuarioQuiere)
{
    escribirArchivo(enMedio(0), "anterior");
    mensajes.respuestas = {true, false};
    EXPECT_TRUE(copiar(contenido(100), 1400000));
    EXPECT_EQ(mensajes.mensajes, (QStringList{kInsertar.arg(1).arg(1), tituloPrograma() + ": " + kReemplazar}));
    EXPECT_EQ(leerArchivo(enMedio(0)), "anterior");
    EXPECT_EQ(avance.valor, 0);

    mensajes.mensajes.clear();
    mensajes.respuestas = {true, true};
    EXPECT_FALSE(copiar(contenido(100), 1400000));
    EXPECT_EQ(mensajes.mensajes.size(), 2);
    EXPECT_EQ(leerArchivo(enMedio(0)).size(), 120);
}

TEST_F(CopiaEnDisquetes, UnDisqueteLlenoSePideHastaQueElUsuarioCancela)
{
    escribirArchivo(unidades.raiz(letra) + QStringLiteral("/otro"), QByteArray(kCapacidadUnidad - 100, 'x'));
    mensajes.respuestas = {true, true, false};
    EXPECT_TRUE(copiar(contenido(100), 1400000));

    const QString lleno = QStringLiteral("Atención...!!!: No hay suficiente espacio disponible en la unidad destino.");
    EXPECT_EQ(mensajes.mensajes, (QStringList{kInsertar.arg(1).arg(1), lleno, lleno}));
    EXPECT_FALSE(QFile::exists(enMedio(0)));
    EXPECT_EQ(avance.valor, 0);
    EXPECT_EQ(avance.estado, "");
}

TEST_F(CopiaEnDisquetes, UnDisqueteProtegidoSeInformaEnCadaIntento)
{
    unidades.protegerContraEscritura(letra);
    mensajes.respuestas = {true, true, false};
    EXPECT_TRUE(copiar(contenido(100), 1400000));

    const QString protegido = QStringLiteral("Atención...!!!: Disquete protegido contra escritura.");
    EXPECT_EQ(mensajes.mensajes, (QStringList{kInsertar.arg(1).arg(1), protegido, protegido}));
    EXPECT_FALSE(QFile::exists(enMedio(0)));
}

TEST_F(CopiaEnDisquetes, SinDisqueteReintentarNoSigueMientrasNoSeInserte)
{
    unidades.quitarMedio(letra);
    mensajes.respuestas = {true, true};
    EXPECT_TRUE(copiar(contenido(100), 1400000));
    EXPECT_EQ(mensajes.mensajes,
              (QStringList{kInsertar.arg(1).arg(1), "Atención...!!!: Disquete no insertado o defectuoso."}));

    // Inserted while the message is shown: the retry goes on with the copy.
    mensajes.mensajes.clear();
    mensajes.alPreguntar = [this](const QString& texto) {
        if (texto == MensajeErrorDisco(kDiscoSinMedio))
            unidades.ponerMedio(letra);
    };
    unidades.quitarMedio(letra);
    EXPECT_FALSE(copiar(contenido(100), 1400000));
    EXPECT_EQ(mensajes.mensajes.size(), 2);
    EXPECT_EQ(leerArchivo(enMedio(0)).size(), 120);
}

TEST_F(CopiaEnDisquetes, ElMedioQueLlegaConElReintentoTambienPreguntaSiReemplazar)
{
    unidades.quitarMedio(letra);
    mensajes.alPreguntar = [this](const QString& texto) {
        if (texto == MensajeErrorDisco(kDiscoSinMedio))
            escribirArchivo(unidades.cambiarMedio(letra) + QStringLiteral("/F617.dat"), "anterior");
    };
    mensajes.respuestas = {true, true, false};
    EXPECT_TRUE(copiar(contenido(100), 1400000));

    EXPECT_EQ(mensajes.mensajes.last(), tituloPrograma() + ": " + kReemplazar);
    EXPECT_EQ(leerArchivo(enMedio(1)), "anterior");
}

TEST_F(CopiaEnDisquetes, UnMedioQueDesapareceALaMitadNoTerminaComoCopiado)
{
    avance.alAvanzar = [this](qint64 valor) {
        if (valor >= 2000020)
            unidades.desaparecer(letra);
    };
    EXPECT_TRUE(copiar(contenido(2500000), 3000000));

    EXPECT_EQ(mensajes.mensajes,
              (QStringList{kInsertar.arg(1).arg(1), tituloPrograma() + ": Disquetera no disponible."}));
    EXPECT_EQ(avance.valor, 0);
    EXPECT_EQ(avance.estado, "");
}

TEST_F(CopiaEnDisquetes, LoQueNoEntraEnLaCabeceraSeRechazaAntesDePedirDisquetes)
{
    // 100 volumes of one byte each: the header counts up to 99.
    EXPECT_THROW(copiar(contenido(100), 21), Error);
    EXPECT_TRUE(mensajes.mensajes.isEmpty());

    EXPECT_TRUE(copiar(contenido(100), 20));
    EXPECT_EQ(mensajes.mensajes,
              QStringList{tituloPrograma() + ": No hay suficiente espacio disponible en la unidad destino."});
    EXPECT_EQ(archivosEn(unidades.raiz(letra)), QStringList());
}

TEST_F(CopiaEnDisquetes, SinArchivoDeOrigenSeOfreceReintentar)
{
    mensajes.respuesta = Respuesta::No;
    CopiaDisquetes copia(unidades, mensajes, avance);
    EXPECT_TRUE(copia.MVolCopy(origen(), QStringLiteral("F617.dat"), letra, 1400000, 1));
    EXPECT_EQ(mensajes.mensajes, QStringList{"Atención.: 53: Error de grabación."});
    EXPECT_EQ(avance.valor, 0);
}

class CopiaEnCarpeta : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(trabajo.isValid());
        ASSERT_TRUE(destino.isValid());
        escribirArchivo(trabajo.filePath(QStringLiteral("Genera.dat")), datos);
    }

    QString generado() const { return trabajo.filePath(QStringLiteral("Genera.dat")); }

    const QByteArray datos = contenido(4096);
    QTemporaryDir trabajo;
    QTemporaryDir destino;
    veluma::test::MensajesGrabados mensajes;
    AvanceGrabado avance;
};

TEST_F(CopiaEnCarpeta, CopiaEnBloquesYAvisaElPorcentaje)
{
    const QString copia = destino.filePath(QStringLiteral("F617.dat"));
    EXPECT_EQ(CopyFile(generado(), copia, mensajes, avance), 4096);

    EXPECT_TRUE(leerArchivo(copia) == datos);
    EXPECT_EQ(archivosEn(destino.path()), QStringList{"F617.dat"});
    EXPECT_EQ(avance.maximo, 100);
    EXPECT_EQ(avance.valores, (QList<qint64>{25, 50, 75, 100}));
    EXPECT_EQ(avance.etiqueta, "Porcentaje completado: 100%");
    EXPECT_TRUE(mensajes.mensajes.isEmpty());
}

TEST_F(CopiaEnCarpeta, NoReemplazaSinPermiso)
{
    const QString copia = destino.filePath(QStringLiteral("F617.dat"));
    escribirArchivo(copia, "anterior");
    mensajes.respuesta = Respuesta::No;
    EXPECT_EQ(CopyFile(generado(), copia, mensajes, avance), 0);
    EXPECT_EQ(mensajes.mensajes, QStringList{tituloPrograma() + ": " + kReemplazar});
    EXPECT_EQ(leerArchivo(copia), "anterior");

    mensajes.respuesta = Respuesta::Si;
    EXPECT_EQ(CopyFile(generado(), copia, mensajes, avance), 4096);
    EXPECT_TRUE(leerArchivo(copia) == datos);
}

TEST_F(CopiaEnCarpeta, UnaFallaNoDejaNadaConElNombreFinal)
{
    // The folder goes away while the copy is being written.
    const QString carpeta = destino.filePath(QStringLiteral("pendrive"));
    ASSERT_TRUE(QDir().mkpath(carpeta));
    avance.alAvanzar = [&](qint64 valor) {
        if (valor == 50)
            QDir(carpeta).removeRecursively();
    };
    EXPECT_EQ(CopyFile(generado(), carpeta + QStringLiteral("/F617.dat"), mensajes, avance), 0);
    ASSERT_EQ(mensajes.mensajes.size(), 1);
    EXPECT_TRUE(mensajes.mensajes.first().startsWith(QStringLiteral("Información: ")));
    EXPECT_FALSE(QFile::exists(carpeta + QStringLiteral("/F617.dat")));

    // A folder that is not there at all.
    mensajes.mensajes.clear();
    EXPECT_EQ(CopyFile(generado(), destino.filePath(QStringLiteral("no/F617.dat")), mensajes, avance), 0);
    EXPECT_EQ(mensajes.mensajes.size(), 1);
    EXPECT_EQ(archivosEn(destino.path()), QStringList());
}

TEST_F(CopiaEnCarpeta, ViaEstandardPideCarpetaYPermisoParaReemplazar)
{
    ViaEstandard(QString(), QStringLiteral("F617_CD.dat"), trabajo.path() + "/", mensajes, avance);
    EXPECT_EQ(mensajes.mensajes, QStringList{"Información: No se ha especificado correctamente el destino"});
    EXPECT_EQ(avance.estado, "sin tocar");

    const QString copia = destino.filePath(QStringLiteral("F617_CD.dat"));
    escribirArchivo(copia, "anterior");
    mensajes.mensajes.clear();
    mensajes.respuesta = Respuesta::No;
    ViaEstandard(destino.path(), QStringLiteral("F617_CD.dat"), trabajo.path() + "/", mensajes, avance);
    EXPECT_EQ(mensajes.mensajes,
              (QStringList{"Advertencia: El archivo ya existe, desea reemplazarlo",
                           "Información: Generación cancelada por el usuario."}));
    EXPECT_EQ(leerArchivo(copia), "anterior");

    // Yes is asked once: the old file is gone before the copy.
    mensajes.mensajes.clear();
    mensajes.respuesta = Respuesta::Si;
    ViaEstandard(destino.path(), QStringLiteral("F617_CD.dat"), trabajo.path() + "/", mensajes, avance);
    EXPECT_EQ(mensajes.mensajes, (QStringList{"Advertencia: El archivo ya existe, desea reemplazarlo", kFinCorrecto}));
    EXPECT_TRUE(leerArchivo(copia) == datos);
    EXPECT_EQ(avance.valor, 0);
    EXPECT_EQ(avance.estado, "0%");
}

class DestinoInternet : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(raiz.isValid());
        ASSERT_TRUE(QDir().mkpath(programa()));
        ASSERT_TRUE(QDir().mkpath(destino()));
        ASSERT_TRUE(QDir().mkpath(carpetaTrabajo()));
        escribirArchivo(carpetaTrabajo() + QStringLiteral("cabent.txt"), cabent);
    }

    QString programa() const { return raiz.filePath(QStringLiteral("veluma")); }
    QString carpetaTrabajo() const { return raiz.filePath(QStringLiteral("trabajo")) + QLatin1Char('/'); }
    QString destino() const { return raiz.filePath(QStringLiteral("internet")); }

    QTemporaryDir raiz;
    const QByteArray cabent = "HEAD10 01 01 000002\n" + contenido(3000);
    Instalacion instalacion{programa(), QStringLiteral("veluma"), Version{1, 0, 0}, carpetaTrabajo()};
    veluma::test::MensajesGrabados mensajes;
    AvanceGrabado avance;
};

TEST_F(DestinoInternet, CodificaYDejaElArchivoDeEntradaComoEstaba)
{
    EXPECT_EQ(EncriptarFileWin(instalacion, carpetaTrabajo(), QStringLiteral("cabent.txt"), mensajes), "cabent.b64");

    EXPECT_TRUE(mensajes.mensajes.isEmpty());
    EXPECT_EQ(archivosEn(carpetaTrabajo()), (QStringList{"cabent.b64", "cabent.txt"}));
    EXPECT_TRUE(leerArchivo(carpetaTrabajo() + QStringLiteral("cabent.txt")) == cabent);
    const std::optional<QByteArray> decodificado =
        decodificarFileWin(leerArchivo(carpetaTrabajo() + QStringLiteral("cabent.b64")));
    ASSERT_TRUE(decodificado);
    EXPECT_TRUE(*decodificado == cabent);
}

TEST_F(DestinoInternet, SiElCodificadorFallaNoQuedaEntradaNiResultado)
{
    // The encoder cannot write its result where a folder stands.
    ASSERT_TRUE(QDir().mkpath(carpetaTrabajo() + QStringLiteral("cabent.b64")));
    EXPECT_EQ(EncriptarFileWin(instalacion, carpetaTrabajo(), QStringLiteral("cabent.txt"), mensajes), "");

    EXPECT_EQ(mensajes.mensajes, QStringList{"Información: Se produjo un error durante la generación. (FileWin)"});
    EXPECT_EQ(archivosEn(carpetaTrabajo()), QStringList{"cabent.b64"});
    EXPECT_TRUE(leerArchivo(programa() + QStringLiteral("/FWError.txt")).contains("cabent.b64"));
}

TEST_F(DestinoInternet, ElArchivoLlevaElNombreDeLaDeclaracionYSaleDelTrabajo)
{
    ViaInternet(destino(), QStringLiteral("F0617301234.dat"), carpetaTrabajo(), QString(), mensajes, avance);
    ViaInternet(QString(), QStringLiteral("F0617301234.dat"), carpetaTrabajo(), QStringLiteral("cabent.b64"), mensajes,
                avance);
    EXPECT_EQ(mensajes.mensajes,
              (QStringList{"Información: Se ha producido un error al generar.",
                           "Atención: No se ha especificado correctamente el destino."}));
    EXPECT_EQ(archivosEn(destino()), QStringList());

    mensajes.mensajes.clear();
    escribirArchivo(carpetaTrabajo() + QStringLiteral("cabent.b64"), "codificado");
    ViaInternet(destino(), QStringLiteral("F0617301234.dat"), carpetaTrabajo(), QStringLiteral("cabent.b64"), mensajes,
                avance);

    EXPECT_EQ(mensajes.mensajes, QStringList{kFinCorrecto});
    EXPECT_EQ(archivosEn(destino()), QStringList{"F0617301234.b64"});
    EXPECT_EQ(leerArchivo(destino() + QStringLiteral("/F0617301234.b64")), "codificado");
    EXPECT_FALSE(QFile::exists(carpetaTrabajo() + QStringLiteral("cabent.b64")));
    EXPECT_EQ(avance.valor, 0);
}

}  // namespace
