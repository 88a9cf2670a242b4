#pragma once

#include "core/clave_ddjj.h"
#include "core/numeros.h"

namespace veluma {

// A Form 617 declaration keeps its service (306 television, 307 radio) in
// CAMPO1 and repeats it in every row as ImpServicio.
inline int servicioDe(const ClaveDDJJ& clave) { return int(Val(clave.campo1)); }

// Prepares `sql`, whose "%1" stands for the condition that picks the rows of
// a Form 617 declaration (CUIT, period, sequence and service), with those
// four bound as parameters ?1 to ?4. They are numbered, so the statement's
// own parameters may come before the condition: number them from ?6.
inline Statement prepararDe617(Database& base, const QString& sql, const ClaveDDJJ& clave)
{
    Statement consulta =
        base.prepare(sql.arg(QStringLiteral("Cuit=?1 AND Periodo=?2 AND Secuencia=?3 AND ImpServicio=?4")));
    ligarClave(consulta, clave);
    consulta.bind(4, servicioDe(clave));
    return consulta;
}

// The same for the rows of one licence of the declaration: "%1" also picks
// the licence, bound as ?5.
inline Statement prepararDeLicencia(Database& base, const QString& sql, const ClaveDDJJ& clave, qint64 licencia)
{
    Statement consulta = prepararDe617(base, sql.arg(QStringLiteral("%1 AND CodigoLicencia=?5")), clave);
    consulta.bind(5, licencia);
    return consulta;
}

}  // namespace veluma
