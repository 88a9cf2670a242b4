#pragma once

#include <QString>
#include <Qt>

class QTreeWidget;
class QTreeWidgetItem;

namespace veluma {

// Tree nodes as the program's screens keep them: a key that names what the
// node opens and the name of its image ("cerrado", "abierto", "vacio",
// "lleno"), shown as its picture.
inline constexpr int kRolClave = Qt::UserRole;
inline constexpr int kRolImagen = Qt::UserRole + 1;

// A section or week without data, and one with data.
inline const QString kImagenVacio = QStringLiteral("vacio");
inline const QString kImagenLleno = QStringLiteral("lleno");

QTreeWidgetItem* crearNodo(const QString& clave, const QString& texto, const QString& imagen);
void ponerImagen(QTreeWidgetItem* nodo, const QString& imagen);

// The tree's nodes show "abierto" while expanded and "cerrado" while collapsed.
void imagenesDeApertura(QTreeWidget& arbol);

// Enter on a node of the tree does what a double click on it does.
void abrirConEnter(QTreeWidget& arbol);

}  // namespace veluma
