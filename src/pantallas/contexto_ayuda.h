#pragma once

class QWidget;

namespace veluma {

// The help page F1 opens for a control: the context given to it or, when it
// has none, to its nearest container.
void ponerContextoAyuda(QWidget& control, int contexto);
int contextoAyudaDe(const QWidget* control);

}  // namespace veluma
