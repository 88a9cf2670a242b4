#pragma once

#include "f617/licencias_617.h"
#include "pantallas/modelo_filas.h"

namespace veluma {

// The licences list: razón social and address.
class ModeloLicencias : public ModeloFilas<FilaLicencia> {
    Q_OBJECT
public:
    explicit ModeloLicencias(QObject* parent = nullptr);

    // The row of a licence code; -1 when the list does not hold it.
    int buscar(qint64 codigo) const;

    QVariant data(const QModelIndex& indice, int rol = Qt::DisplayRole) const override;
};

}  // namespace veluma
