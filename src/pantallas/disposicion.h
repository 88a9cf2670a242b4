#pragma once

class QLayout;
class QWidget;

namespace veluma {

// The screen's toolbar strip across the top and, below it, `cuerpo`, which
// takes the rest of the height.
void disponerPantalla(QWidget& pantalla, QWidget* barra, QLayout* cuerpo);

// The same for a screen whose body is one frame, kept at the top with the
// usual margins.
void disponerPantalla(QWidget& pantalla, QWidget* barra, QWidget* marco);

}  // namespace veluma
