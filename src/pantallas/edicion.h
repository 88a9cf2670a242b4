#pragma once

#include <functional>
#include <initializer_list>

class QWidget;

namespace veluma {

class Mensajes;

// What an entry screen is doing: browsing its list, or editing a new row or
// the selected one.
enum class ModoEdicion { Consulta, Nuevo, Modificar };

// The browse/edit switch of an entry screen, by button role. Browsing: Nuevo,
// Importar and Salir shown; the buttons that act on a row (Modificar, Eliminar,
// Eliminar ABM, Eliminar Todos, Detallar, Imprimir) shown only when the list
// has rows; Aceptar and Cancelar hidden. Editing: of those, only Aceptar and
// Cancelar shown. `datos` (the data frame) is enabled only while editing;
// each of `navegacion` (the list, the tree's frame) only while browsing a
// list that has rows. Buttons of other roles are left to the screen.
void HabilitarEdicionABM(QWidget& pantalla, bool editando, bool tieneFilas, QWidget* datos,
                         std::initializer_list<QWidget*> navegacion = {});

// Runs the work of an event handler; a veluma::Error it throws is shown with
// MensajeError and the handler goes on. False when that happened.
bool conAvisoDeErrores(Mensajes& mensajes, const std::function<void()>& accion);

}  // namespace veluma
