#include "f708/pantallas/modelo_salas.h"

namespace veluma {

ModeloSalas::ModeloSalas(QObject* parent)
    : ModeloFilas({QStringLiteral("Razón Social "), QStringLiteral("Domicilio")}, parent)
{
}

int ModeloSalas::buscar(qint32 codigo) const
{
    return buscarFila([codigo](const Sala& sala) { return sala.codigo == codigo; });
}

QVariant ModeloSalas::data(const QModelIndex& indice, int rol) const
{
    if (!checkIndex(indice, CheckIndexOption::IndexIsValid) || rol != Qt::DisplayRole)
        return {};
    const Sala& sala = fila(indice.row());
    return indice.column() == 0 ? sala.denominacion : sala.domicilio;
}

}  // namespace veluma
