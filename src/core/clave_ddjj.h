#pragma once

#include "core/database.h"

#include <QString>

namespace veluma {

// The key of one declaration: the taxpayer, the period, the sequence, the form
// and the form's own value kept in CAMPO1 (Form 617 service, Form 618 institute
// code, Form 708 rate). Every query of a declaration's rows binds it.
struct ClaveDDJJ {
    QString cuit;
    int periodo = 0;      // YYYYMM; 0 while no declaration is chosen
    int secuencia = 0;    // 0 original, 1 to 3 rectifying
    int formulario = 0;
    QString campo1{};

    bool elegida() const { return periodo != 0; }
};

// Binds CUIT, period and sequence of `clave` from parameter `desde` on.
inline Statement& ligarClave(Statement& consulta, const ClaveDDJJ& clave, int desde = 1)
{
    consulta.bind(desde, clave.cuit);
    consulta.bind(desde + 1, clave.periodo);
    consulta.bind(desde + 2, clave.secuencia);
    return consulta;
}

}  // namespace veluma
