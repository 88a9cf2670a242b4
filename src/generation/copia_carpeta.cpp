#include "generation/copia_carpeta.h"

#include "core/mensajes.h"
#include "generation/datos_generacion.h"
#include "generation/medios.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>

namespace veluma {

namespace {

constexpr qint64 kBloque = 1024;

}  // namespace

void LimpiarProgesoCopia(AvisoDeAvance& avance)
{
    avance.ponerValor(0);
    avance.ponerEstado(QStringLiteral("0 %"));
    avance.ponerEtiqueta(QString());
}

QString textoDestinoSinEscritura(const QString& carpeta)
{
    return QStringLiteral("No se puede escribir en la carpeta de destino %1: la carpeta o el disco no admite "
                          "escritura.")
        .arg(carpeta);
}

qint64 CopyFile(const QString& origen, const QString& destino, Mensajes& mensajes, AvisoDeAvance& avance)
{
    if (QFileInfo::exists(destino)
        && mensajes.PreguntaSiNo(QStringLiteral("El archivo ya existe en la unidad destino. Desea reemplazarlo?"),
                                 Respuesta::No)
            == Respuesta::No)
        return 0;

    QFile fuente(origen);
    QSaveFile copia(destino);
    const auto fallar = [&](const QFileDevice& archivo) -> qint64 {
        const QString motivo = &archivo == &fuente
                                   ? QStringLiteral("No se pudo leer el archivo generado %1: %2.")
                                         .arg(origen, archivo.errorString())
                                   : QStringLiteral("No se pudo escribir el archivo %1: %2.")
                                         .arg(destino, archivo.errorString());
        fuente.close();
        copia.cancelWriting();  // the temporary copy goes with `copia`
        mensajes.MensajeInformacion(motivo);
        return 0;
    };
    if (!fuente.open(QIODevice::ReadOnly))
        return fallar(fuente);
    if (!copia.open(QIODevice::WriteOnly))
        return fallar(copia);

    const qint64 total = fuente.size();
    avance.ponerMaximo(100);
    for (qint64 resto = total; resto > 0;) {
        const QByteArray bloque = fuente.read(std::min(kBloque, resto));
        if (bloque.isEmpty())
            return fallar(fuente);
        if (copia.write(bloque) != bloque.size())
            return fallar(copia);
        resto -= bloque.size();
        const int porcentaje = 100 - static_cast<int>(resto * 100 / total);
        avance.ponerValor(porcentaje);
        avance.ponerEtiqueta(QStringLiteral("Porcentaje completado: %1%").arg(porcentaje));
        avance.ponerEstado(QStringLiteral("%1%").arg(porcentaje));  // the status panel follows the label
    }
    if (!copia.commit())
        return fallar(copia);
    return total;
}

void ViaEstandard(const QString& carpeta, const QString& nombreDestino, const QString& carpetaTrabajo,
                  Mensajes& mensajes, AvisoDeAvance& avance)
{
    if (carpeta.isEmpty()) {
        mensajes.MensajeInformacion(QStringLiteral("No se ha especificado correctamente el destino"));
        return;
    }
    if (!QFileInfo(carpeta).isWritable()) {
        mensajes.MensajeInformacion(textoDestinoSinEscritura(carpeta));
        return;
    }
    const QString destino = carpeta + QLatin1Char('/') + nombreDestino;
    if (QFileInfo::exists(destino)) {
        if (!mensajes.ConfirmacionAdvertencia(QStringLiteral("El archivo ya existe, desea reemplazarlo"))) {
            mensajes.MensajeInformacion(QStringLiteral("Generación cancelada por el usuario."));
            LimpiarProgesoCopia(avance);
            return;
        }
        QFile::remove(destino);
    }
    if (CopyFile(carpetaTrabajo + kArchivoGenerado, destino, mensajes, avance) != 0)
        mensajes.MensajeInformacion(QStringLiteral("El proceso finalizó correctamente."));
    avance.ponerValor(0);
    avance.ponerEstado(QStringLiteral("0%"));
}

}  // namespace veluma
