#pragma once

#include <QString>

class QLineEdit;
class QWidget;

namespace veluma {

// A right-aligned box for a figure. `admitido` is the pattern of what may be
// typed; without one the box only shows, and Tab passes it by.
QLineEdit* crearCajaNumerica(QWidget* padre, const QString& nombre, const QString& admitido = {}, int ancho = 140);

// A box for a text of at most `largo` characters.
QLineEdit* crearCajaTexto(QWidget* padre, const QString& nombre, int largo);

}  // namespace veluma
