#include "f617/pantallas/modelo_socios.h"

#include "core/numeros.h"

namespace veluma {

ModeloSocios::ModeloSocios(QObject* parent)
    : ModeloFilas({QStringLiteral("Cuit "), QStringLiteral("            Nombre"), QStringLiteral("%     ")}, parent)
{
}

int ModeloSocios::buscar(const QString& cuit) const
{
    return buscarFila([&cuit](const Socio617& socio) { return socio.CuitSocio == cuit; });
}

QVariant ModeloSocios::data(const QModelIndex& indice, int rol) const
{
    if (!checkIndex(indice, CheckIndexOption::IndexIsValid))
        return {};
    if (rol == Qt::TextAlignmentRole) {
        const Qt::Alignment horizontal = indice.column() == 0   ? Qt::AlignHCenter
                                         : indice.column() == 2 ? Qt::AlignRight
                                                                : Qt::AlignLeft;
        return int(horizontal | Qt::AlignVCenter);
    }
    if (rol != Qt::DisplayRole)
        return {};
    const Socio617& socio = fila(indice.row());
    switch (indice.column()) {
        case 0: return socio.CuitSocio;
        case 1: return socio.NombreApellido;
        default: return formatearNumero(socio.Porcentaje, QStringLiteral("standard"));
    }
}

}  // namespace veluma
