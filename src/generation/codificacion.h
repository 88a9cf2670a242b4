#pragma once

#include <QDate>
#include <QString>
#include <QVariant>

namespace veluma {

class Instalacion;

// A field of a fixed-width record.
//
// Numeric field (largo != 0): `largo` digits, the last `decimales` of them
// implied decimals, zeros on the left, no sign, point or separators. Numbers
// and texts that read as numbers with "." as decimal point ("1234.5", " -3")
// count as numeric; anything else, the empty text included, and any negative
// value become 0, in `valor` too. Rounds half away from zero on the value's
// 15-significant-digit decimal: 0.005 as (15,2) gives "000000000000001".
// A value needing more than `largo` digits comes out whole, longer.
//
// Text field (largo == 0): the text left-aligned in `decimales` characters,
// blanks on the right; a longer text comes out whole.
QString FormatearCampo(QVariant& valor, int largo, int decimales);

// The CUIT with dashes ("30-70451826-5") when conGuiones != 0, or as eleven
// digits when conGuiones == 0. Null gives an empty text. A CUIT that is not
// valid, or longer than 13 characters once trimmed, comes back as given.
// Otherwise the text as ValidarCuit left it (trimmed, leading zeros gone).
// `cuit` is only read.
QString FormatearCuit(QVariant& cuit, int conGuiones);

// True when `cuit` is eleven digits, or "NN-NNNNNNNN-N", with a correct check
// digit. A numeric text is first normalised in place through its number:
// "020123456786" becomes "20123456786".
//
// The four options are reserved for the CUIT entry control, which tells
// through them what the user may be asked; they do not change the answer.
bool ValidarCuit(QString& cuit, bool opcion1, bool opcion2, bool opcion3, bool opcion4);

// Every control character (code below 32) becomes a blank, so a record stays
// one line of its width. Changes `registro` and returns it.
QString LimpiarCaracteres(QString& registro);

// "yyyyMMdd"; "00000000" for the empty (invalid) date.
QString FormatearFecha(const QDate& fecha);

// The work folder for generated files, created when missing, with its
// trailing separator; empty when it cannot be created.
QString DirectorioWindows(const Instalacion& instalacion);

// The text up to its first NUL character.
QString CortarEnNulo(const QString& texto);

// Drops blanks at the right and ends the path with "/".
void AgregarBarra(QString& ruta);

// The six-character verification number of a declaration: the checksum of
// the CUIT, the period followed by the sequence, the amount with two
// decimals and the time "hhmmss", each as a 15-digit field.
//
// `importe` is the amount as text: with "." as decimal point ("1234.50"), or
// as formatearNumero writes it, with "," as decimal point ("1234,50",
// "1.234,50"). A text that reads as neither counts as 0.
QString CalcularNVerif(const QString& cuit, int periodo, int secuencia, const QString& importe, const QString& hora);

// The last step of CalcularNVerif: the checksum `r` read as unsigned and
// written with six digits; a leading "0" is replaced by the fourth character
// of `hora`. As the checksum never reaches 100000, that always happens.
QString DigitosVerificacion(qint16 r, const QString& hora);

}  // namespace veluma
