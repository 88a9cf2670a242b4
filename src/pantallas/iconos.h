#pragma once

#include <QIcon>
#include <QStringList>

namespace veluma {

// The program's own images for buttons, menus and the declarations tree,
// drawn rather than shipped; each in 16, 24 and 32 pixels. An unknown key
// gives a null icon.
QIcon imagenIcono(const QString& clave);
QStringList clavesIconos();

}  // namespace veluma
