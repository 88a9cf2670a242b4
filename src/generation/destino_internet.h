#pragma once

#include <QString>

namespace veluma {

class AvisoDeAvance;
class Instalacion;
class Mensajes;

// Encodes `archivo`, a bare name in `carpetaTrabajo`, for presentation through
// the Internet. The bare name of the encoded file produced beside it; empty
// when the encoder failed, the user told and `archivo` deleted. `archivo`
// itself is kept aside while the encoder runs and put back after.
QString EncriptarFileWin(const Instalacion& instalacion, const QString& carpetaTrabajo, const QString& archivo,
                         Mensajes& mensajes);

// Copies the encoded file `producido` of `carpetaTrabajo` into `carpeta` as
// the first 11 characters of `nombreDestino` followed by `producido`'s
// extension, tells the user how it ended, and removes `producido` once copied.
void ViaInternet(const QString& carpeta, const QString& nombreDestino, const QString& carpetaTrabajo,
                 const QString& producido, Mensajes& mensajes, AvisoDeAvance& avance);

}  // namespace veluma
