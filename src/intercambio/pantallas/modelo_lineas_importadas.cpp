#include "intercambio/pantallas/modelo_lineas_importadas.h"

#include "intercambio/importacion.h"

#include <QBrush>

namespace veluma {

ModeloLineasImportadas::ModeloLineasImportadas(const Importacion& importacion, QObject* parent)
    : QAbstractTableModel(parent), importacion_(importacion)
{
    titulos_ += QStringLiteral("Línea");
    for (const CampoImportacion& campo : importacion.importador().campos())
        titulos_ += campo.titulo;
    titulos_ += QStringLiteral("Observación");
}

void ModeloLineasImportadas::actualizar(bool reemplazar)
{
    beginResetModel();
    reemplazar_ = reemplazar;
    endResetModel();
}

int ModeloLineasImportadas::rowCount(const QModelIndex& padre) const
{
    return padre.isValid() ? 0 : int(importacion_.lineas().size());
}

int ModeloLineasImportadas::columnCount(const QModelIndex& padre) const
{
    return padre.isValid() ? 0 : int(titulos_.size());
}

QVariant ModeloLineasImportadas::headerData(int seccion, Qt::Orientation orientacion, int rol) const
{
    if (orientacion != Qt::Horizontal || rol != Qt::DisplayRole || seccion < 0 || seccion >= titulos_.size())
        return {};
    return titulos_.at(seccion);
}

QVariant ModeloLineasImportadas::data(const QModelIndex& indice, int rol) const
{
    if (!indice.isValid())
        return {};
    const LineaImportada& linea = importacion_.lineas().at(std::size_t(indice.row()));
    const bool rechazada = !linea.leida.problema.isEmpty();
    const int observacion = int(titulos_.size()) - 1;
    if (rol == Qt::ForegroundRole && rechazada)
        return QBrush(Qt::darkRed);
    if (rol == Qt::TextAlignmentRole && indice.column() == 0)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (rol != Qt::DisplayRole && rol != Qt::ToolTipRole)
        return {};
    if (indice.column() == 0)
        return linea.linea;
    if (indice.column() == observacion) {
        if (rechazada)
            return linea.leida.problema;
        if (linea.yaCargada)
            return reemplazar_ ? QStringLiteral("Ya cargada: se reemplaza") : QStringLiteral("Ya cargada: se deja");
        return {};
    }
    return linea.leida.mostrada.value(indice.column() - 1);
}

}  // namespace veluma
