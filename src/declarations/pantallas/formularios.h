#pragma once

#include <QString>
#include <Qt>

class QComboBox;
class QToolButton;
class QWidget;

namespace veluma {

// The look and keyboard every entry screen shares: picture buttons named by
// convention, tooltips that name their shortcut, and the shortcuts themselves.

// Gives a toolbar strip the background every strip has, the main window's included.
void pintarBarra(QWidget& barra);

// A picture button with its caption under the picture.
QToolButton* crearBoton(QWidget* padre, const QString& nombre, const QString& titulo);

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

// Fills a sequence list: "Original", then "Rectificativa 1" to "Rectificativa n".
void CargarSecuencias(QComboBox& lista, int rectificativas);

// The help context of a control: its own or its nearest container's.
int contextoAyudaDe(const QWidget* control);
void ponerContextoAyuda(QWidget& control, int contexto);

}  // namespace veluma
