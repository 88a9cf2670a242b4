#include "pantallas/abm.h"

#include "pantallas/botones.h"

#include <QHeaderView>
#include <QTableView>
#include <QToolButton>
#include <vector>

namespace veluma {

BotonesABM crearBotonesABM(QWidget& pantalla, std::initializer_list<QToolButton*> otros, bool conEliminarTodos)
{
    BotonesABM botones{};
    botones.nuevo = crearBoton(&pantalla, Boton::Nuevo, QStringLiteral("&Nuevo"), QStringLiteral("CmdNuevo"));
    botones.modificar =
        crearBoton(&pantalla, Boton::Modificar, QStringLiteral("&Modificar"), QStringLiteral("CmdModificar"));
    botones.eliminar =
        crearBoton(&pantalla, Boton::EliminarABM, QStringLiteral("&Eliminar"), QStringLiteral("CmdEliminarABM"));
    if (conEliminarTodos)
        botones.eliminarTodos = crearBoton(&pantalla, Boton::EliminarTodos, QStringLiteral("Eliminar &Todos"),
                                           QStringLiteral("CmdEliminarTodos"));
    botones.aceptar = crearBoton(&pantalla, Boton::Aceptar, QStringLiteral("&Aceptar"));
    botones.cancelar = crearBoton(&pantalla, Boton::Cancelar, QStringLiteral("&Cancelar"), QStringLiteral("CmdCancelar"));
    botones.salir = crearBoton(&pantalla, Boton::Salir, QStringLiteral("&Salir"));

    std::vector<QToolButton*> orden{botones.nuevo, botones.modificar, botones.eliminar};
    if (botones.eliminarTodos)
        orden.push_back(botones.eliminarTodos);
    orden.insert(orden.end(), otros.begin(), otros.end());
    orden.push_back(botones.aceptar);
    orden.push_back(botones.cancelar);
    botones.barra = crearBarra(pantalla, orden, botones.salir);
    // The others were made first: Tab must still go along the strip.
    orden.push_back(botones.salir);
    for (std::size_t i = 1; i < orden.size(); ++i)
        QWidget::setTabOrder(orden[i - 1], orden[i]);
    return botones;
}

QTableView* crearGrilla(QWidget* padre, const QString& nombre, QAbstractItemModel* modelo)
{
    auto* grilla = new QTableView(padre);
    grilla->setObjectName(nombre);
    grilla->setModel(modelo);
    grilla->setSelectionBehavior(QAbstractItemView::SelectRows);
    grilla->setSelectionMode(QAbstractItemView::SingleSelection);
    grilla->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grilla->verticalHeader()->hide();
    grilla->horizontalHeader()->setStretchLastSection(true);
    // Tab leaves the list for the next control instead of walking its cells.
    grilla->setTabKeyNavigation(false);
    return grilla;
}

}  // namespace veluma
