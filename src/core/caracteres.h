#pragma once

#include <QString>

namespace veluma {

// Whether the text holds a line feed, a tab or another control character,
// which a one-line field of the records must not carry.
inline bool tieneCaracteresDeControl(const QString& texto)
{
    for (QChar c : texto)
        if (c.category() == QChar::Other_Control)
            return true;
    return false;
}

// Whether every character is one of the digits 0 to 9 (an empty text is).
inline bool soloDigitos(const QString& texto)
{
    for (QChar c : texto)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

}  // namespace veluma
