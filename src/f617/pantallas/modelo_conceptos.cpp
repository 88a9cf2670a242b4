#include "f617/pantallas/modelo_conceptos.h"

#include "core/numeros.h"

namespace veluma {

ModeloConceptos::ModeloConceptos(QObject* parent)
    : ModeloFilas({QStringLiteral("Concepto "), QStringLiteral("Facturación       ")}, parent)
{
}

int ModeloConceptos::buscar(qint64 concepto) const
{
    return buscarFila([concepto](const cls617LicIngresoConceptos& fila) { return fila.Concepto == concepto; });
}

QVariant ModeloConceptos::data(const QModelIndex& indice, int rol) const
{
    if (!checkIndex(indice, CheckIndexOption::IndexIsValid))
        return {};
    if (rol == Qt::TextAlignmentRole)
        return int((indice.column() == 0 ? Qt::AlignHCenter : Qt::AlignRight) | Qt::AlignVCenter);
    if (rol != Qt::DisplayRole)
        return {};
    const cls617LicIngresoConceptos& concepto = fila(indice.row());
    return indice.column() == 0 ? QVariant(concepto.Concepto)
                                : QVariant(formatearNumero(concepto.FacturacionBruta, QStringLiteral("#,###,###,###,##0.00")));
}

}  // namespace veluma
