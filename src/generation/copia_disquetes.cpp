#include "generation/copia_disquetes.h"

#include "core/error.h"
#include "core/mensajes.h"
#include "generation/generacion.h"
#include "generation/medios.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace veluma {

namespace {

constexpr qint64 kBloque = 2000000;
constexpr qint64 kLargoCabecera = 20;  // the header and its line feed
constexpr int kFinDeArchivo = 62;

const QString kTitulo = QStringLiteral("Atención...!!!");

int errorDeApertura(const QFile& fuente) { return fuente.exists() ? kErrorAccesoArchivo : kErrorArchivoNoEncontrado; }

int errorDeArchivo(const QFile& archivo)
{
    switch (archivo.error()) {
    case QFileDevice::ResourceError: return kDiscoSinEspacio;
    case QFileDevice::PermissionsError: return kDiscoProtegido;
    default: return kDiscoDefectuoso;
    }
}

}  // namespace

QString MensajeErrorDisco(int numero)
{
    switch (numero) {
    case kDiscoListo: return QStringLiteral("El proceso finalizó exitosamente.");
    case kDiscoProtegido: return QStringLiteral("Disquete protegido contra escritura.");
    case kDiscoDefectuoso: return QStringLiteral("Disquetera en mal funcionamiento.");
    case kDiscoSinEspacio: return QStringLiteral("No hay suficiente espacio disponible en la unidad destino.");
    case 63:
    case 64:
    case 65:
    case 66:
    case 67: return QStringLiteral("Error de grabación.");
    case kDiscoNoDisponible: return QStringLiteral("Disquetera no disponible.");
    case 52:
    case kDiscoSinMedio: return QStringLiteral("Disquete no insertado o defectuoso.");
    default: return QString::number(numero) + QStringLiteral(": Error de grabación.");
    }
}

bool EspacioDisponible(const Unidades& unidades, QChar letra, qint64 bytes)
{
    const qint64 libres = unidades.espacioLibre(letra).value_or(-1);
    return libres >= 0 && bytes <= libres;
}

CopiaDisquetes::CopiaDisquetes(const Unidades& unidades, Mensajes& mensajes, AvisoDeAvance& avance)
    : unidades_(unidades), mensajes_(mensajes), avance_(avance)
{
}

QString CopiaDisquetes::rutaEnUnidad(QChar letra, const QString& nombre) const
{
    const QString raiz = unidades_.raiz(letra);
    if (raiz.isEmpty())
        return QString();
    return raiz.endsWith(QLatin1Char('/')) ? raiz + nombre : raiz + QLatin1Char('/') + nombre;
}

bool CopiaDisquetes::reemplazarSiExiste(const QString& ruta)
{
    if (ruta.isEmpty() || !QFileInfo::exists(ruta))
        return true;
    if (mensajes_.PreguntaSiNo(QStringLiteral("El archivo ya existe en la unidad destino. Desea reemplazarlo?"),
                               Respuesta::No)
        == Respuesta::No)
        return false;
    // When it cannot go, the probe or the write that follows tells why.
    QFile::remove(ruta);
    return true;
}

std::optional<QString> CopiaDisquetes::fDiscoListo(QChar letra, const QString& nombreDestino, qint64 bytesNecesarios,
                                                   int volumen, int volumenes)
{
    const QString pedido = QStringLiteral("Por favor inserte el diskette %1 de %2 en el drive %3:\\")
                               .arg(volumen)
                               .arg(volumenes)
                               .arg(letra);
    if (!mensajes_.PreguntaAceptarCancelar(pedido, kTitulo)) {
        avance_.ponerValor(0);
        return std::nullopt;
    }
    QString ruta = rutaEnUnidad(letra, nombreDestino);
    if (!reemplazarSiExiste(ruta)) {
        avance_.ponerValor(0);
        return std::nullopt;
    }
    for (int error = unidades_.probar(letra); error != kDiscoListo; error = unidades_.probar(letra)) {
        if (!mensajes_.PreguntaReintentarCancelar(MensajeErrorDisco(error), kTitulo))
            return std::nullopt;
        if (!EspacioDisponible(unidades_, letra, bytesNecesarios))
            return std::nullopt;
    }
    // The medium that answered the retry may be another one, mounted elsewhere.
    if (const QString ahora = rutaEnUnidad(letra, nombreDestino); ahora != ruta) {
        ruta = ahora;
        if (!reemplazarSiExiste(ruta)) {
            avance_.ponerValor(0);
            return std::nullopt;
        }
    }
    while (!EspacioDisponible(unidades_, letra, bytesNecesarios)) {
        if (!mensajes_.PreguntaReintentarCancelar(MensajeErrorDisco(kDiscoSinEspacio), kTitulo))
            return std::nullopt;
    }
    return ruta;
}

