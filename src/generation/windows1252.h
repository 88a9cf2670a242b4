#pragma once

#include <QByteArray>
#include <QString>

namespace veluma {

// The text in Windows-1252, the character set of the submission file: one
// byte for each UTF-16 unit, so a record keeps its fixed width. A character
// the set lacks, and each half of a surrogate pair, becomes "?".
QByteArray aWindows1252(const QString& texto);

}  // namespace veluma
