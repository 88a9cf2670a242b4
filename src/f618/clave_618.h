#pragma once

#include "core/clave_ddjj.h"

namespace veluma {

// Prepares `sql`, whose "%1" stands for the condition that picks a Form 618
// declaration's rows (CUIT, period, sequence and institute code, the
// session's CAMPO1), with those four bound as parameters 1 to 4.
inline Statement prepararDe618(Database& base, const QString& sql, const ClaveDDJJ& clave)
{
    Statement consulta =
        base.prepare(sql.arg(QStringLiteral("Cuit=? AND Periodo=? AND Secuencia=? AND CodInstituto=?")));
    ligarClave(consulta, clave);
    consulta.bind(4, clave.campo1);
    return consulta;
}

}  // namespace veluma
