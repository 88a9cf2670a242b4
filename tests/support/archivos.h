#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

namespace veluma::test {

// The whole file, or nothing when it cannot be read.
inline QByteArray leerArchivo(const QString& ruta)
{
    QFile archivo(ruta);
    return archivo.open(QIODevice::ReadOnly) ? archivo.readAll() : QByteArray();
}

inline void escribirArchivo(const QString& ruta, const QByteArray& contenido)
{
    QFile archivo(ruta);
    ASSERT_TRUE(archivo.open(QIODevice::WriteOnly | QIODevice::Truncate)) << ruta.toStdString();
    archivo.write(contenido);
}

// Every entry of the folder, hidden ones too, by name.
inline QStringList archivosEn(const QString& carpeta)
{
    return QDir(carpeta).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

}  // namespace veluma::test
