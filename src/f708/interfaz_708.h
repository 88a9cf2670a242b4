#pragma once

#include "declarations/ddjj.h"
#include "generation/interfaz_registros.h"

#include <QString>
#include <array>
#include <optional>

namespace veluma {

class EscritorRegistros;
struct Sesion;

// Writes the F0708 submission records of the session's declaration: 01
// header, 02 rooms, 03 tickets, 04 payments, 05 and 06 tax per room by week
// and month, 07 balance, 20 fiscal address, 99 closing record.
class cls708Interfaz : public InterfazRegistros {
public:
    // `saldoPendiente` is the balance as the balance screen computes it
    // (declared tax at the manager's rate minus payments; may be negative).
    cls708Interfaz(Sesion& sesion, double saldoPendiente);

    bool GenerarDisquete(const QString& ArchivoTMP, Mensajes& mensajes) override;

    // Registers this builder with the generation driver, computing the
    // balance at the declaration's stored rate when no screen passes one.
    static void registrar();

private:
    // What several records carry, read once before the first is written:
    // the rate, the payments row, the taxpayer's activity and address block.
    void leerDatosComunes();
    // Records 05 (one a room and week) and 06 (one a room): the room's tax.
    bool escribirImpuestoDeSalas(EscritorRegistros& salida, bool porSemana);

    bool GenerarRegistro1(EscritorRegistros& salida);
    bool GenerarRegistro2(EscritorRegistros& salida);
    bool GenerarRegistro3(EscritorRegistros& salida);
    bool GenerarRegistro4(EscritorRegistros& salida);
    bool GenerarRegistro5(EscritorRegistros& salida);
    bool GenerarRegistro6(EscritorRegistros& salida);
    bool GenerarRegistro7(EscritorRegistros& salida);
    bool GenerarRegistro20(EscritorRegistros& salida);
    bool GenerarRegistro99(EscritorRegistros& salida);

    Sesion& sesion_;
    const ClaveDDJJ clave_;
    double saldoPendiente_;
    double alicuota_ = 0;
    std::optional<std::array<double, 4>> pagos_;
    QString actividad_;
    QString domicilioSAD_;
    QString NroVerificador;
};

// The balance the builder needs, computed as the balance screen does from
// the rate `alicuota`.
double saldoParaGeneracion(Sesion& sesion, double alicuota);

}  // namespace veluma
