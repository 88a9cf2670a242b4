#pragma once

#include "core/clave_ddjj.h"

#include <QString>
#include <vector>

namespace veluma {

class Database;

// The longest partner name the table keeps.
inline constexpr int kLargoNombreSocio = 50;

// A partner of the declaring company, as the list and the file show it.
struct Socio617 {
    qint64 CodigoSocio = 0;
    QString NombreApellido;
    QString CuitSocio;  // as typed in the CUIT box
    double Porcentaje = 0;
};

// One partner of a Form 617 declaration and the rules on the partners' shares.
class cls617CompSocietaria {
public:
    ClaveDDJJ clave;         // the declaration; CAMPO1 is its service
    qint64 CodigoSocio = 0;  // 0 until stored
    QString NombreApellido;
    QString CuitSocio;
    double Porcentaje = 0;

    // Stores the partner; a new one takes the next free code.
    void GuardarSocio(Database& base, bool nuevo);
    void EliminarSocio(Database& base) const;
    // Whether the declaration has a partner with this CUIT.
    bool BuscarDuplicado(Database& base) const;
    // The stored shares with this one: over 100 while typing (`final` false),
    // or under 100 when the composition is closed (`final` true). When
    // `modificando`, the stored share of this partner's CUIT is left out.
    QString ValidarPorcentaje100(Database& base, bool final, bool modificando = false) const;

    // The declaration's partners as stored, and by name for the file.
    static std::vector<Socio617> CargarGrilla(Database& base, const ClaveDDJJ& clave);
    static std::vector<Socio617> GetAllInterfaz(Database& base, const ClaveDDJJ& clave);
    static void EliminarTodos(Database& base, const ClaveDDJJ& clave);
    // Why the declaration's partners do not make up 100 %; empty when they do.
    static QString ValidarTotalPorcentaje(Database& base, const ClaveDDJJ& clave);
};

// A partner as typed, checked in the order the screen reports.
struct LecturaSocio {
    enum class Campo { Ninguno, Cuit, Nombre, Porcentaje };
    cls617CompSocietaria socio;  // the CUIT with its dashes, the name trimmed
    QString problema;
    Campo campo = Campo::Ninguno;
};
// The partner typed for `clave`, and its share against the stored ones. When
// `modificando`, the stored share of the same CUIT is the one being replaced.
LecturaSocio ValidarSocio(Database& base, const ClaveDDJJ& clave, const QString& cuit, const QString& nombre,
                          const QString& porcentaje, bool modificando);

}  // namespace veluma
