#include "generation/destino_internet.h"

#include "core/instalacion.h"
#include "core/mensajes.h"
#include "filewin.h"
#include "generation/copia_carpeta.h"
#include "generation/medios.h"

#include <QFile>
#include <QFileInfo>

namespace veluma {

namespace {

constexpr int kLargoNombre = 11;
constexpr int kLargoBase = 6;  // "cabent": what `producido` starts with, replaced by the declaration's name

}  // namespace

QString EncriptarFileWin(const Instalacion& instalacion, const QString& carpetaTrabajo, const QString& archivo,
                         Mensajes& mensajes)
{
    const QFileInfo entrada(carpetaTrabajo + archivo);
    const QString resguardo =
        entrada.absolutePath() + QLatin1Char('/') + entrada.completeBaseName() + QStringLiteral(".000");
    QFile::remove(resguardo);
    QString salida;
    if (!QFile::copy(entrada.filePath(), resguardo)
        || filewin(entrada.filePath(), salida, instalacion.carpetaPrograma() + QStringLiteral("/FWError.txt")) != 0) {
        mensajes.MensajeInformacion(QStringLiteral("Se produjo un error durante la generación. (FileWin)"));
        QFile::remove(entrada.filePath());
        QFile::remove(resguardo);
        return QString();
    }
    QFile::remove(entrada.filePath());
    QFile::rename(resguardo, entrada.filePath());

    QString producido = salida.trimmed();
    if (const QString carpeta = entrada.absolutePath() + QLatin1Char('/'); producido.startsWith(carpeta))
        producido.remove(0, carpeta.size());
    if (const qsizetype fin = producido.indexOf(QLatin1String("b64")); fin >= 0)
        producido.truncate(fin + 3);
    return producido;
}

void ViaInternet(const QString& carpeta, const QString& nombreDestino, const QString& carpetaTrabajo,
                 const QString& producido, Mensajes& mensajes, AvisoDeAvance& avance)
{
    if (producido.isEmpty()) {
        mensajes.MensajeInformacion(QStringLiteral("Se ha producido un error al generar."));
        return;
    }
    if (carpeta.isEmpty()) {
        mensajes.MensajeAtencion(QStringLiteral("No se ha especificado correctamente el destino."));
        return;
    }
    if (!QFileInfo(carpeta).isWritable()) {
        mensajes.MensajeInformacion(textoDestinoSinEscritura(carpeta));
        return;
    }
    const QString destino = carpeta + QLatin1Char('/') + nombreDestino.left(kLargoNombre) + producido.mid(kLargoBase);
    if (CopyFile(carpetaTrabajo + producido, destino, mensajes, avance) != 0) {
        mensajes.MensajeInformacion(QStringLiteral("El proceso finalizó correctamente."));
        QFile::remove(carpetaTrabajo + producido);
        avance.ponerEstado(QStringLiteral("0%"));
    }
    avance.ponerValor(0);
}

}  // namespace veluma
