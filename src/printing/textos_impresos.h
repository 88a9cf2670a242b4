#pragma once

#include <QString>

namespace veluma {

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

}  // namespace veluma
