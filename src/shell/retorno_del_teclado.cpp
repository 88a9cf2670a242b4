#include "shell/retorno_del_teclado.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace veluma {

RetornoDelTeclado::RetornoDelTeclado(QObject* parent) : QObject(parent) { qApp->installEventFilter(this); }

bool RetornoDelTeclado::eventFilter(QObject* objeto, QEvent* evento)
{
    if (evento->type() != QEvent::Hide || !objeto->isWidgetType())
        return false;
    auto* ventana = static_cast<QWidget*>(objeto);
    if (ventana->isWindow() && ventana->parentWidget() && ventana->isModal())
        ventana->parentWidget()->window()->activateWindow();
    return false;
}

}  // namespace veluma
