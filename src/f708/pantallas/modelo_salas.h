#pragma once

#include "f708/salas.h"
#include "pantallas/modelo_filas.h"

namespace veluma {

// The rooms list: name and address, in the order they were read.
class ModeloSalas : public ModeloFilas<Sala> {
    Q_OBJECT
public:
    explicit ModeloSalas(QObject* parent = nullptr);

    // The row of a room code; -1 when the list does not hold it.
    int buscar(qint32 codigo) const;

    QVariant data(const QModelIndex& indice, int rol = Qt::DisplayRole) const override;
};

}  // namespace veluma
