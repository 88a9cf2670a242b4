#pragma once

#include <QString>

namespace veluma {

class ReporteArmado;

// Writes the report's pages as a PDF at `ruta`, replacing the file there only
// once the whole document is written. Throws Error saying why it could not.
void guardarPdf(const ReporteArmado& reporte, const QString& ruta);

}  // namespace veluma
