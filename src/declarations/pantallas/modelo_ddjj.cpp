#include "declarations/pantallas/modelo_ddjj.h"

#include "core/numeros.h"

namespace veluma {

ModeloDDJJ::ModeloDDJJ(QObject* parent)
    : ModeloFilas({QStringLiteral("Período Fiscal   "), QStringLiteral("Secuencia   ")}, parent)
{
}

int ModeloDDJJ::buscar(int periodo, int secuencia, const QString& campo1) const
{
    return buscarFila([&](const FilaDDJJ& fila) {
        return fila.periodo == periodo && fila.secuencia == secuencia && fila.campo1 == campo1;
    });
}

QVariant ModeloDDJJ::data(const QModelIndex& indice, int rol) const
{
    if (!checkIndex(indice, CheckIndexOption::IndexIsValid) || rol != Qt::DisplayRole)
        return {};
    const FilaDDJJ& f = fila(indice.row());
    if (indice.column() == 0)
        return formatearNumero(Val(f.periodo1), QStringLiteral("00/0000"));
    return f.secuencia;
}

}  // namespace veluma
