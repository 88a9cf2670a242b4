#pragma once

#include <QIcon>
#include <QString>

class QWidget;

namespace veluma {

class Mensajes;
struct Sesion;

// Shows the closing screen and, behind it, compacts and scrambles the
// working database; tells the user when that could not be done.
void cerrarSesion(Sesion& sesion, Mensajes& mensajes, const QString& tituloPrincipal, const QIcon& icono,
                  QWidget* parent = nullptr);

}  // namespace veluma
