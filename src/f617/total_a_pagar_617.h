#pragma once

#include "core/clave_ddjj.h"
#include "f617/conceptos_617.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace veluma {

// The tax of one licence that has concepts billed.
struct LicenciaLiquidada {
    qint64 codigo = 0;
    QString razonSocial;
    int tipoServicio = 0;
    TotalesFacturacion facturacion;
    double descuentos = 0;
    double subtotal = 0;  // gross billing less discounts, not below 0
    double alicuota = 0;  // in percent
    double impuesto = 0;  // the rate applied to the subtotal, not rounded
    int exencion = 0;     // the exemption's catalogue code, 0 none
    qint64 numeroExencion = 0;
    qint64 articulo = 0;
    double porcentajeExento = 0;
    double exento = 0;
    double total() const { return impuesto - exento; }
};

// The total to pay of a whole Form 617 declaration: the tax of every licence
// with concepts less its exempt amount. A licence whose tax cannot be told
// (no licence row, no totals, no service type in force in the period) is
// left out of the total and named in `problemas`.
class cls617TotalAPagar {
public:
    std::vector<LicenciaLiquidada> licencias;  // by code
    QStringList problemas;
    double TotalAPagar = 0;  // not rounded, and negative when the exempt amounts exceed the taxes

    // Throws Error when the rows cannot be read.
    void CargarDatos(Database& base, const ClaveDDJJ& clave);
};

}  // namespace veluma
