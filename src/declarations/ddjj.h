#pragma once

#include "core/clave_ddjj.h"

#include <QDateTime>
#include <QString>
#include <optional>
#include <vector>

namespace veluma {

class Database;
class Mensajes;

// One row of DDJJ as the declaration list shows it.
struct FilaDDJJ {
    QString periodo1;  // month then year: 199412 gives "121994"
    QString cuit;
    int periodo = 0;
    int secuencia = 0;
    int formulario = 0;
    QString campo1;
    QDateTime hora;
};

// The DDJJ row of a declaration and everything the form tables hold for it.
class clsDDJJ {
public:
    // The declarations of Cuit and Formulario, newest period first, then
    // highest sequence first.
    std::vector<FilaDDJJ> Cargar(Database& base) const;

    QString Cuit;
    int Periodo = 0;
    int Secuencia = 0;
    int Formulario = 0;
    QString campo1;
    QDateTime hora;

    // Stores the row. Empty on success; the duplicate message when the key
    // exists. Any other failure is thrown (DbError), never reported as success.
    QString Agregar(Database& base) const;

    // True when no declaration with this CUIT, period, sequence and form exists
    // (CAMPO1 not compared); otherwise tells the user and answers false.
    bool BuscarDDJJ(Database& base, Mensajes& mensajes) const;

    // Deletes the DDJJ row and the rows of the form's tables, all in one transaction.
    // Empty on success, else the failure's description (nothing deleted).
    static QString Eliminar(Database& base, const QString& cuit, int periodo, int secuencia, int formulario,
                            const QString& campo1);

    // Val of CAMPO1: "10,5" gives 10.
    static double ObtenerAlicuota(Database& base, const ClaveDDJJ& clave);
    static std::optional<QDateTime> ObtenerHoraDDJJ(Database& base, const ClaveDDJJ& clave);
    // The HORA of the declaration whose CAMPO1 is the key's, for a form whose
    // value tells declarations of one period and sequence apart.
    static std::optional<QDateTime> ObtenerHoraDelValor(Database& base, const ClaveDDJJ& clave);

    // Both of the above in one read, for a settlement.
    struct AlicuotaYHora {
        double alicuota = 0;
        std::optional<QDateTime> hora;
    };
    static AlicuotaYHora ObtenerAlicuotaYHora(Database& base, const ClaveDDJJ& clave);
};

// "La Declaración Jurada que intenta ingresar ya existe."
QString textoDDJJExistente();

}  // namespace veluma
