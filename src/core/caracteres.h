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

}  // namespace veluma
