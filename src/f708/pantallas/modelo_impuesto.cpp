#include "f708/pantallas/modelo_impuesto.h"

#include "core/numeros.h"

#include <cmath>

namespace veluma {

namespace {
constexpr int kDerecha = int(Qt::AlignRight) | int(Qt::AlignVCenter);
}

void ModeloImpuesto::cambiarFilas(std::vector<LineaImpuesto> filas)
{
    beginResetModel();
    filas_ = std::move(filas);
    endResetModel();
}

int ModeloImpuesto::buscar(double precioVenta) const
{
    // Prices carry at most two decimals: a typed 5,5 is the stored 5.5.
    for (std::size_t i = 0; i < filas_.size(); ++i)
        if (std::abs(filas_[i].precioVenta - precioVenta) < 1e-7)
            return int(i);
    return -1;
}

int ModeloImpuesto::rowCount(const QModelIndex& padre) const { return padre.isValid() ? 0 : int(filas_.size()); }

int ModeloImpuesto::columnCount(const QModelIndex& padre) const { return padre.isValid() ? 0 : 2; }

QVariant ModeloImpuesto::data(const QModelIndex& indice, int rol) const
{
    if (!checkIndex(indice, CheckIndexOption::IndexIsValid))
        return {};
    if (rol == Qt::TextAlignmentRole)
        return kDerecha;
    if (rol != Qt::DisplayRole)
        return {};
    const LineaImpuesto& linea = fila(indice.row());
    if (indice.column() == 0)
        return formatearNumero(linea.precioVenta, QStringLiteral("###.00"));
    return formatearNumero(linea.entradas, QStringLiteral("###,###"));
}

QVariant ModeloImpuesto::headerData(int seccion, Qt::Orientation orientacion, int rol) const
{
    if (orientacion != Qt::Horizontal || seccion < 0 || seccion > 1)
        return {};
    if (rol == Qt::TextAlignmentRole)
        return kDerecha;
    if (rol != Qt::DisplayRole)
        return {};
    return seccion == 0 ? QStringLiteral("Precio Venta ") : QStringLiteral("Entradas   ");
}

}  // namespace veluma
