#include "f618/pantallas/modelo_ingresos.h"

#include "core/numeros.h"

namespace veluma {

ModeloIngresos::ModeloIngresos(QObject* parent)
    : ModeloFilas({QStringLiteral("Día"), QStringLiteral("Neto Cobrado"), QStringLiteral("Total Cobrado")}, parent)
{
}

int ModeloIngresos::buscar(int dia) const
{
    return buscarFila([dia](const IngresoDia& ingreso) { return ingreso.dia == dia; });
}

QVariant ModeloIngresos::data(const QModelIndex& indice, int rol) const
{
    if (!checkIndex(indice, CheckIndexOption::IndexIsValid))
        return {};
    if (rol == Qt::TextAlignmentRole)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (rol != Qt::DisplayRole)
        return {};
    const IngresoDia& ingreso = fila(indice.row());
    switch (indice.column()) {
        case 0: return ingreso.dia;
        case 1: return formatearNumero(ingreso.netoCobrado, QStringLiteral("#,###,###,###,##0.00"));
        default: return formatearNumero(ingreso.totalCobrado, QStringLiteral("#,###,###,###,##0.00"));
    }
}

}  // namespace veluma
