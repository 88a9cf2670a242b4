#pragma once

#include <QString>
#include <initializer_list>

class QAbstractItemModel;
class QTableView;
class QToolButton;
class QWidget;

namespace veluma {

// The buttons of a screen that lists rows and edits one at a time.
struct BotonesABM {
    QToolButton* nuevo;
    QToolButton* modificar;
    QToolButton* eliminar;
    QToolButton* eliminarTodos;
    QToolButton* aceptar;
    QToolButton* cancelar;
    QToolButton* salir;
    QWidget* barra;  // the strip `picBarra` that holds them
};

// The buttons with their usual captions and names, in a strip; `otros` (such
// as Imprimir) go between "Eliminar Todos" and "Aceptar". A screen whose rows
// are not deleted all at once goes without "Eliminar Todos" (null).
BotonesABM crearBotonesABM(QWidget& pantalla, std::initializer_list<QToolButton*> otros = {},
                           bool conEliminarTodos = true);

// The grid `nombre` over `modelo`: read-only, whole rows, one at a time.
QTableView* crearGrilla(QWidget* padre, const QString& nombre, QAbstractItemModel* modelo);

}  // namespace veluma
