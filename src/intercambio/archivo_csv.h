#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace veluma {

// The largest file that is imported; a larger one is refused before it is read.
inline constexpr qint64 kTamanioMaximoCsv = 32 * 1024 * 1024;

// One record of a CSV file and the line of the file where it starts.
struct FilaCsv {
    int linea = 0;
    QStringList campos;  // trimmed
};

// A CSV file as it was read: its records (blank lines left out), the field
// separator and the character set found.
struct TablaCsv {
    QString archivo;
    char separador = ';';
    QString codificacion;  // "UTF-8" or "Windows-1252"
    std::vector<FilaCsv> filas;
};

// Reads a CSV file as spreadsheets save it: comma, semicolon or tab
// separated, quoted as RFC 4180 says, in UTF-8 (with or without BOM) or
// Windows-1252. Throws Error with the reason when the file cannot be read,
// is too large, empty, not text or badly quoted.
TablaCsv leerArchivoCsv(const QString& ruta);

// The same from bytes already read; `nombre` names the file in messages.
TablaCsv leerCsv(const QByteArray& bytes, const QString& nombre);

// "punto y coma", "coma" or "tabulador".
QString nombreDelSeparador(char separador);

}  // namespace veluma
