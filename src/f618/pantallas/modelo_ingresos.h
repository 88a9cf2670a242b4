#pragma once

#include "f618/ingresos_618.h"
#include "pantallas/modelo_filas.h"

namespace veluma {

// The days of one kind of income: day, net and total collected.
class ModeloIngresos : public ModeloFilas<IngresoDia> {
    Q_OBJECT
public:
    explicit ModeloIngresos(QObject* parent = nullptr);

    // The row of `dia`; -1 when there is none.
    int buscar(int dia) const;

    QVariant data(const QModelIndex& indice, int rol = Qt::DisplayRole) const override;
};

}  // namespace veluma
