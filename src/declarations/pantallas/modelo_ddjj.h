#pragma once

#include "declarations/ddjj.h"

#include <QAbstractTableModel>
#include <vector>

namespace veluma {

// The manager's read-only list: period as "MM/YYYY" and sequence.
class ModeloDDJJ : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void cambiarFilas(std::vector<FilaDDJJ> filas);
    const FilaDDJJ& fila(int indice) const { return filas_.at(std::size_t(indice)); }
    // The row of a declaration; -1 when the list does not hold it.
    int buscar(int periodo, int secuencia, const QString& campo1) const;

    int rowCount(const QModelIndex& padre = {}) const override;
    int columnCount(const QModelIndex& padre = {}) const override;
    QVariant data(const QModelIndex& indice, int rol = Qt::DisplayRole) const override;
    QVariant headerData(int seccion, Qt::Orientation orientacion, int rol = Qt::DisplayRole) const override;

private:
    std::vector<FilaDDJJ> filas_;
};

}  // namespace veluma
