#pragma once

#include "f708/salas.h"

#include <QAbstractTableModel>
#include <vector>

namespace veluma {

// The rooms list: name and address, in the order they were read.
class ModeloSalas : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void cambiarFilas(std::vector<Sala> filas);
    const Sala& fila(int indice) const { return filas_.at(std::size_t(indice)); }
    // The row of a room code; -1 when the list does not hold it.
    int buscar(qint32 codigo) const;

    int rowCount(const QModelIndex& padre = {}) const override;
    int columnCount(const QModelIndex& padre = {}) const override;
    QVariant data(const QModelIndex& indice, int rol = Qt::DisplayRole) const override;
    QVariant headerData(int seccion, Qt::Orientation orientacion, int rol = Qt::DisplayRole) const override;

private:
    std::vector<Sala> filas_;
};

}  // namespace veluma
