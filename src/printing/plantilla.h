#pragma once

#include "printing/filas_reporte.h"

#include <QString>
#include <map>
#include <vector>

namespace veluma {

// A report template: HTML with mustache tags. Its first line names where
// its rows come from, "<!-- origen: 708Salas -->"; {{Nombre}} prints a
// formula and {{#filas}}…{{/filas}} repeats for each row, whose columns
// print by name ({{COD_INCAA}}). Values are HTML-escaped.
struct PlantillaReporte {
    QString ruta;
    QString origen;
    QString texto;
};

// Throws Error when the file is missing or unreadable, or names no origin.
PlantillaReporte leerPlantilla(const QString& ruta);

// The template filled in. Row columns hide formulas of the same name inside
// the rows section; a formula named "filas" is hidden by the rows. Throws
// Error when the tags do not pair up.
QString completarPlantilla(const PlantillaReporte& plantilla, const std::map<QString, QString>& formulas,
                           const std::vector<FilaReporte>& filas);

}  // namespace veluma
