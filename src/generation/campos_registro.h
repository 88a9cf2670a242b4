#pragma once

#include <QString>

namespace veluma {

struct ClaveDDJJ;

// The fields every record builder writes.

// N(largo, decimales): digits only, zeros on the left.
QString numerico(double valor, int largo, int decimales);
// T(largo): the text blank-padded on the right.
QString texto(const QString& valor, int largo);
// The program version of header records: "0100000" for 1.0.0.
QString versionDelArchivo();

// Record 01 of a declaration's file: its key, the tax code (`impuesto`,
// "304"), the form ("0708"), the taxpayer's activity code, the verification
// number and the declaration's time (hhmmss).
QString cabeceraDeclaracion(const ClaveDDJJ& clave, const QString& impuesto, const QString& formulario,
                            const QString& actividad, const QString& nroVerificador, const QString& hora);

}  // namespace veluma
