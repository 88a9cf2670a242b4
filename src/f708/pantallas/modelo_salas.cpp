#include "f708/pantallas/modelo_salas.h"

namespace veluma {

void ModeloSalas::cambiarFilas(std::vector<Sala> filas)
{
    beginResetModel();
    filas_ = std::move(filas);
    endResetModel();
}

int ModeloSalas::buscar(qint32 codigo) const
{
    for (std::size_t i = 0; i < filas_.size(); ++i)
        if (filas_[i].codigo == codigo)
            return int(i);
    return -1;
}

int ModeloSalas::rowCount(const QModelIndex& padre) const { return padre.isValid() ? 0 : int(filas_.size()); }

int ModeloSalas::columnCount(const QModelIndex& padre) const { return padre.isValid() ? 0 : 2; }

QVariant ModeloSalas::data(const QModelIndex& indice, int rol) const
{
    if (!checkIndex(indice, CheckIndexOption::IndexIsValid) || rol != Qt::DisplayRole)
        return {};
    const Sala& sala = fila(indice.row());
    return indice.column() == 0 ? sala.denominacion : sala.domicilio;
}

QVariant ModeloSalas::headerData(int seccion, Qt::Orientation orientacion, int rol) const
{
    if (orientacion != Qt::Horizontal || rol != Qt::DisplayRole || seccion < 0 || seccion > 1)
        return {};
    return seccion == 0 ? QStringLiteral("Razón Social ") : QStringLiteral("Domicilio");
}

}  // namespace veluma
