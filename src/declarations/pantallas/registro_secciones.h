#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace veluma {

class Mensajes;
struct Sesion;

// What a section screen is told besides the session values.
struct ContextoSeccion {
    QString clave;         // the node key, e.g. "frm618Ingresos2"
    int tipoIngreso = 0;   // Form 618 incomes: 0 sales, 1 rentals
    QString textoAlicuota{};  // Form 708: the rate now in the manager's field, as it shows it
};

// Opens a section screen modally over `padre`.
using AbrirSeccion = std::function<void(QWidget* padre, Sesion& sesion, Mensajes& mensajes, const ContextoSeccion&)>;

// Each form's module registers the screens of its sections at start-up.
void registrarSeccion(const QString& clave, AbrirSeccion abrir);

// The screen registered for a node key; empty when none is.
AbrirSeccion seccionRegistrada(const QString& clave);

// Told when a section's screen is not part of this version.
QString textoPantallaNoDisponible();

}  // namespace veluma
