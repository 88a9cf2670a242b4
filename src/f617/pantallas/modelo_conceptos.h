#pragma once

#include "f617/conceptos_617.h"
#include "pantallas/modelo_filas.h"

namespace veluma {

// A licence's billing by concept: the concept code and its gross billing.
class ModeloConceptos : public ModeloFilas<cls617LicIngresoConceptos> {
    Q_OBJECT
public:
    explicit ModeloConceptos(QObject* parent = nullptr);

    // The row of a concept code; -1 when the list does not hold it.
    int buscar(qint64 concepto) const;

    QVariant data(const QModelIndex& indice, int rol = Qt::DisplayRole) const override;
};

}  // namespace veluma
