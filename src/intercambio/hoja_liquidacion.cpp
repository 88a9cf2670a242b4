#include "intercambio/hoja_liquidacion.h"

#include "core/error.h"
#include "declarations/formulario.h"

namespace veluma {

Hoja hojaDeLiquidacion(const Formulario& formulario, Sesion& sesion)
{
    Hoja hoja{QStringLiteral("Liquidación"),
              {{QStringLiteral("Concepto"), TipoColumna::Texto}, {QStringLiteral("Importe"), TipoColumna::Importe}},
              {}};
    QString motivo;
    try {
        const std::unique_ptr<Liquidacion> liquidacion = formulario.liquidar(sesion);
        if (liquidacion->admitePresentacion()) {
            for (const CifraLiquidada& cifra : liquidacion->cifras())
                hoja.filas.push_back({cifra.concepto, cifra.importe});
            return hoja;
        }
        motivo = liquidacion->motivoSinPresentacion();
    } catch (const Error& error) {
        // The rows are exported all the same; the sheet says why there are no
        // figures.
        motivo = error.descripcion();
    }
    hoja.filas.push_back({motivo, QVariant()});
    return hoja;
}

}  // namespace veluma
