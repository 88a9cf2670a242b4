#pragma once

namespace veluma {

class ReporteArmado;

// Result codes of a print job. Besides kImpresionCorrecta, the print screen
// takes kImpresionTerminada as a finished job too; any other code is a failure.
inline constexpr int kImpresionCorrecta = 0;
inline constexpr int kImpresionFallida = 1;
inline constexpr int kImpresionTerminada = 20520;

// One copy of the report on the system's default printer, without asking.
// kImpresionFallida when there is no default printer or it refuses the job.
int imprimirEnPredeterminada(const ReporteArmado& reporte);

}  // namespace veluma
