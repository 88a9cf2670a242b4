#pragma once

#include "declarations/ddjj.h"

#include <QString>

namespace veluma {

class Database;

// The balance of a Form 708 declaration: the tax declared for the month
// minus the payments on account.
class cls708Saldos {
public:
    QString Cuit;
    qint32 Periodo = 0;
    qint16 Secuencia = 0;

    // Every room's month total at the given rate.
    static double GetImpuestoDeclarado(Database& base, const ClaveDDJJ& clave, double alicuota);
    // The sum of the four weeks; 0 without a payments row.
    static double GetImportePagosCuenta(Database& base, const ClaveDDJJ& clave);
    // Declared tax minus payments; negative when more was paid.
    static double GetSaldoPendienteIngreso(double TotalImpuestoDeclarado, double TotalPagoCuenta);
    // The message when `aIngresar` is more than `aPagar`; empty otherwise.
    static QString ValidarMontoIngresado(double APagar, double AIngresar);
};

// The three amounts the balance screen shows, computed as it computes them.
struct Saldos708 {
    double impuestoDeclarado = 0;
    double pagosCuenta = 0;
    double saldoPendiente = 0;  // may be negative

    // What the balance boxes show: the amount when above 0, else 0.
    double saldoMostrado() const { return saldoPendiente > 0 ? saldoPendiente : 0; }
    bool habilitaFormularioYGeneracion() const { return impuestoDeclarado > 0; }
};
Saldos708 calcularSaldos708(Database& base, const ClaveDDJJ& clave, double alicuota);

// The declaration's time as "hhmmss"; "000000" when it has none.
QString horaDeclaracion(Database& base, const ClaveDDJJ& clave);

// The verification number printed on the form and written in the header
// record: from the key, the balance with two decimals and the time.
QString numeroVerificacion708(Database& base, const ClaveDDJJ& clave, double saldoPendiente);

}  // namespace veluma
