#pragma once

#include <QString>

namespace veluma {

class Database;
class clsDDJJ;

// Replaces the DDJJ row of the declaration at `periodo` and `secuencia` with
// `nueva` (a Form 708 rate change: new CAMPO1 and HORA). The form's own rows
// stay. Delete and insert are one unit: when the insert is refused the old
// row is still there. Empty on success, else the refusal's message.
QString ModificarDDJJ(Database& base, const clsDDJJ& nueva, int periodo, int secuencia);

}  // namespace veluma
