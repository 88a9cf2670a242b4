#include "f708/pantallas/modelo_impuesto.h"

#include "core/numeros.h"

#include <cmath>

namespace veluma {

namespace {
constexpr int kDerecha = int(Qt::AlignRight) | int(Qt::AlignVCenter);
}

ModeloImpuesto::ModeloImpuesto(QObject* parent)
    : ModeloFilas({QStringLiteral("Precio Venta "), QStringLiteral("Entradas   ")}, parent)
{
}

int ModeloImpuesto::buscar(double precioVenta) const
{
    // Prices carry at most two decimals: a typed 5,5 is the stored 5.5.
    return buscarFila([precioVenta](const LineaImpuesto& linea) { return std::abs(linea.precioVenta - precioVenta) < 1e-7; });
}

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
    if (orientacion == Qt::Horizontal && rol == Qt::TextAlignmentRole && seccion >= 0 && seccion < columnCount())
        return kDerecha;
    return ModeloFilas::headerData(seccion, orientacion, rol);
}

}  // namespace veluma
