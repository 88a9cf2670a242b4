#pragma once

#include "core/clave_ddjj.h"
#include "declarations/formulario.h"
#include "f618/ingresos_618.h"
#include "f618/percepciones_618.h"

#include <QString>
#include <vector>

namespace veluma {

// Every figure of a Form 618 declaration, read once: its daily incomes, the
// perceptions and the total to deposit, the declaration's time and its
// verification number.
class Liquidacion618 : public Liquidacion {
public:
    // Throws Error when the rows cannot be read.
    static Liquidacion618 calcular(Database& base, const ClaveDDJJ& clave);

    ClaveDDJJ clave;                          // its CAMPO1 is the institute code
    QString hora = QStringLiteral("000000");  // the declaration's time, hhmmss
    std::vector<IngresoDia> ingresos;         // sales first, each kind by day
    cls618TotalPercepciones percepciones;
    double totalCobradoV = 0;  // sums of TotalCobrado by kind
    double totalCobradoA = 0;
    QString numeroVerificacion;  // six digits

    // The incomes of one kind, by day.
    std::vector<IngresoDia> ingresosDe(int tipoIngreso) const;

    bool admitePresentacion() const override { return !ingresos.empty(); }
    QString motivoSinPresentacion() const override;
    std::unique_ptr<InterfazRegistros> registros(Sesion& sesion) const override;
    ConfiguracionReporte formularioImpreso(const Sesion& sesion) const override;
    std::vector<CifraLiquidada> cifras() const override;
};

}  // namespace veluma
