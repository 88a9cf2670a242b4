#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace veluma {

class Mensajes;
struct Sesion;

// Opens a section screen modally over `padre`, on the session's declaration.
using AbrirSeccion = std::function<void(QWidget* padre, Sesion& sesion, Mensajes& mensajes)>;

// The screens half of each form registers its section screens at start-up,
// by the node key of the manager's tree.
void registrarSeccion(const QString& clave, AbrirSeccion abrir);

// The same for a screen P built as P(sesion, mensajes, padre) and shown as it is.
template <class P>
void registrarPantalla(const QString& clave)
{
    registrarSeccion(clave, [](QWidget* padre, Sesion& sesion, Mensajes& mensajes) {
        P pantalla(sesion, mensajes, padre);
        pantalla.exec();
    });
}

// The screen registered for a node key; empty when none is.
AbrirSeccion seccionRegistrada(const QString& clave);

// Told when a section's screen is not part of this version.
QString textoPantallaNoDisponible();

}  // namespace veluma
