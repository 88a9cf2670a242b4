#pragma once

#include <QString>
#include <optional>

namespace veluma {

// What the user typed in the manager's data area.
struct DatosDDJJ {
    QString mes;
    QString anio;
    int secuencia = 0;  // position in the sequence list; -1 when none is chosen
    QString campo1;     // Form 618 institute code or Form 708 rate, as typed
};

enum class CampoDDJJ { Ninguno, Mes, Anio, Secuencia, Campo1 };

struct ResultadoValidacion {
    QString mensaje;                      // lines separated by a carriage return
    CampoDDJJ foco = CampoDDJJ::Ninguno;  // where the cursor goes
    bool valido() const { return mensaje.isEmpty(); }
};

// The checks made before a declaration is stored, messages accumulated in
// their fixed order.
ResultadoValidacion ValidarDatos(int formulario, const DatosDDJJ& datos);

// Val of the year followed by the month written with two digits: "2004" and
// "5" give 200405; an empty month gives 2004.
int periodoDeTexto(const QString& anio, const QString& mes);

// The rate as the user types it ("10,5"); nothing when it is not a number of
// at most two decimals between 0 and 100.
std::optional<double> leerAlicuota(const QString& texto);

// The rate a Form 708 screen computes with, from the manager's field as it
// shows it ("10,00"); Val of the text when it does not read as a rate.
double alicuotaDelCampo(const QString& texto);

// The CAMPO1 stored for a form value: the rate as a number Val reads back
// whole ("10.5"); the institute code trimmed when it is numeric, as typed otherwise.
QString campo1DeTexto(int formulario, const QString& texto);

}  // namespace veluma
