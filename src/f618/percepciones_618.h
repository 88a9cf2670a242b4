#pragma once

#include "core/clave_ddjj.h"

#include <QString>
#include <array>

namespace veluma {

class Database;

// The perceptions of a Form 618 declaration: for sales (V) and rentals (A),
// the videograms, the net collected, the rate in percent and the perception;
// and the total to deposit. Only counts and rates are stored, at most one
// row per declaration; the rest is always computed again.
class cls618TotalPercepciones {
public:
    double VideogramasV = 0;
    double VideogramasA = 0;
    double NetoV = 0;
    double NetoA = 0;
    double TasaV = 0;
    double TasaA = 0;
    double PercepcionV = 0;
    double PercepcionA = 0;
    double TotalADepositar = 0;

    static constexpr double kTasaPorDefecto = 10;

    // The declaration's net collected by kind, its stored counts and rates
    // (the default rate for a kind with incomes and no row; 0 for a kind
    // without incomes) and the perceptions.
    void CargarObjeto(Database& base, const ClaveDDJJ& clave);
    // Sets NetoV and NetoA from the incomes.
    void ObtenerSumaNetoCobrado(Database& base, const ClaveDDJJ& clave);
    // The rest of CargarObjeto, for NetoV and NetoA already known.
    void CargarCantidadesYTasas(Database& base, const ClaveDDJJ& clave);
    // Rate / 100 × net for each kind with videograms and incomes; no rounding.
    void CalcularPercepcion();
    // Replaces the declaration's row with the object's counts and rates, in one transaction.
    void AgregarDatos(Database& base, const ClaveDDJJ& clave) const;
};

// The four boxes as typed, in the order sales count, rental count, sales
// rate, rental rate. An empty box is 0.
struct LecturaPercepciones {
    std::array<double, 4> valores{};
    QString problema;
    int campo = -1;  // the box the cursor goes to
};
LecturaPercepciones leerPercepciones(const std::array<QString, 4>& cajas);

}  // namespace veluma
