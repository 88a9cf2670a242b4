#pragma once

#include "f708/impuesto_determinado.h"

#include <QAbstractTableModel>
#include <vector>

namespace veluma {

// The ticket lines of one room and week: sale price ("###.00") and tickets
// ("###,###"), both right-aligned.
class ModeloImpuesto : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void cambiarFilas(std::vector<LineaImpuesto> filas);
    const LineaImpuesto& fila(int indice) const { return filas_.at(std::size_t(indice)); }
    // The row sold at `precioVenta`; -1 when there is none.
    int buscar(double precioVenta) const;

    int rowCount(const QModelIndex& padre = {}) const override;
    int columnCount(const QModelIndex& padre = {}) const override;
    QVariant data(const QModelIndex& indice, int rol = Qt::DisplayRole) const override;
    QVariant headerData(int seccion, Qt::Orientation orientacion, int rol = Qt::DisplayRole) const override;

private:
    std::vector<LineaImpuesto> filas_;
};

}  // namespace veluma
