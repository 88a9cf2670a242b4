#include "declarations/pantallas/nodos_arbol.h"

#include "shell/iconos.h"

#include <QTreeWidget>

namespace veluma {

QTreeWidgetItem* crearNodo(const QString& clave, const QString& texto, const QString& imagen)
{
    auto* nodo = new QTreeWidgetItem(QStringList{texto});
    nodo->setData(0, kRolClave, clave);
    ponerImagen(nodo, imagen);
    return nodo;
}

void ponerImagen(QTreeWidgetItem* nodo, const QString& imagen)
{
    nodo->setData(0, kRolImagen, imagen);
    nodo->setIcon(0, imagenIcono(imagen));
}

void imagenesDeApertura(QTreeWidget& arbol)
{
    QObject::connect(&arbol, &QTreeWidget::itemExpanded, &arbol,
                     [](QTreeWidgetItem* nodo) { ponerImagen(nodo, QStringLiteral("abierto")); });
    QObject::connect(&arbol, &QTreeWidget::itemCollapsed, &arbol,
                     [](QTreeWidgetItem* nodo) { ponerImagen(nodo, QStringLiteral("cerrado")); });
}

}  // namespace veluma
