#include "f708/saldos.h"

namespace veluma {

double cls708Saldos::GetSaldoPendienteIngreso(double TotalImpuestoDeclarado, double TotalPagoCuenta)
{
    return TotalImpuestoDeclarado - TotalPagoCuenta;
}

QString cls708Saldos::ValidarMontoIngresado(double APagar, double AIngresar)
{
    if (APagar < AIngresar)
        return QStringLiteral("El Monto a Ingresar no debe superar al Saldo Pendiente de Ingreso");
    return {};
}

}  // namespace veluma
