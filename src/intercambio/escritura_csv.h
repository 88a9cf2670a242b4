#pragma once

#include "intercambio/hojas.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

namespace veluma {

// A sheet as CSV: UTF-8 with BOM, ';' between fields, CRLF after each row, the
// titles first; amounts as 1234,50, whole numbers plain, dates DD/MM/YYYY.
QByteArray textoCsv(const Hoja& hoja);

// The file of one sheet for the chosen "X.csv": "X-<sheet>.csv" beside it, the
// sheet's name made safe for a file name.
QString archivoDeHoja(const QString& elegido, const QString& hoja);

// Writes every sheet to its own file; the files written, in sheet order.
// Throws Error when a file cannot be written; an existing file is then left
// as it was.
QStringList escribirCsv(const std::vector<Hoja>& hojas, const QString& elegido);

}  // namespace veluma
