#include "shell/ayuda_contextual.h"

#include "pantallas/contexto_ayuda.h"
#include "shell/visor_ayuda.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace veluma {

AyudaContextual::AyudaContextual(const QString& rutaAyuda, Mensajes& mensajes, int contextoGeneral, QObject* parent)
    : QObject(parent), rutaAyuda_(rutaAyuda), mensajes_(mensajes), contextoGeneral_(contextoGeneral)
{
    qApp->installEventFilter(this);
}

bool AyudaContextual::eventFilter(QObject* objeto, QEvent* evento)
{
    if (evento->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(evento)->key() != Qt::Key_F1
        || !objeto->isWidgetType())
        return false;
    const QWidget* control = QApplication::focusWidget();
    if (!control)
        control = static_cast<QWidget*>(objeto);
    const int contexto = contextoAyudaDe(control);
    VisorAyuda::mostrar(rutaAyuda_, contexto > 0 ? contexto : contextoGeneral_, mensajes_);
    return true;
}

}  // namespace veluma
