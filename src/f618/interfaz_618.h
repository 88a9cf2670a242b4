#pragma once

#include "generation/interfaz_registros.h"

namespace veluma {

class EscritorRegistros;
class Liquidacion618;
struct Sesion;

// Writes the F0618 submission records of a settled declaration: 01 header,
// 02 one per day and kind of income, 03 perceptions of each kind with
// videograms, 04 total, 20 fiscal address, 99 closing record. The settlement
// must outlive the builder.
class cls618Interfaz : public InterfazRegistros {
public:
    cls618Interfaz(Sesion& sesion, const Liquidacion618& liquidacion);

    bool GenerarDisquete(const QString& ArchivoTMP, Mensajes& mensajes) override;

private:
    bool GenerarRegistro1(EscritorRegistros& salida);
    bool GenerarRegistro2(EscritorRegistros& salida);
    bool GenerarRegistro3(EscritorRegistros& salida);
    bool GenerarRegistro4(EscritorRegistros& salida);
    bool GenerarRegistro20(EscritorRegistros& salida);
    bool GenerarRegistro99(EscritorRegistros& salida);

    Sesion& sesion_;
    const Liquidacion618& liquidacion_;
};

}  // namespace veluma
