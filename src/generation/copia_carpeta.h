#pragma once

#include <QString>

namespace veluma {

class AvisoDeAvance;
class Mensajes;

// Copies `origen` to `destino`, asking first when `destino` exists. The size
// of `origen` once copied; 0 when nothing was copied, the user having said
// No or the copy having failed (the user is told why). The copy is written
// under a temporary name and takes `destino`'s name only when whole, so a
// failure leaves no part of it behind and an earlier `destino` untouched.
qint64 CopyFile(const QString& origen, const QString& destino, Mensajes& mensajes, AvisoDeAvance& avance);

// Progress back to nothing before a copy and after one the user cancelled:
// the bar at 0, the status panel at "0 %", no percentage beside the bar.
void LimpiarProgesoCopia(AvisoDeAvance& avance);

// What the user is told when `carpeta` does not admit writing (a read-only
// disk or folder), before anything is asked or copied.
QString textoDestinoSinEscritura(const QString& carpeta);

// Copies the work folder's submission file into the folder chosen for a CD
// as `nombreDestino`, and tells the user how it ended.
void ViaEstandard(const QString& carpeta, const QString& nombreDestino, const QString& carpetaTrabajo,
                  Mensajes& mensajes, AvisoDeAvance& avance);

}  // namespace veluma
