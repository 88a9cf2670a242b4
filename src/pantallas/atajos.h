#pragma once

#include <Qt>

class QWidget;

namespace veluma {

// The keyboard shortcuts every entry screen shares. With exactly Ctrl held:
// N Nuevo, M Modificar, Supr Eliminar, E Eliminar (ABM), T Eliminar Todos,
// D Detalle, I Importar. In any other modifier state: Esc Cancelar, Re. Pág
// and Av. Pág Anterior and Siguiente, Inicio and Fin, L the list ("Grilla")
// and A the tree ("arbol"); a screen without a control of that name has its
// only list or tree taken. A shortcut acts only on a button of the screen
// that is visible and enabled.

// Performs the shortcut of `tecla` on the screen. True when something was done.
bool AtajosTeclado(int tecla, Qt::KeyboardModifiers modificadores, QWidget& pantalla);

// Makes the shortcuts work from any control of the screen; once per screen.
void instalarAtajos(QWidget& pantalla);

}  // namespace veluma
