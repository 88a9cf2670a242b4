#pragma once

#include <QString>

namespace veluma {

struct ClaveDDJJ;

// How every printed form writes the values it shares with the others.

// "3 - Original" style text of a sequence.
QString textoSecuenciaImpresa(int secuencia);
// "MM/YYYY" of a period.
QString textoPeriodoImpreso(int periodo);
// An amount with the mask "#,###,###,###,##0.00"; what is not above 0 prints as 0,00.
QString importeImpreso(double importe);
// The program version as "1.00.00".
QString versionImpresa();
// A text inside a quoted selection value: between apostrophes, its own doubled.
QString citado(const QString& texto);
// The selection of a printed form: the declaration's DDJJ row by CUIT,
// period, sequence and form.
QString seleccionDeDeclaracion(const ClaveDDJJ& clave);

}  // namespace veluma
