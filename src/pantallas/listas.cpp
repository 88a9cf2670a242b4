#include "pantallas/listas.h"

#include <QComboBox>
#include <QTableView>

namespace veluma {

int filaActual(const QTableView& lista)
{
    const int fila = lista.currentIndex().row();
    return lista.model() && fila >= 0 && fila < lista.model()->rowCount() ? fila : -1;
}

void ponerFilaActual(QTableView& lista, int fila)
{
    {
        const QSignalBlocker bloqueo(lista.selectionModel());
        if (lista.model() && fila >= 0 && fila < lista.model()->rowCount())
            lista.setCurrentIndex(lista.model()->index(fila, 0));
        else
            lista.setCurrentIndex({});
    }
    lista.viewport()->update();
}

void CargarSecuencias(QComboBox& lista, int rectificativas)
{
    lista.clear();
    lista.addItem(QStringLiteral("Original"));
    for (int i = 1; i <= rectificativas; ++i)
        lista.addItem(QStringLiteral("Rectificativa %1").arg(i));
}

}  // namespace veluma
