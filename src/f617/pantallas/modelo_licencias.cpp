#include "f617/pantallas/modelo_licencias.h"

namespace veluma {

ModeloLicencias::ModeloLicencias(QObject* parent)
    : ModeloFilas({QStringLiteral("Razón Social "), QStringLiteral("Domicilio")}, parent)
{
}

int ModeloLicencias::buscar(qint64 codigo) const
{
    return buscarFila([codigo](const FilaLicencia& licencia) { return licencia.codigo == codigo; });
}

QVariant ModeloLicencias::data(const QModelIndex& indice, int rol) const
{
    if (!checkIndex(indice, CheckIndexOption::IndexIsValid) || rol != Qt::DisplayRole)
        return {};
    const FilaLicencia& licencia = fila(indice.row());
    return indice.column() == 0 ? licencia.razonSocial : licencia.domicilio;
}

}  // namespace veluma
