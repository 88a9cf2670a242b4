#pragma once

#include <QString>
#include <vector>
#include <optional>

class QAbstractButton;
class QToolButton;
class QWidget;

namespace veluma {

// What a toolbar button does. The shared conventions (picture, tooltip,
// shortcut, when it shows) follow from it, whatever the button's name.
enum class Boton {
    Nuevo,
    Modificar,
    Eliminar,
    EliminarABM,
    EliminarTodos,
    Detallar,
    Imprimir,
    Aceptar,
    Cancelar,
    Salir,
    Anterior,
    Siguiente,
    Inicio,
    Final,
    Importar,
    Copiar,
    Exportar,
    Consultar,
    Generar,
    Formulario,
    GuardarPdf,
};

// A picture button with its caption under the picture. `nombre` is its
// object name; empty gives the conventional one ("cmdNuevo").
QToolButton* crearBoton(QWidget* padre, Boton rol, const QString& titulo, const QString& nombre = {});

// The role a button was created with; nothing for other buttons.
std::optional<Boton> rolDe(const QAbstractButton& boton);

// Gives a toolbar strip the background every strip has, the main window's included.
void pintarBarra(QWidget& barra);

// The screen's toolbar strip `picBarra`: `botones` from the left, `salir`
// alone at the right end.
QWidget* crearBarra(QWidget& pantalla, const std::vector<QToolButton*>& botones, QToolButton* salir);

// Gives the screen's strip its background and every button the screen's
// help context, its conventional tooltip and picture; then installs the
// shortcuts on the screen.
void ConfigurarBotones(QWidget& pantalla, int contextoAyuda);

}  // namespace veluma
