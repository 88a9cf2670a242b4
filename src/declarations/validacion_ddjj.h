#pragma once

#include <QString>

namespace veluma {

class Formulario;

// What the user typed in the manager's data area.
struct DatosDDJJ {
    QString mes;
    QString anio;
    int secuencia = 0;  // position in the sequence list; -1 when none is chosen
    QString campo1;     // the form value as typed (for options, the chosen option's value)
};

enum class CampoDDJJ { Ninguno, Mes, Anio, Secuencia, Campo1 };

struct ResultadoValidacion {
    QString mensaje;                      // lines separated by a carriage return
    CampoDDJJ foco = CampoDDJJ::Ninguno;  // where the cursor goes
    bool valido() const { return mensaje.isEmpty(); }
};

// The checks made before a declaration of `formulario` is stored, messages
// accumulated in their fixed order.
ResultadoValidacion ValidarDatos(const Formulario& formulario, const DatosDDJJ& datos);

// Told when a period comes before the form's first one.
QString textoPeriodoMinimo(const Formulario& formulario);

// Val of the year followed by the month written with two digits: "2004" and
// "5" give 200405; an empty month gives 2004.
int periodoDeTexto(const QString& anio, const QString& mes);

}  // namespace veluma
