#pragma once

#include <QString>

namespace veluma {

// The balance of a Form 708 declaration: the tax declared for the month
// minus the payments on account. The figures themselves are the settlement's.
class cls708Saldos {
public:
    // Declared tax minus payments; negative when more was paid.
    static double GetSaldoPendienteIngreso(double TotalImpuestoDeclarado, double TotalPagoCuenta);
    // The message when `AIngresar` is more than `APagar`; empty otherwise.
    static QString ValidarMontoIngresado(double APagar, double AIngresar);
};

}  // namespace veluma
