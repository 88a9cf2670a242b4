#pragma once

#include <QByteArray>
#include <optional>

namespace veluma {

// The encoding of submission files. The first 20 bytes (the header line) pass
// unchanged, so the agency can read the header without decoding. After them:
//
//   "VLDK1\n"                      6 bytes, format mark
//   length of the original body    4 bytes, big-endian
//   CRC-32 of the original body    4 bytes, big-endian (zlib's crc32)
//   the body compressed by zlib    the rest (compress2; any level decodes)
//
// A file of 20 bytes or fewer is all header and is encoded as just that
// header plus the empty body's mark, length and CRC.
inline constexpr int kLargoCabeceraDkwin = 20;

QByteArray codificarDkwin(const QByteArray& original);

// The original bytes; nothing when the mark, the length or the CRC do not match.
std::optional<QByteArray> decodificarDkwin(const QByteArray& codificado);

}  // namespace veluma
