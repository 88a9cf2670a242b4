#pragma once

#include "core/clave_ddjj.h"

#include <QString>
#include <array>
#include <optional>

namespace veluma {

class Database;

// The four weekly payments on account of a Form 708 declaration: at most
// one row per declaration.
class cls708PagoCuenta {
public:
    QString Cuit;
    qint32 Periodo = 0;
    qint16 Secuencia = 0;
    double Semana1 = 0;  // currency: four decimals kept
    double Semana2 = 0;
    double Semana3 = 0;
    double Semana4 = 0;

    // The declaration's row; the key and four zeros when there is none.
    void GetPago(Database& base, const ClaveDDJJ& clave);
    // Replaces the declaration's row with the object's, in one transaction:
    // a failure leaves the earlier payments as they were. Empty when saved;
    // otherwise the message to show.
    QString Agregar(Database& base) const;
    static void Eliminar(Database& base, const ClaveDDJJ& clave);

    // The four amounts of the declaration's row, week 1 first; nothing when
    // the declaration has no row.
    static std::optional<std::array<double, 4>> GetPagoInterfaz(Database& base, const ClaveDDJJ& clave);

    std::array<double, 4> semanas() const { return {Semana1, Semana2, Semana3, Semana4}; }
};

// A week box as typed: empty is 0; otherwise a non-negative amount with at
// most four decimals. `problema` names the week when it cannot be read.
struct LecturaPagos {
    std::array<double, 4> semanas{};
    QString problema;
};
LecturaPagos leerPagos(const std::array<QString, 4>& cajas);

}  // namespace veluma