bool CopiaDisquetes::MVolCopy(const QString& origen, const QString& nombreDestino, QChar letra, qint64 capacidad,
                              qint32 registros)
{
    QFile fuente(origen);
    while (!fuente.open(QIODevice::ReadOnly)) {
        if (!mensajes_.PreguntaReintentarCancelar(MensajeErrorDisco(errorDeApertura(fuente)),
                                                  QStringLiteral("Atención.")))
            return cancelar();
    }

    const qint64 datosPorVolumen = capacidad - kLargoCabecera;
    if (datosPorVolumen <= 0) {
        mensajes_.MensajeSimple(MensajeErrorDisco(kDiscoSinEspacio));
        return cancelar();
    }
    // Each volume but the last is filled: header, then as much of the file as fits.
    const qint64 largo = fuente.size();
    const int volumenes = static_cast<int>(std::max<qint64>(1, (largo + datosPorVolumen - 1) / datosPorVolumen));
    // All made before the user is asked for anything: a header may not take the numbers.
    QList<QByteArray> cabeceras;
    for (int volumen = 1; volumen <= volumenes; ++volumen)
        cabeceras.append((ccGeneracion::Cabecera(volumenes, volumen, registros) + QLatin1Char('\n')).toLatin1());
    copiados_ = 0;
    total_ = largo + kLargoCabecera * volumenes;
    avance_.ponerMaximo(total_);

    for (int volumen = 1; volumen <= volumenes; ++volumen) {
        const qint64 resto = total_ - copiados_;
        const std::optional<QString> ruta =
            fDiscoListo(letra, nombreDestino, std::min(resto, capacidad), volumen, volumenes);
        if (!ruta)
            return cancelar();
        const QByteArray& cabecera = cabeceras.at(volumen - 1);
        const qint64 datos = std::min(largo - fuente.pos(), datosPorVolumen);
        if (const int error = grabarVolumen(fuente, *ruta, letra, nombreDestino, cabecera, datos);
            error != kDiscoListo) {
            mensajes_.MensajeSimple(MensajeErrorDisco(error));
            // A piece cut short, left with its header, would pass for a good one.
            QFile::remove(*ruta);
            return cancelar();
        }
    }
    return false;
}

int CopiaDisquetes::grabarVolumen(QFile& fuente, const QString& ruta, QChar letra, const QString& nombre,
                                  const QByteArray& cabecera, qint64 datos)
{
    QFile destino(ruta);
    // A failed write is first put down to the volume, which knows better why.
    const auto fallo = [&] {
        const int estado = estadoDelVolumen(letra, nombre, ruta);
        return estado != kDiscoListo ? estado : errorDeArchivo(destino);
    };
    if (!destino.open(QIODevice::WriteOnly | QIODevice::Truncate) || destino.write(cabecera) != cabecera.size())
        return fallo();
    copiados_ += cabecera.size();
    informar();
    for (qint64 resto = datos; resto > 0;) {
        const QByteArray bloque = fuente.read(std::min(kBloque, resto));
        if (bloque.isEmpty())
            return kFinDeArchivo;
        if (destino.write(bloque) != bloque.size() || !destino.flush())
            return fallo();
        resto -= bloque.size();
        copiados_ += bloque.size();
        informar();
        // Writes into a medium pulled out mid-copy may still succeed: ask the drive.
        if (const int estado = estadoDelVolumen(letra, nombre, ruta); estado != kDiscoListo)
            return estado;
    }
    destino.close();
    if (destino.error() != QFileDevice::NoError)
        return fallo();
    return estadoDelVolumen(letra, nombre, ruta);
}

int CopiaDisquetes::estadoDelVolumen(QChar letra, const QString& nombre, const QString& ruta) const
{
    if (const int error = unidades_.probar(letra); error != kDiscoListo)
        return error;
    return rutaEnUnidad(letra, nombre) == ruta && QFileInfo::exists(ruta) ? kDiscoListo : kDiscoSinMedio;
}

void CopiaDisquetes::informar()
{
    avance_.ponerValor(copiados_);
    avance_.ponerEstado(QString::number(copiados_ * 100 / total_) + QLatin1Char('%'));
}

bool CopiaDisquetes::cancelar()
{
    avance_.ponerValor(0);
    avance_.ponerEstado(QString());
    return true;
}

}  // namespace veluma
