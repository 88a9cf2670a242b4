#pragma once

#include <QString>

class QFile;

namespace veluma {

// Pushes what was written to the disk itself, so a power cut cannot undo it.
bool sincronizarArchivo(QFile& archivo);
bool sincronizarArchivo(const QString& ruta);
// Makes a rename inside the folder durable.
bool sincronizarCarpeta(const QString& carpeta);

// Declarations are private: the file or folder is left to its owner alone.
bool soloDelPropietario(const QString& ruta);

}  // namespace veluma
