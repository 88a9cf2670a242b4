#pragma once

#include <QString>
#include <optional>

namespace veluma {

// Rounds half away from zero on the value's 15-significant-digit decimal:
// redondear(1.005, 2) is 1.01 and redondear(-2.5, 0) is -3.
double redondear(double valor, int decimales);

// Visual Basic's Format for the masks the program uses, with "," as the
// decimal separator and "." between thousands. An unknown mask throws
// veluma::Error: masks are written in the code, never typed by the user.
QString formatearNumero(double valor, const QString& mascara);

// The number as plain text with "," as decimal point and up to 15
// significant digits, as a box shows an amount: 50, 2,73, -0,5.
QString textoNumero(double valor);

// Reads a number as the user types it: "-1.234,5", "1234,5", ",5".
// Anything else, or an empty text, gives nothing.
std::optional<double> leerNumero(const QString& texto);

// Visual Basic's Val: the leading number of the text, "." as decimal point,
// 0 when there is none. "10,5" gives 10. Throws veluma::Error (6) when the
// number does not fit a double.
double Val(const QString& texto);

}  // namespace veluma
