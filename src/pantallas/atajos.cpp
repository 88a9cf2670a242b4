#include "pantallas/atajos.h"

#include "pantallas/botones.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QTableView>
#include <QTreeView>
#include <optional>

namespace veluma {

namespace {

const char* const kPropiedadAtajos = "conAtajos";

// What a key acts on: a button by its role, or a control by its name.
struct Destino {
    std::optional<Boton> boton;
    const char* control = nullptr;
};

std::optional<Destino> destinoDeTecla(int tecla, Qt::KeyboardModifiers modificadores)
{
    const Qt::KeyboardModifiers soloTeclas = modificadores & ~Qt::KeypadModifier;
    if (soloTeclas == Qt::ControlModifier) {
        switch (tecla) {
        case Qt::Key_N: return Destino{Boton::Nuevo};
        case Qt::Key_M: return Destino{Boton::Modificar};
        case Qt::Key_Delete: return Destino{Boton::Eliminar};
        case Qt::Key_E: return Destino{Boton::EliminarABM};
        case Qt::Key_I: return Destino{Boton::Importar};
        case Qt::Key_T: return Destino{Boton::EliminarTodos};
        case Qt::Key_D: return Destino{Boton::Detallar};
        default: return std::nullopt;
        }
    }
    switch (tecla) {
    case Qt::Key_Escape: return Destino{Boton::Cancelar};
    case Qt::Key_PageUp: return Destino{Boton::Anterior};
    case Qt::Key_PageDown: return Destino{Boton::Siguiente};
    case Qt::Key_Home: return Destino{Boton::Inicio};
    case Qt::Key_End: return Destino{Boton::Final};
    case Qt::Key_L: return Destino{std::nullopt, "grilla"};
    case Qt::Key_A: return Destino{std::nullopt, "arbol"};
    default: return std::nullopt;
    }
}

bool disponible(const QWidget& pantalla, const QWidget& control)
{
    return control.isVisibleTo(&pantalla) && control.isEnabled();
}

// The screen's only visible view of type T, for a list or tree not named by the convention.
template <class T>
QWidget* unicaVista(const QWidget& pantalla)
{
    QWidget* unica = nullptr;
    const auto vistas = pantalla.findChildren<T*>();
    for (T* vista : vistas) {
        if (!vista->isVisibleTo(&pantalla))
            continue;
        if (unica)
            return nullptr;
        unica = vista;
    }
    return unica && unica->isEnabled() ? unica : nullptr;
}

QWidget* controlDe(const QWidget& pantalla, const Destino& destino)
{
    if (destino.boton) {
        const auto botones = pantalla.findChildren<QAbstractButton*>();
        for (QAbstractButton* boton : botones)
            if (rolDe(*boton) == destino.boton && disponible(pantalla, *boton))
                return boton;
        return nullptr;
    }
    const auto controles = pantalla.findChildren<QWidget*>();
    for (QWidget* control : controles)
        if (control->objectName().compare(QLatin1String(destino.control), Qt::CaseInsensitive) == 0)
            return disponible(pantalla, *control) ? control : nullptr;
    return qstrcmp(destino.control, "arbol") == 0 ? unicaVista<QTreeView>(pantalla) : unicaVista<QTableView>(pantalla);
}

// Sees every key pressed inside the screen before its controls act on it,
// so shortcuts work from any field, whichever key the user lets go first.
class FiltroAtajos : public QObject {
public:
    explicit FiltroAtajos(QWidget& pantalla) : QObject(&pantalla), pantalla_(pantalla)
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override
    {
        if (evento->type() != QEvent::KeyPress || !objeto->isWidgetType())
            return false;
        auto* receptor = static_cast<QWidget*>(objeto);
        if (receptor != &pantalla_ && !pantalla_.isAncestorOf(receptor))
            return false;
        auto* tecla = static_cast<QKeyEvent*>(evento);
        const std::optional<Destino> destino = destinoDeTecla(tecla->key(), tecla->modifiers());
        if (!destino || tecla->isAutoRepeat() || reenviando_)
            return false;
        if (!destino->boton) {
            QWidget* control = controlDe(pantalla_, *destino);
            if (!control)
                return false;
            // The letter reaches the field first, as it always has; then the focus moves.
            reenviando_ = true;
            QCoreApplication::sendEvent(objeto, evento);
            reenviando_ = false;
            control->setFocus(Qt::ShortcutFocusReason);
            return true;
        }
        // Handled once: the press goes no further once a shortcut acted.
        return AtajosTeclado(tecla->key(), tecla->modifiers(), pantalla_);
    }

private:
    QWidget& pantalla_;
    bool reenviando_ = false;
};

}  // namespace

bool AtajosTeclado(int tecla, Qt::KeyboardModifiers modificadores, QWidget& pantalla)
{
    const std::optional<Destino> destino = destinoDeTecla(tecla, modificadores);
    if (!destino)
        return false;
    QWidget* control = controlDe(pantalla, *destino);
    if (!control)
        return false;
    // A shortcut is a convenience: whatever goes wrong in it is not reported.
    try {
        if (auto* boton = qobject_cast<QAbstractButton*>(control))
            boton->click();
        else
            control->setFocus(Qt::ShortcutFocusReason);
    } catch (...) {
    }
    return true;
}

void instalarAtajos(QWidget& pantalla)
{
    if (pantalla.property(kPropiedadAtajos).toBool())
        return;
    new FiltroAtajos(pantalla);
    pantalla.setProperty(kPropiedadAtajos, true);
}

}  // namespace veluma
