#include "f708/saldos.h"

#include "core/database.h"
#include "core/numeros.h"
#include "f708/clave_708.h"
#include "f708/impuesto_determinado.h"
#include "generation/codificacion.h"

namespace veluma {

double cls708Saldos::GetImpuestoDeclarado(Database& base, const ClaveDDJJ& clave, double alicuota)
{
    return cls708ImpuestoDeterminado::TotalImpuestoMes(base, clave, 0, alicuota);
}

double cls708Saldos::GetImportePagosCuenta(Database& base, const ClaveDDJJ& clave)
{
    Statement consulta =
        base.prepare(QStringLiteral("SELECT sum(SEMANA1 + SEMANA2 + SEMANA3 + SEMANA4) AS Importe "
                                    "FROM [708PagoCuenta] WHERE CUIT=? AND PERIODO=? AND SECUENCIA=?"));
    ligarClave(consulta, clave);
    return consulta.next() ? consulta.real(0).value_or(0) : 0;
}

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

Saldos708 calcularSaldos708(Database& base, const ClaveDDJJ& clave, double alicuota)
{
    Saldos708 saldos;
    saldos.impuestoDeclarado = cls708Saldos::GetImpuestoDeclarado(base, clave, alicuota);
    saldos.pagosCuenta = cls708Saldos::GetImportePagosCuenta(base, clave);
    saldos.saldoPendiente = cls708Saldos::GetSaldoPendienteIngreso(saldos.impuestoDeclarado, saldos.pagosCuenta);
    return saldos;
}

QString horaDeclaracion(Database& base, const ClaveDDJJ& clave)
{
    const std::optional<QDateTime> hora = clsDDJJ::ObtenerHoraDDJJ(base, clave);
    return hora ? hora->toString(QStringLiteral("HHmmss")) : QStringLiteral("000000");
}

QString numeroVerificacion708(Database& base, const ClaveDDJJ& clave, double saldoPendiente)
{
    return CalcularNVerif(clave.cuit, clave.periodo, clave.secuencia,
                          formatearNumero(saldoPendiente, QStringLiteral("0.00")), horaDeclaracion(base, clave));
}

}  // namespace veluma
