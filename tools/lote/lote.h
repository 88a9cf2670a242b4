#pragma once

#include "opciones_lote.h"

#include <QString>

namespace veluma {
class Instalacion;
class Liquidacion;
class Mensajes;
struct Sesion;
}  // namespace veluma

namespace veluma::lote {

inline constexpr int kSalidaCorrecta = 0;
inline constexpr int kSalidaFallida = 1;
inline constexpr int kSalidaUso = 2;

struct ResultadoLote {
    int codigo = kSalidaFallida;
    // Full path of the submission file written, or of each file exported, one
    // per line; empty when none was.
    QString archivo;
};

// The installation whose program folder is `carpeta`, as the program
// installed there builds it for itself.
Instalacion instalacionDeCarpeta(const QString& carpeta);

// One run: takes the program's single-instance lock, opens the working
// database as start-up does, loads the taxpayer as the main window does,
// generates the declaration's file into the destination folder as the CD
// destination does and, when asked, prints its form to PDF; or imports the
// lines of a CSV file into the declaration. The database is
// closed as the program closes it (compacted and scrambled) whenever it was
// opened. Every message goes through `mensajes`. The forms must be registered.
ResultadoLote ejecutarLote(const OpcionesLote& opciones, Mensajes& mensajes);

// Generates the settled declaration of the session into `carpeta`, as the CD
// destination of the generation screen does. The path of the file written;
// empty, after telling the user why, when none was.
QString generarEnCarpeta(Sesion& sesion, const Liquidacion& liquidacion, const QString& carpeta, Mensajes& mensajes);

}  // namespace veluma::lote
