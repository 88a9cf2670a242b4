#include "core/error.h"
#include "generation/copia_carpeta.h"
#include "generation/copia_disquetes.h"
#include "generation/generacion.h"
#include "generation/medios.h"
#include "generacion_de_prueba.h"

#include <QTemporaryDir>

using namespace veluma;
using namespace veluma::test;

namespace {

const QString kInsertar = "Atención...!!!: Por favor inserte el diskette %1 de %2 en el drive a:\\";
const QString kReemplazar = tituloPrograma() + ": El archivo ya existe en la unidad destino. Desea reemplazarlo?";

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
    void ponerValor(qint64 valor) override
    {
        valores.append(valor);
        if (alAvanzar)
            alAvanzar(valor);
    }
    void ponerEstado(const QString& texto) override { estado = texto; }
    void ponerEtiqueta(const QString&) override {}

    qint64 maximo = -1;
    QList<qint64> valores;
    QString estado = "sin tocar";
    std::function<void(qint64)> alAvanzar;  // what happens to the volume as the copy goes
};

constexpr qint64 kCapacidadUnidad = 3000000;

// A removable drive of kCapacidadUnidad bytes, with the user at the questions and the progress shown.
struct Disquetera {
    Disquetera()
    {
        letra = unidades.agregar("USB DISK", kCapacidadUnidad);
        cambiarMedioAlPedirlo(mensajes, unidades, letra);
    }

    QString origen() const { return trabajo.filePath("Genera.dat"); }
    QString enMedio(int medio) const { return unidades.medios(letra).at(medio) + "/F617.dat"; }

    // The file at origen(), in volumes of `capacidad` bytes; true when the copy was cancelled, as MVolCopy answers.
    bool copiar(qint64 capacidad)
    {
        return CopiaDisquetes(unidades, mensajes, avance).MVolCopy(origen(), "F617.dat", letra, capacidad, 123);
    }

    QTemporaryDir trabajo;
    UnidadesSimuladas unidades;
    MensajesConManos mensajes;
    AvanceGrabado avance;
    QChar letra;
};

// a: and b: are the first two removable volumes; every other volume, the system's disk first, from c: to z:.
TEST(MediosDisponibles, LasLetrasDeDisqueteSonDeLosVolumenesExtraibles)
{
    QStringList vistas;
    for (const QList<bool>& extraibles : {QList<bool>{false}, {true, false, false}, {true, true, true, false},
                                          QList<bool>(30, false), QList<bool>(30, true)})
        vistas += QString(letrasDeUnidades(extraibles).data(), letrasDeUnidades(extraibles).size());
    EXPECT_EQ(vistas, QStringList({"c", "acd", "abcd", "cdefghijklmnopqrstuvwxyz", "abcdefghijklmnopqrstuvwxyz"}));

    // The space free counts to the last byte; a drive without a medium has none.
    UnidadesSimuladas unidades;
    const QChar a = unidades.agregar("A", 1000);
    escribirArchivo(unidades.raiz(a) + "/ocupado", QByteArray(400, 'x'));
    EXPECT_TRUE(EspacioDisponible(unidades, a, 600));
    EXPECT_FALSE(EspacioDisponible(unidades, a, 601));
    unidades.quitarMedio(a);
    EXPECT_FALSE(EspacioDisponible(unidades, a, 0));
    EXPECT_FALSE(EspacioDisponible(unidades, QChar(u'z'), 0));
}

const QString kSinMedio = "Atención...!!!: Disquete no insertado o defectuoso.";
const QStringList kUno{kInsertar.arg(1).arg(1)};  // the request for the only diskette

// The messages so far and one more.
QStringList operator+(QStringList mensajes, const QString& otro) { return mensajes << otro; }

