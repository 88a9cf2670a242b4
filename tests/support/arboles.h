#pragma once

#include <QStringList>
#include <QTreeWidget>

namespace veluma::test {

// The node whose key (the data the screens keep at Qt::UserRole) is `clave`; null when none is.
inline QTreeWidgetItem* nodoDeClave(QTreeWidget& arbol, const QString& clave)
{
    for (QTreeWidgetItem* nodo : arbol.findItems(QStringLiteral("*"), Qt::MatchWildcard | Qt::MatchRecursive))
        if (nodo->data(0, Qt::UserRole).toString() == clave)
            return nodo;
    return nullptr;
}

// "key=image" of every node, in tree order.
inline QStringList imagenesDe(QTreeWidget& arbol)
{
    QStringList imagenes;
    for (QTreeWidgetItem* nodo : arbol.findItems(QStringLiteral("*"), Qt::MatchWildcard | Qt::MatchRecursive))
        imagenes += nodo->data(0, Qt::UserRole).toString() + '=' + nodo->data(0, Qt::UserRole + 1).toString();
    return imagenes;
}

}  // namespace veluma::test
