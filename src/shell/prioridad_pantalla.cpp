#include "shell/prioridad_pantalla.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace veluma {

PrioridadDeLaPantalla::PrioridadDeLaPantalla(QMdiArea& area) : QObject(&area), area_(area)
{
    qApp->installEventFilter(this);
}

QAbstractButton* PrioridadDeLaPantalla::botonDeLaTecla(QObject* receptor, const QKeyEvent& tecla) const
{
    if ((tecla.modifiers() & ~Qt::KeypadModifier) != Qt::AltModifier || !receptor->isWidgetType())
        return nullptr;
    QMdiSubWindow* ventana = area_.activeSubWindow();
    if (!ventana || !ventana->widget() || !ventana->isAncestorOf(static_cast<QWidget*>(receptor)))
        return nullptr;
    const QKeySequence combinacion(QKeyCombination(Qt::AltModifier, Qt::Key(tecla.key())));
    const auto botones = ventana->widget()->findChildren<QAbstractButton*>();
    for (QAbstractButton* boton : botones) {
        if (boton->isVisible() && boton->isEnabled() && QKeySequence::mnemonic(boton->text()) == combinacion)
            return boton;
    }
    return nullptr;
}

bool PrioridadDeLaPantalla::eventFilter(QObject* objeto, QEvent* evento)
{
    if (evento->type() != QEvent::ShortcutOverride && evento->type() != QEvent::KeyPress)
        return false;
    auto* tecla = static_cast<QKeyEvent*>(evento);
    QAbstractButton* boton = botonDeLaTecla(objeto, *tecla);
    if (!boton)
        return false;
    // Taking the override keeps the menu bar from seeing the key; the press
    // that follows is the screen's.
    if (evento->type() == QEvent::ShortcutOverride) {
        evento->accept();
        return true;
    }
    if (!tecla->isAutoRepeat()) {
        boton->setFocus(Qt::ShortcutFocusReason);
        boton->click();
    }
    return true;
}

}  // namespace veluma
