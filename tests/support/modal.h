#pragma once

#include <QApplication>
#include <QTimer>
#include <functional>

namespace veluma::test {

// Runs `accion` on the next modal window of type T, passing over those of other types, such as the screen
// that opens it, so a test can look at it and close it instead of blocking on it.
template <class T>
void alAparecerModalDe(std::function<void(T*)> accion, int intentos = 200)
{
    QTimer::singleShot(10, [accion = std::move(accion), intentos]() mutable {
        if (auto* modal = qobject_cast<T*>(QApplication::activeModalWidget()); modal && modal->isVisible())
            accion(modal);
        else if (intentos > 0)
            alAparecerModalDe<T>(std::move(accion), intentos - 1);
    });
}

// Runs `accion` on the next modal window that appears, whatever it is.
inline void alAparecerModal(std::function<void(QWidget*)> accion, int intentos = 200)
{
    alAparecerModalDe<QWidget>(std::move(accion), intentos);
}

}  // namespace veluma::test
