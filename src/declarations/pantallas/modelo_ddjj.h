#pragma once

#include "declarations/ddjj.h"
#include "pantallas/modelo_filas.h"

namespace veluma {

// The manager's read-only list: period as "MM/YYYY" and sequence.
class ModeloDDJJ : public ModeloFilas<FilaDDJJ> {
    Q_OBJECT
public:
    explicit ModeloDDJJ(QObject* parent = nullptr);

    // The row of a declaration; -1 when the list does not hold it.
    int buscar(int periodo, int secuencia, const QString& campo1) const;

    QVariant data(const QModelIndex& indice, int rol = Qt::DisplayRole) const override;
};

}  // namespace veluma
