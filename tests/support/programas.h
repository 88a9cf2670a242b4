#pragma once

#include "support/archivos.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace veluma::test {

// Programs made for one test, in a folder of their own that is put first on PATH (or alone on it) while the object
// lives, so that the code under test starts them instead of the desktop's.
class ProgramasDePrueba {
public:
    explicit ProgramasDePrueba(bool soloEstos = false) : anterior_(qgetenv("PATH"))
    {
        const QByteArray carpeta = QFile::encodeName(carpeta_.path());
        qputenv("PATH", soloEstos ? carpeta : carpeta + ':' + anterior_);
    }
    ~ProgramasDePrueba() { qputenv("PATH", anterior_); }
    ProgramasDePrueba(const ProgramasDePrueba&) = delete;
    ProgramasDePrueba& operator=(const ProgramasDePrueba&) = delete;

    // A program that writes the arguments it gets, one a line, for argumentos().
    void crear(const QString& nombre)
    {
        const QString ruta = carpeta_.filePath(nombre);
        escribirArchivo(ruta, "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + QFile::encodeName(ruta) + ".corrio'\n");
        QFile::setPermissions(ruta, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // What the program was started with ("\n" without arguments), waiting up to ten seconds for it to run; empty
    // when it did not.
    QByteArray argumentos(const QString& nombre) const
    {
        const QString salida = carpeta_.filePath(nombre + ".corrio");
        const QDeadlineTimer limite(10000);
        while (!QFile::exists(salida) && !limite.hasExpired())
            QTest::qWait(20);
        QTest::qWait(50);  // it may still be writing
        return leerArchivo(salida);
    }
    bool corrio(const QString& nombre) const { return QFile::exists(carpeta_.filePath(nombre + ".corrio")); }

private:
    QTemporaryDir carpeta_;
    QByteArray anterior_;
};

}  // namespace veluma::test
