#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <vector>

namespace veluma {

// A read-only list of rows read by the core, shown under fixed column
// captions. A screen's model only says what each cell shows.
template <class Fila>
class ModeloFilas : public QAbstractTableModel {
public:
    ModeloFilas(QStringList titulos, QObject* parent) : QAbstractTableModel(parent), titulos_(std::move(titulos)) {}

    void cambiarFilas(std::vector<Fila> filas)
    {
        beginResetModel();
        filas_ = std::move(filas);
        endResetModel();
    }
    const Fila& fila(int indice) const { return filas_.at(std::size_t(indice)); }

    int rowCount(const QModelIndex& padre = {}) const override { return padre.isValid() ? 0 : int(filas_.size()); }
    int columnCount(const QModelIndex& padre = {}) const override { return padre.isValid() ? 0 : int(titulos_.size()); }
    QVariant headerData(int seccion, Qt::Orientation orientacion, int rol = Qt::DisplayRole) const override
    {
        if (orientacion != Qt::Horizontal || rol != Qt::DisplayRole || seccion < 0 || seccion >= titulos_.size())
            return {};
        return titulos_.at(seccion);
    }

protected:
    // The first row `cumple` accepts; -1 when none does.
    template <class Condicion>
    int buscarFila(Condicion cumple) const
    {
        for (std::size_t i = 0; i < filas_.size(); ++i)
            if (cumple(filas_[i]))
                return int(i);
        return -1;
    }

private:
    QStringList titulos_;
    std::vector<Fila> filas_;
};

}  // namespace veluma
