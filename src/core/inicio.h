#pragma once

#include "core/instalacion.h"

#include <QString>

namespace veluma {

class Database;

// Opening of the working database and its scrambling at rest.
class clsInicio {
public:
    clsInicio(const Instalacion& instalacion, const QString& clave);

    // Opens the file of the program folder into `base`. A file that does not
    // open as a database is unscrambled and tried again, up to three times;
    // when the fourth attempt fails too, the file is put back as it was and
    // the engine's error is thrown.
    void AbrirBase(const QString& nombreArchivo, Database& base);

    // 1 when the file opened at once, 2 when it rested scrambled.
    int intentosUltimaApertura() const { return intentos_; }

    // Toggles the scrambling of the file: the bytes at 1-based positions 1,
    // 11, ... 391 are combined with a fixed key. Its own inverse. Bytes past
    // the end of a short file are left alone; the file never grows.
    static void EncriptaDesencripta(const QString& ruta);

    static constexpr unsigned char kClaveMezcla = 0xA7;

private:
    Instalacion instalacion_;
    QString clave_;
    int intentos_ = 0;
};

}  // namespace veluma
