#include "generation/windows1252.h"

namespace veluma {

namespace {

// The printable characters Windows-1252 places at 0x80–0x9F; 0 marks the
// five codes it leaves undefined.
constexpr char16_t kEspeciales[32] = {
    u'€', 0,    u'‚', u'ƒ', u'„', u'…', u'†', u'‡', u'ˆ', u'‰', u'Š', u'‹', u'Œ', 0,    u'Ž', 0,
    0,    u'‘', u'’', u'“', u'”', u'•', u'–', u'—', u'˜', u'™', u'š', u'›', u'œ', 0,    u'ž', u'Ÿ',
};

char aByte(char16_t caracter)
{
    // Latin-1 maps to itself except its C1 controls, which 1252 reuses for the specials.
    if (caracter < 0x80 || (caracter >= 0xA0 && caracter <= 0xFF))
        return char(caracter);
    for (int posicion = 0; posicion < 32; ++posicion) {
        if (kEspeciales[posicion] != 0 && kEspeciales[posicion] == caracter)
            return char(0x80 + posicion);
    }
    return '?';
}

}  // namespace

QByteArray aWindows1252(const QString& texto)
{
    QByteArray bytes(texto.size(), Qt::Uninitialized);
    char* destino = bytes.data();
    for (const QChar caracter : texto)
        *destino++ = aByte(caracter.unicode());
    return bytes;
}

}  // namespace veluma
