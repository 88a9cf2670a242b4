#include "formato_dkwin.h"

#include <QtEndian>
#include <zlib.h>

namespace veluma {

namespace {

const QByteArray kMarca = QByteArrayLiteral("VLDK1\n");
constexpr int kLargoPrefijo = 6 + 4 + 4;
// On a Form 708 file of 50,000 ticket lines level 6 takes a tenth of level 9's time and is no larger.
constexpr int kNivelCompresion = Z_DEFAULT_COMPRESSION;
// Deflate never expands more than 1032 to 1: a length beyond that is a damaged
// field, refused before anything is allocated for it.
constexpr qint64 kExpansionMaxima = 1032;

quint32 crc(const QByteArray& datos)
{
    return quint32(crc32(crc32(0L, Z_NULL, 0), reinterpret_cast<const Bytef*>(datos.constData()), uInt(datos.size())));
}

void agregarEntero(QByteArray& destino, quint32 valor)
{
    char bytes[4];
    qToBigEndian(valor, bytes);
    destino.append(bytes, 4);
}

}  // namespace

QByteArray codificarDkwin(const QByteArray& original)
{
    const QByteArray cabecera = original.left(kLargoCabeceraDkwin);
    const QByteArray cuerpo = original.mid(kLargoCabeceraDkwin);
    uLongf largoComprimido = compressBound(uLong(cuerpo.size()));
    QByteArray comprimido(int(largoComprimido), Qt::Uninitialized);
    if (compress2(reinterpret_cast<Bytef*>(comprimido.data()), &largoComprimido,
                  reinterpret_cast<const Bytef*>(cuerpo.constData()), uLong(cuerpo.size()), kNivelCompresion)
        != Z_OK)
        return {};
    comprimido.truncate(int(largoComprimido));

    QByteArray codificado = cabecera + kMarca;
    agregarEntero(codificado, quint32(cuerpo.size()));
    agregarEntero(codificado, crc(cuerpo));
    return codificado + comprimido;
}

std::optional<QByteArray> decodificarDkwin(const QByteArray& codificado)
{
    const qsizetype inicio = qMin<qsizetype>(kLargoCabeceraDkwin, codificado.indexOf(kMarca));
    if (inicio < 0 || codificado.mid(inicio, kMarca.size()) != kMarca
        || codificado.size() < inicio + kLargoPrefijo)
        return std::nullopt;
    const char* prefijo = codificado.constData() + inicio + kMarca.size();
    const quint32 largo = qFromBigEndian<quint32>(prefijo);
    const quint32 crcEsperado = qFromBigEndian<quint32>(prefijo + 4);
    const QByteArray comprimido = codificado.mid(inicio + kLargoPrefijo);
    if (largo > 0x7FFFFFF0u || qint64(largo) > qint64(comprimido.size()) * kExpansionMaxima)
        return std::nullopt;

    QByteArray cuerpo(int(largo), Qt::Uninitialized);
    uLongf largoCuerpo = largo;
    uLong consumido = uLong(comprimido.size());
    // Bytes after the compressed body are not part of any file we wrote.
    if (uncompress2(reinterpret_cast<Bytef*>(cuerpo.data()), &largoCuerpo,
                    reinterpret_cast<const Bytef*>(comprimido.constData()), &consumido)
            != Z_OK
        || consumido != uLong(comprimido.size()) || largoCuerpo != largo || crc(cuerpo) != crcEsperado)
        return std::nullopt;
    return codificado.left(inicio) + cuerpo;
}

}  // namespace veluma
