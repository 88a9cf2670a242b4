#pragma once

#include "generation/interfaz_registros.h"

#include <QString>

namespace veluma {

class EscritorRegistros;
class Liquidacion708;
struct Sesion;

// Writes the F0708 submission records of a settled declaration: 01 header,
// 02 rooms, 03 tickets, 04 payments, 05 and 06 tax per room by week and
// month, 07 balance, 20 fiscal address, 99 closing record. Every figure comes
// from the settlement, which must outlive the builder.
class cls708Interfaz : public InterfazRegistros {
public:
    cls708Interfaz(Sesion& sesion, const Liquidacion708& liquidacion);

    bool GenerarDisquete(const QString& ArchivoTMP, Mensajes& mensajes) override;

private:
    bool GenerarRegistro1(EscritorRegistros& salida);
    bool GenerarRegistro2(EscritorRegistros& salida);
    bool GenerarRegistro3(EscritorRegistros& salida);
    bool GenerarRegistro4(EscritorRegistros& salida);
    bool GenerarRegistro5(EscritorRegistros& salida);
    bool GenerarRegistro6(EscritorRegistros& salida);
    bool GenerarRegistro7(EscritorRegistros& salida);
    bool GenerarRegistro20(EscritorRegistros& salida);
    bool GenerarRegistro99(EscritorRegistros& salida);

    Sesion& sesion_;
    const Liquidacion708& liquidacion_;
};

}  // namespace veluma