// What may be on the drive, or happen to it, when the copy starts.
using Preparacion = std::function<void(Disquetera&)>;
const Preparacion kNada = [](Disquetera&) {};
const Preparacion kAnterior = [](Disquetera& d) { escribirArchivo(d.enMedio(0), "anterior"); };
const Preparacion ponerlo = [](Disquetera& d) { d.unidades.ponerMedio(d.letra); };
// The drive is empty; while the user is told, `alPoner` happens to it.
Preparacion sinDisquete(std::function<void(Disquetera&)> alPoner)
{
    return [alPoner](Disquetera& d) {
        d.unidades.quitarMedio(d.letra);
        d.mensajes.alPreguntar = [&d, alPoner](const QString& texto) {
            if (texto == MensajeErrorDisco(kDiscoSinMedio))
                alPoner(d);
        };
    };
}

// Each volume in a medium of its own, as the user swaps them when asked: the header, then as much of the file as
// fits, copied in blocks of 2,000,000 bytes. A failure is said as it happens and asked again while the user retries;
// a copy that does not finish ends cancelled, nothing of it on the medium in the drive and the progress at zero.
TEST(CopiaEnDisquetes, CadaVolumenLlevaSuCabeceraYLaParteQueLeCabeOLaCopiaSeCancelaSinDejarNada)
{
    const QString lleno = "Atención...!!!: No hay suficiente espacio disponible en la unidad destino.";
    const QString protegido = "Atención...!!!: Disquete protegido contra escritura.";
    const QString desaparecido = tituloPrograma() + ": Disquetera no disponible.";
    const Preparacion casiLleno = [](Disquetera& d) {
        escribirArchivo(d.unidades.raiz(d.letra) + "/otro", QByteArray(kCapacidadUnidad - 100, 'x'));
    };
    const Preparacion protegerlo = [](Disquetera& d) { d.unidades.protegerContraEscritura(d.letra); };
    const Preparacion otroConElArchivo =
        sinDisquete([](Disquetera& d) { escribirArchivo(d.unidades.cambiarMedio(d.letra) + "/F617.dat", "anterior"); });
    const Preparacion quitarloALaMitad = [](Disquetera& d) {
        d.avance.alAvanzar = [&d](qint64 valor) {
            if (valor >= 2000020)
                d.unidades.desaparecer(d.letra);
        };
    };
    const Preparacion sinOrigen = [](Disquetera& d) { QFile::remove(d.origen()); };
    const qint64 grande = 2500000;
    const struct {
        const char* caso;
        qint64 largo, capacidad;
        Preparacion preparar;
        std::deque<bool> respuestas;
        QStringList mensajes;
        QList<qint64> avance;  // of a copy that ends; none when it is cancelled
        QByteArray queda;      // after a cancelled copy, under its name in the drive; nothing when there is no file
    } casos[] = {
        {"en dos", 1400000, 1400000, kNada, {}, {kInsertar.arg(1).arg(2), kInsertar.arg(2).arg(2)},
         {20, 1400000, 1400020, 1400040}, {}},
        {"grande", grande, kCapacidadUnidad, kNada, {}, kUno, {20, 2000020, 2500020}, {}},
        {"el anterior, si el usuario quiere", 100, 1400000, kAnterior, {}, kUno + kReemplazar, {20, 120}, {}},
        {"el disquete puesto durante el aviso", 100, 1400000, sinDisquete(ponerlo), {}, kUno + kSinMedio, {20, 120},
         {}},
        {"el usuario no reemplaza el anterior", grande, kCapacidadUnidad, kAnterior, {true, false},
         kUno + kReemplazar, {}, "anterior"},
        {"disquete lleno", grande, kCapacidadUnidad, casiLleno, {true, true, false}, kUno + lleno + lleno, {}, {}},
        {"protegido contra escritura", grande, kCapacidadUnidad, protegerlo, {true, true, false},
         kUno + protegido + protegido, {}, {}},
        // Retrying with the drive still empty does not go on.
        {"sin disquete", grande, kCapacidadUnidad, sinDisquete(kNada), {true, true}, kUno + kSinMedio, {}, {}},
        {"el que llega al reintentar tiene el archivo", grande, kCapacidadUnidad, otroConElArchivo, {true, true, false},
         kUno + kSinMedio + kReemplazar, {}, "anterior"},
        {"el disquete desaparece a la mitad", grande, kCapacidadUnidad, quitarloALaMitad, {}, kUno + desaparecido, {},
         {}},
        {"sin archivo que copiar", grande, kCapacidadUnidad, sinOrigen, {false}, {"Atención.: 53: Error de grabación."},
         {}, {}},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.caso);
        Disquetera disquetera;
        const QByteArray datos = contenido(caso.largo);
        escribirArchivo(disquetera.origen(), datos);
        caso.preparar(disquetera);
        disquetera.mensajes.respuestas = caso.respuestas;
        EXPECT_EQ(disquetera.copiar(caso.capacidad), caso.avance.isEmpty());
        EXPECT_EQ(disquetera.mensajes.mensajes, caso.mensajes);
        if (caso.avance.isEmpty()) {
            EXPECT_EQ(leerArchivo(disquetera.unidades.medios(disquetera.letra).last() + "/F617.dat"), caso.queda);
            EXPECT_EQ(disquetera.avance.valores.value(disquetera.avance.valores.size() - 1, -1), 0);
            EXPECT_EQ(disquetera.avance.estado, "");
            continue;
        }
        const int volumenes = int(disquetera.unidades.medios(disquetera.letra).size());
        QByteArray copiado;
        for (int volumen = 1; volumen <= volumenes; ++volumen) {
            const QByteArray grabado = leerArchivo(disquetera.enMedio(volumen - 1));
            EXPECT_EQ(grabado.left(20), QString::asprintf("HEAD10 %02d %02d 000123\n", volumen, volumenes).toLatin1());
            EXPECT_LE(grabado.size(), caso.capacidad);
            copiado += grabado.mid(20);
        }
        EXPECT_TRUE(copiado == datos);
        EXPECT_EQ(disquetera.avance.maximo, caso.largo + 20 * volumenes);
        EXPECT_EQ(disquetera.avance.valores, caso.avance);
        EXPECT_EQ(disquetera.avance.estado, "100%");
    }
}

