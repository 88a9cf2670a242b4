#pragma once

#include <QIcon>
#include <QString>

class QWidget;

namespace veluma {

class Mensajes;
struct Sesion;

// Shows the closing screen and, behind it, compacts and scrambles the
// working database and takes the day's backup of it; tells the user when
// any of that could not be done. False when something could not be done.
bool cerrarSesion(Sesion& sesion, Mensajes& mensajes, const QString& tituloPrincipal, const QIcon& icono,
                  QWidget* parent = nullptr);

}  // namespace veluma
