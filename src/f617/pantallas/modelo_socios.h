#pragma once

#include "f617/socios_617.h"
#include "pantallas/modelo_filas.h"

namespace veluma {

// The partners list: CUIT, name and share.
class ModeloSocios : public ModeloFilas<Socio617> {
    Q_OBJECT
public:
    explicit ModeloSocios(QObject* parent = nullptr);

    // The first row of a partner's CUIT; -1 when the list does not hold it.
    int buscar(const QString& cuit) const;

    QVariant data(const QModelIndex& indice, int rol = Qt::DisplayRole) const override;
};

}  // namespace veluma
