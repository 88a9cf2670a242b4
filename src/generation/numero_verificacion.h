#pragma once

#include <QByteArray>

namespace veluma {

// The checksum behind a declaration's verification number: CRC-16/CCITT-FALSE
// (polynomial 0x1021, initial value 0xFFFF, bits not reflected, no final
// xor) over the four texts one after the other, as the agency computes it.
// The CRC comes back read as a signed 16-bit number, so values from 0x8000 up
// are negative. The CRC of "123456789" is 0x29B1.
//
// Callers pass four 15-digit fields; any bytes are accepted.
qint16 FuncionVerificacion(const QByteArray& cuit15, const QByteArray& periodo15, const QByteArray& importe15,
                           const QByteArray& hora15);

}  // namespace veluma
