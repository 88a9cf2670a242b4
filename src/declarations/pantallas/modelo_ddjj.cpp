#include "declarations/pantallas/modelo_ddjj.h"

#include "core/numeros.h"

namespace veluma {

void ModeloDDJJ::cambiarFilas(std::vector<FilaDDJJ> filas)
{
    beginResetModel();
    filas_ = std::move(filas);
    endResetModel();
}

int ModeloDDJJ::buscar(int periodo, int secuencia, const QString& campo1) const
{
    for (std::size_t i = 0; i < filas_.size(); ++i)
        if (filas_[i].periodo == periodo && filas_[i].secuencia == secuencia && filas_[i].campo1 == campo1)
            return int(i);
    return -1;
}

int ModeloDDJJ::rowCount(const QModelIndex& padre) const { return padre.isValid() ? 0 : int(filas_.size()); }

int ModeloDDJJ::columnCount(const QModelIndex& padre) const { return padre.isValid() ? 0 : 2; }

QVariant ModeloDDJJ::data(const QModelIndex& indice, int rol) const
{
    if (!checkIndex(indice, CheckIndexOption::IndexIsValid) || rol != Qt::DisplayRole)
        return {};
    const FilaDDJJ& f = fila(indice.row());
    if (indice.column() == 0)
        return formatearNumero(Val(f.periodo1), QStringLiteral("00/0000"));
    return f.secuencia;
}

QVariant ModeloDDJJ::headerData(int seccion, Qt::Orientation orientacion, int rol) const
{
    if (orientacion != Qt::Horizontal || rol != Qt::DisplayRole)
        return {};
    return seccion == 0 ? QStringLiteral("Período Fiscal   ") : QStringLiteral("Secuencia   ");
}

}  // namespace veluma
