#pragma once

#include <QString>
#include <QStringList>

namespace veluma {

struct Sesion;

// Whether the file's extension names a format the export writes: .xlsx or
// .csv, in any case.
bool esArchivoDeExportacion(const QString& archivo);

// Exports the session's declaration (`sesion.declaracion`) in the format its
// extension names, .xlsx or .csv in any case: the files written. Throws Error
// with the message to show when it cannot.
QStringList exportarDeclaracion(Sesion& sesion, const QString& archivo);

}  // namespace veluma
