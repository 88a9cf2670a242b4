#pragma once

#include "core/instalacion.h"

#include <QString>

namespace veluma {

class Database;

// Opening of the working database and its scrambling at rest.
class clsInicio {
public:
    clsInicio(const Instalacion& instalacion, const QString& clave);

    // How the file is expected to rest: scrambled, as every closing leaves
    // it, or plain, as a database just created.
    enum class Reposo { Mezclada, Plana };

    // Opens the file of the program folder into `base`. Every attempt derives
    // the key once, so the file is first tried in the state it is expected to
    // rest in and, when it reads as no database, in the other one. A missing
    // file, a folder or a file another process is using is reported before
    // the file is touched; when nothing opens, the file is put back as it was
    // and the engine's error is thrown.
    void AbrirBase(const QString& nombreArchivo, Database& base, Reposo reposo = Reposo::Mezclada);

    // 1 when the file was in the state expected, 2 when it was in the other.
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
