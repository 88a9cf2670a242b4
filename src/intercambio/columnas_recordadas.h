#pragma once

#include <QString>
#include <QStringList>

namespace veluma {

class Instalacion;

// The columns last chosen for a file without titles, by section: the field
// key of each file column, empty for a column not used. Kept in veluma.ini,
// so the next file of the same shape opens with them.
QStringList columnasRecordadas(const Instalacion& instalacion, const QString& seccion);
// Throws Error when veluma.ini cannot be written.
void recordarColumnas(const Instalacion& instalacion, const QString& seccion, const QStringList& claves);

}  // namespace veluma
