#include "pantallas/nodos_arbol.h"

#include "pantallas/iconos.h"

#include <QKeyEvent>
#include <QTreeWidget>

namespace veluma {

namespace {

class EnterAbreNodo : public QObject {
public:
    explicit EnterAbreNodo(QTreeWidget& arbol) : QObject(&arbol), arbol_(arbol) { arbol.installEventFilter(this); }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override
    {
        if (objeto != &arbol_ || evento->type() != QEvent::KeyPress)
            return false;
        const int tecla = static_cast<QKeyEvent*>(evento)->key();
        if ((tecla != Qt::Key_Return && tecla != Qt::Key_Enter) || !arbol_.currentItem())
            return false;
        emit arbol_.itemDoubleClicked(arbol_.currentItem(), 0);
        return true;
    }

private:
    QTreeWidget& arbol_;
};

}  // namespace

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

void abrirConEnter(QTreeWidget& arbol) { new EnterAbreNodo(arbol); }

}  // namespace veluma
