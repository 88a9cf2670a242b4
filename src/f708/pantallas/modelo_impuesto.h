#pragma once

#include "f708/impuesto_determinado.h"
#include "pantallas/modelo_filas.h"

namespace veluma {

// The ticket lines of one room and week: sale price ("###.00") and tickets
// ("###,###"), both right-aligned.
class ModeloImpuesto : public ModeloFilas<LineaImpuesto> {
    Q_OBJECT
public:
    explicit ModeloImpuesto(QObject* parent = nullptr);

    // The row sold at `precioVenta`; -1 when there is none.
    int buscar(double precioVenta) const;

    QVariant data(const QModelIndex& indice, int rol = Qt::DisplayRole) const override;
    QVariant headerData(int seccion, Qt::Orientation orientacion, int rol = Qt::DisplayRole) const override;
};

}  // namespace veluma
