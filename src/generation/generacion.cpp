#include "generation/generacion.h"

#include "core/error.h"
#include "core/instalacion.h"
#include "generation/codificacion.h"

#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QSaveFile>
#include <algorithm>

namespace veluma {

namespace {

constexpr qint64 kBloqueCabecera = 1024;
constexpr qint64 kBloqueSinCabecera = 2000000;

// The failure of an operation on `archivo`, with the system's reason.
Error fallo(const QString& operacion, const QFileDevice& archivo)
{
    return Error(kErrorAccesoArchivo,
                 operacion + archivo.fileName() + QStringLiteral(": ") + archivo.errorString() + QLatin1Char('.'));
}

void abrirParaLeer(QFile& archivo)
{
    if (!archivo.exists()) {
        throw Error(kErrorArchivoNoEncontrado,
                    QStringLiteral("No se encuentra el archivo ") + archivo.fileName() + QLatin1Char('.'));
    }
    if (!archivo.open(QIODevice::ReadOnly))
        throw fallo(QStringLiteral("No se puede leer el archivo "), archivo);
}

void abrirParaEscribir(QSaveFile& archivo)
{
    if (!archivo.open(QIODevice::WriteOnly))
        throw fallo(QStringLiteral("No se puede crear el archivo "), archivo);
}

void escribirTodo(QSaveFile& archivo, const QByteArray& bytes)
{
    if (archivo.write(bytes) != bytes.size())
        throw fallo(QStringLiteral("No se pudo escribir el archivo "), archivo);
}

// Reads `origen` from where it stands to its end in blocks of at most `bloque` bytes.
void copiarResto(QFile& origen, QSaveFile& destino, qint64 bloque)
{
    for (qint64 resto = origen.size() - origen.pos(); resto > 0;) {
        const QByteArray leido = origen.read(std::min(bloque, resto));
        if (leido.isEmpty())
            throw fallo(QStringLiteral("No se puede leer el archivo "), origen);
        escribirTodo(destino, leido);
        resto -= leido.size();
    }
}

void confirmar(QSaveFile& archivo)
{
    if (!archivo.commit())
        throw fallo(QStringLiteral("No se pudo guardar el archivo "), archivo);
}

// True when the file is gone, whether it was there or not.
bool eliminar(const QString& ruta) { return !QFile::exists(ruta) || QFile::remove(ruta); }

void eliminarAnterior(const QString& ruta)
{
    if (!eliminar(ruta))
        throw Error(kErrorAccesoArchivo,
                    QStringLiteral("No se puede eliminar el archivo anterior ") + ruta + QLatin1Char('.'));
}

QString carpetaDeTrabajo(const Instalacion& instalacion)
{
    const QString carpeta = DirectorioWindows(instalacion);
    // An empty folder would put every working file in whatever the current folder is.
    if (carpeta.isEmpty()) {
        throw Error(kErrorAccesoArchivo, QStringLiteral("No se puede crear la carpeta de trabajo ")
                                             + instalacion.carpetaTrabajo() + QLatin1Char('.'));
    }
    return carpeta;
}

}  // namespace

ccGeneracion::ccGeneracion(const Instalacion& instalacion)
    : directorio_(carpetaDeTrabajo(instalacion)), codificador_(instalacion.rutaCodificador())
{
}

QString ccGeneracion::Cabecera(int volumenes, int volumen, qint32 registros)
{
    // Wider numbers would move every byte after the header.
    if (volumenes < 1 || volumenes > 99 || volumen < 1 || volumen > volumenes || registros < 0 || registros > 999999) {
        throw Error(kErrorArgumentoNoValido, QStringLiteral("La cabecera no admite el volumen %1 de %2 con %3 registros.")
                                             .arg(volumen).arg(volumenes).arg(registros));
    }
    return QStringLiteral("HEAD10 %1 %2 %3")
        .arg(volumen, 2, 10, QLatin1Char('0'))
        .arg(volumenes, 2, 10, QLatin1Char('0'))
        .arg(registros, 6, 10, QLatin1Char('0'));
}

void ccGeneracion::AgregarCabecera(const QString& origen, const QString& cabecera, const QString& destino) const
{
    QFile entrada(ruta(origen));
    abrirParaLeer(entrada);
    QSaveFile salida(ruta(destino));
    abrirParaEscribir(salida);
    escribirTodo(salida, cabecera.toLatin1() + '\n');
    copiarResto(entrada, salida, kBloqueCabecera);
    confirmar(salida);
}

void ccGeneracion::ArmoArchivo(const QString& origen, const QString& destino, qint32 registros) const
{
    AgregarCabecera(origen, Cabecera(1, 1, registros), destino);
}

bool ccGeneracion::EncriptoArchivo(const QString& origen, const QString& destino) const
{
    // A destination left by an earlier run must not pass for this run's output.
    if (!eliminar(ruta(destino)))
        return false;
    const int salida = ExecCmdNoFocus(codificador_, {QStringLiteral("/E"), ruta(origen), ruta(destino)});
    return salida == 0 && QFile::exists(ruta(destino));
}

int ccGeneracion::ExecCmdNoFocus(const QString& programa, const QStringList& argumentos)
{
    QProcess proceso;
    proceso.setProcessChannelMode(QProcess::ForwardedChannels);
    proceso.setStandardInputFile(QProcess::nullDevice());
    bool noArranco = false;
    bool terminado = false;
    QEventLoop espera;
    QObject::connect(&proceso, &QProcess::finished, &espera, [&] {
        terminado = true;
        espera.quit();
    });
    QObject::connect(&proceso, &QProcess::errorOccurred, &espera, [&](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;  // a crash is followed by finished()
        noArranco = true;
        espera.quit();
    });
    proceso.start(programa, argumentos);
    // Some start failures are reported inside start(), before the loop could hear them.
    if (!noArranco && !terminado)
        espera.exec(QEventLoop::ExcludeUserInputEvents);  // painting goes on; clicks wait for the end
    if (noArranco || proceso.exitStatus() == QProcess::CrashExit)
        return -1;
    return proceso.exitCode();
}

void ccGeneracion::SacoCabeceraAuxiliar(const QString& origen, const QString& destino, qint32 registros) const
{
    const qint64 largoCabecera = Cabecera(1, 1, registros).size() + 1;  // and its line feed
    eliminarAnterior(ruta(destino));
    QFile entrada(ruta(origen));
    abrirParaLeer(entrada);
    if (entrada.size() < largoCabecera || !entrada.seek(largoCabecera)) {
        throw Error(kErrorAccesoArchivo,
                    QStringLiteral("El archivo ") + entrada.fileName() + QStringLiteral(" no tiene cabecera."));
    }
    QSaveFile salida(ruta(destino));
    abrirParaEscribir(salida);
    copiarResto(entrada, salida, kBloqueSinCabecera);
    confirmar(salida);
    entrada.close();
    // The result is whole; an intermediate left behind is replaced by the next run.
    QFile::remove(entrada.fileName());
}

}  // namespace veluma
