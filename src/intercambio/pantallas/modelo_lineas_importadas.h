#pragma once

#include <QAbstractTableModel>

namespace veluma {

class Importacion;

// The preview's list: each line of the file as it will be stored, with the
// reason beside a refused line and what happens to a line already stored.
class ModeloLineasImportadas : public QAbstractTableModel {
public:
    ModeloLineasImportadas(const Importacion& importacion, QObject* parent);

    // Read again after the columns or the choice for stored lines change.
    void actualizar(bool reemplazar);

    int rowCount(const QModelIndex& padre = {}) const override;
    int columnCount(const QModelIndex& padre = {}) const override;
    QVariant headerData(int seccion, Qt::Orientation orientacion, int rol = Qt::DisplayRole) const override;
    QVariant data(const QModelIndex& indice, int rol = Qt::DisplayRole) const override;

private:
    const Importacion& importacion_;
    QStringList titulos_;
    bool reemplazar_ = false;
};

}  // namespace veluma
