#include "generation/numero_verificacion.h"

namespace veluma {

namespace {

quint16 agregarAlCrc(quint16 crc, const QByteArray& datos)
{
    for (const char byte : datos) {
        crc ^= quint16(quint8(byte)) << 8;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x8000) ? quint16((crc << 1) ^ 0x1021) : quint16(crc << 1);
    }
    return crc;
}

}  // namespace

qint16 FuncionVerificacion(const QByteArray& cuit15, const QByteArray& periodo15, const QByteArray& importe15,
                           const QByteArray& hora15)
{
    quint16 crc = 0xFFFF;
    for (const QByteArray* parte : {&cuit15, &periodo15, &importe15, &hora15})
        crc = agregarAlCrc(crc, *parte);
    return qint16(crc);
}

}  // namespace veluma
