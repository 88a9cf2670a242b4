#pragma once

#include <QString>
#include <Qt>
#include <functional>
#include <initializer_list>

class QComboBox;
class QTableView;
class QTreeWidget;
class QToolButton;
class QWidget;

namespace veluma {

class Mensajes;

// The look and keyboard every entry screen shares: picture buttons named by
// convention, tooltips that name their shortcut, and the shortcuts themselves.

// Gives a toolbar strip the background every strip has, the main window's included.
void pintarBarra(QWidget& barra);

// A picture button with its caption under the picture.
QToolButton* crearBoton(QWidget* padre, const QString& nombre, const QString& titulo);

// The screen's toolbar strip `picBarra`: `botones` from the left, `salir`
// alone at the right end.
QWidget* crearBarra(QWidget& pantalla, std::initializer_list<QToolButton*> botones, QToolButton* salir);

// Gives the screen's strip `picBarra` its background and every button the
// screen's help context, its conventional tooltip and picture; then installs
// the shortcuts on the screen.
void ConfigurarBotones(QWidget& pantalla, int contextoAyuda);

// Performs the shortcut of `tecla` on the screen when its button (or list
// or tree) is there, visible and enabled. True when something was done.
bool AtajosTeclado(int tecla, Qt::KeyboardModifiers modificadores, QWidget& pantalla);

// True when the screen has a control of that name (any case) that is visible
// and enabled.
bool ControlDisponible(const QWidget& pantalla, const QString& nombre);

// What an entry screen is doing: browsing its list, or editing a new row or
// the selected one.
enum class ModoEdicion { Consulta, Nuevo, Modificar };

// The browse/edit switch of an entry screen, by button name (any case).
// Browsing: cmdNuevo and cmdSalir shown; the buttons that act on a row
// (cmdModificar, cmdEliminar, cmdEliminarABM, cmdEliminarTodos, cmdDetallar,
// cmdImprimir) shown only when the list has rows; cmdAceptar and cmdCancelar
// hidden. Editing: of those, only cmdAceptar and cmdCancelar shown. `datos`
// (the data frame) is enabled only while editing; each of `navegacion` (the
// list, the tree's frame) only while browsing a list that has rows. Buttons
// of other names are left to the screen.
void HabilitarEdicionABM(QWidget& pantalla, bool editando, bool tieneFilas, QWidget* datos,
                         std::initializer_list<QWidget*> navegacion = {});

// Runs the work of an event handler; a veluma::Error it throws is shown with
// MensajeError and the handler goes on. False when that happened.
bool conAvisoDeErrores(Mensajes& mensajes, const std::function<void()>& accion);

// The list's current row; -1 when it has none.
int filaActual(const QTableView& lista);
// Makes `fila` the list's current row (none when out of range) without the
// list telling its listeners: the screen shows the row itself afterwards.
void ponerFilaActual(QTableView& lista, int fila);

// Enter on a node of the tree does what a double click on it does.
void abrirConEnter(QTreeWidget& arbol);

// Fills a sequence list: "Original", then "Rectificativa 1" to "Rectificativa n".
void CargarSecuencias(QComboBox& lista, int rectificativas);

// The help context of a control: its own or its nearest container's.
int contextoAyudaDe(const QWidget* control);
void ponerContextoAyuda(QWidget& control, int contexto);

}  // namespace veluma
