#pragma once

#include <QString>
#include <QVariant>
#include <vector>

namespace veluma {

// How a column's values are written: text as stored, whole numbers, amounts
// with two decimals, and dates.
enum class TipoColumna { Texto, Entero, Importe, Fecha };

struct ColumnaHoja {
    QString titulo;
    TipoColumna tipo = TipoColumna::Texto;
};

// One sheet of an exported declaration: a section's rows or the settlement's
// figures. Values are QString (Texto), qint64 (Entero), double (Importe) or
// QDate (Fecha); a null QVariant is an empty cell.
struct Hoja {
    QString nombre;  // at most 31 characters, as a workbook allows
    std::vector<ColumnaHoja> columnas;
    std::vector<std::vector<QVariant>> filas;
};

}  // namespace veluma
