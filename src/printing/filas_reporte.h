#pragma once

#include "printing/seleccion.h"

#include <QString>
#include <utility>
#include <vector>

namespace veluma {

class Database;

// One row as printed: each column's name and its text.
using FilaReporte = std::vector<std::pair<QString, QString>>;

// The rows of `origen`, a table or a stored query, that the selection picks.
// A condition on `origen` itself filters its column. The conditions on any
// other table (DDJJ, usually) must match an existing row of that table, and
// each also filters the column of the same name in `origen` when there is one:
// {DDJJ.CUIT}, {DDJJ.PERIODO} and {DDJJ.SECUENCIA} pick the rows of one
// declaration from a detail table, while {DDJJ.FORMULARIO} only has to hold
// for that declaration. Every table and column named must exist (Error
// otherwise); names reach the SQL only once checked, values only as parameters.
// Numbers with decimals read "1.234,50"; a NULL reads empty.
std::vector<FilaReporte> leerFilas(Database& base, const QString& origen,
                                   const std::vector<CondicionSeleccion>& condiciones);

}  // namespace veluma
