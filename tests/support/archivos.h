#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace veluma::test {

// The whole file, or nothing when it cannot be read.
inline QByteArray leerArchivo(const QString& ruta)
{
    QFile archivo(ruta);
    return archivo.open(QIODevice::ReadOnly) ? archivo.readAll() : QByteArray();
}

}  // namespace veluma::test
