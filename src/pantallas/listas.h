#pragma once

class QComboBox;
class QTableView;

namespace veluma {

// The list's current row; -1 when it has none.
int filaActual(const QTableView& lista);

// Makes `fila` the list's current row (none when out of range) without the
// list telling its listeners: the screen shows the row itself afterwards.
void ponerFilaActual(QTableView& lista, int fila);

// Fills a sequence list: "Original", then "Rectificativa 1" to "Rectificativa n".
void CargarSecuencias(QComboBox& lista, int rectificativas);

}  // namespace veluma
