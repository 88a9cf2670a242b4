#pragma once

#include "core/clave_ddjj.h"
#include "declarations/formulario.h"
#include "f617/total_a_pagar_617.h"

#include <QString>

namespace veluma {

// Every figure of a Form 617 declaration, read once: the tax of each licence,
// the total to pay, the declaration's time and its verification number.
class Liquidacion617 : public Liquidacion {
public:
    // Throws Error when the rows cannot be read.
    static Liquidacion617 calcular(Database& base, const ClaveDDJJ& clave);

    ClaveDDJJ clave;                          // its CAMPO1 is the service
    QString hora = QStringLiteral("000000");  // the declaration's time, hhmmss
    cls617TotalAPagar total;
    QString numeroVerificacion;  // six digits

    // The declaration's sums over its licences.
    TotalesFacturacion facturacion() const;
    double descuentos() const { return suma(&LicenciaLiquidada::descuentos); }
    double subtotal() const { return suma(&LicenciaLiquidada::subtotal); }
    double impuesto() const { return suma(&LicenciaLiquidada::impuesto); }
    double exento() const { return suma(&LicenciaLiquidada::exento); }

    // Only a declaration whose every licence with concepts has its tax.
    bool admitePresentacion() const override { return !total.licencias.empty() && total.problemas.isEmpty(); }
    QString motivoSinPresentacion() const override { return motivoSinImpresion(); }
    // The licences left out of the total, when there are any.
    QString motivoSinImpresion() const override;
    std::unique_ptr<InterfazRegistros> registros(Sesion& sesion) const override;
    ConfiguracionReporte formularioImpreso(const Sesion& sesion) const override;
    std::vector<CifraLiquidada> cifras() const override;

private:
    double suma(double LicenciaLiquidada::*cifra) const;
};

}  // namespace veluma
