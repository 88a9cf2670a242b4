#pragma once

#include "intercambio/hojas.h"

#include <QString>
#include <vector>

namespace veluma {

// Writes the sheets to an Excel workbook, one worksheet each, in order. Written
// under a temporary name and then renamed, so a failure leaves neither a half
// file nor harm to an existing one. Throws Error when it cannot be written.
void escribirLibroXlsx(const std::vector<Hoja>& hojas, const QString& archivo);

}  // namespace veluma
