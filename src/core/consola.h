#pragma once

#include <QString>
#include <cstdio>

namespace veluma {

// Writes the text and a line feed as UTF-8, whatever the terminal's locale.
void escribirLinea(std::FILE* salida, const QString& texto);

}  // namespace veluma
