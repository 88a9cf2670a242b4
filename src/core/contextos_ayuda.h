#pragma once

namespace veluma {

// Help contexts: each is the anchor "contexto<N>" of the help document.
inline constexpr int kAyudaAvisoInicio = 1;
inline constexpr int kAyudaPrincipal = 2;
inline constexpr int kAyudaDDJJ = 3;
inline constexpr int kAyudaCopiaDDJJ = 4;
inline constexpr int kAyudaRespaldo = 5;
inline constexpr int kAyudaAcerca = 6;
inline constexpr int kAyudaGenerar = 7;
inline constexpr int kAyudaImpresion = 8;
inline constexpr int kAyudaSalas708 = 9;
inline constexpr int kAyudaImpuestoDeterminado708 = 10;
inline constexpr int kAyudaPagoCuenta708 = 11;
inline constexpr int kAyudaSaldos708 = 12;
inline constexpr int kAyudaIngresos618 = 13;
inline constexpr int kAyudaPercepciones618 = 14;
inline constexpr int kAyudaTotalADepositar618 = 15;
inline constexpr int kAyudaCompSocietaria617 = 23;
inline constexpr int kAyudaLicencias617 = 24;
inline constexpr int kAyudaDetalleLicencia617 = 25;
inline constexpr int kAyudaIngresosConceptos617 = 26;
inline constexpr int kAyudaTotalLicencias617 = 27;
inline constexpr int kAyudaTotalAPagar617 = 28;
inline constexpr int kAyudaImportar = 40;
inline constexpr int kAyudaExportar = 41;

}  // namespace veluma
