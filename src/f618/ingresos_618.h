#pragma once

#include "core/clave_ddjj.h"

#include <QString>
#include <vector>

namespace veluma {

class Database;

// The two kinds of income a Form 618 declaration lists day by day.
inline constexpr int kIngresoVentas = 0;
inline constexpr int kIngresoAlquiler = 1;

// "Ingresos por Ventas" or "Ingresos por Alquiler".
QString tituloTipoIngreso(int tipoIngreso);
// "Ventas" or "Alquiler", as the exchanged files name the kind.
QString nombreTipoIngreso(int tipoIngreso);

// What was collected on one day from one kind of income.
struct IngresoDia {
    int tipoIngreso = kIngresoVentas;
    int dia = 0;
    double netoCobrado = 0;
    double totalCobrado = 0;
};

// The daily incomes of a Form 618 declaration. The key is the session's
// declaration with its institute code in `campo1`: declarations of the same
// period that differ in the institute code keep apart rows.
class cls618Ingresos {
public:
    int Dia = 0;
    double NetoCobrado = 0;
    double TotalCobrado = 0;

    // Replaces the day's row of that kind with the object's amounts, or adds
    // it, in one transaction.
    void AgregarIngresos(Database& base, const ClaveDDJJ& clave, int tipoIngreso) const;
    static void EliminarIngresos(Database& base, const ClaveDDJJ& clave, int tipoIngreso, int dia);
    // 0 without rows.
    static double SumarTotalNetoCobrado(Database& base, const ClaveDDJJ& clave, int tipoIngreso);
    // The days of one kind, by day.
    static std::vector<IngresoDia> CargarData(Database& base, const ClaveDDJJ& clave, int tipoIngreso);
    // Every row of the declaration, sales first, each kind by day.
    static std::vector<IngresoDia> GetAllInterfaz(Database& base, const ClaveDDJJ& clave);

    // A kind left without incomes has no videograms: its count becomes 0, and
    // the declaration's perceptions row goes when neither kind has any.
    static void ActualizarTotalPercepcionesEfectuadas(Database& base, const ClaveDDJJ& clave, int tipoIngreso);
};

// A day row as typed, read and checked in the order the screen reports.
struct LecturaIngreso {
    enum class Campo { Ninguno, Dia, Neto, Total };
    int dia = 0;
    double neto = 0;
    double total = 0;
    QString problema;
    Campo campo = Campo::Ninguno;  // where the cursor goes
};
LecturaIngreso leerIngreso(const QString& dia, const QString& neto, const QString& total, int periodo);

// "El día que intenta ingresar ya existe."
QString textoDiaExistente();

// The last day of the month of a YYYYMM period: 29 for 200402, 28 for 200302.
int ultimoDiaDelPeriodo(int periodo);

}  // namespace veluma