TEST(CopiaEnDisquetes, LoQueNoEntraEnLaCabeceraSeRechazaAntesDePedirDisquetes)
{
    Disquetera disquetera;
    escribirArchivo(disquetera.origen(), contenido(100));
    // 100 volumes of one byte each: the header counts up to 99 volumes, and up to 999999 records.
    EXPECT_THROW(disquetera.copiar(21), Error);
    EXPECT_THROW(ccGeneracion::Cabecera(1, 1, 1000000), Error);
    EXPECT_TRUE(disquetera.mensajes.mensajes.isEmpty());

    EXPECT_TRUE(disquetera.copiar(20));
    EXPECT_EQ(disquetera.mensajes.mensajes,
              QStringList{tituloPrograma() + ": No hay suficiente espacio disponible en la unidad destino."});
    EXPECT_EQ(archivosEn(disquetera.unidades.raiz(disquetera.letra)), QStringList());
}

// A copy into a folder that goes away while it is written, or that is not there at all, leaves nothing under the
// final name. The good copies, and what the user is asked, are followed through the destination screen.
TEST(CopiaEnCarpeta, UnaFallaNoDejaNadaConElNombreFinal)
{
    QTemporaryDir trabajo, destino;
    escribirArchivo(trabajo.filePath("Genera.dat"), contenido(4096));
    const QString carpeta = destino.filePath("pendrive");
    ASSERT_TRUE(QDir().mkpath(carpeta));
    for (const QString& final : {carpeta + "/F617.dat", destino.filePath("no/F617.dat")}) {
        MensajesGrabados mensajes;
        AvanceGrabado avance;
        avance.alAvanzar = [&](qint64 valor) {
            if (valor == 50)
                QDir(carpeta).removeRecursively();
        };
        EXPECT_EQ(CopyFile(trabajo.filePath("Genera.dat"), final, mensajes, avance), 0);
        EXPECT_EQ(mensajes.mensajes.size(), 1);
        EXPECT_TRUE(mensajes.mensajes.value(0).startsWith("Información: ")) << mensajes.mensajes.value(0).toStdString();
    }
    EXPECT_EQ(archivosEn(destino.path()), QStringList());
}

}  // namespace
