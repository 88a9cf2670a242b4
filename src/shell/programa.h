#pragma once

#include "core/arranque.h"

#include <QApplication>
#include <memory>

namespace veluma {

class AvisoTerminacion;
class Mensajes;
class mdiPrincipal;
struct Sesion;

// The running program: start-up in order, then the main window until the
// session closes.
class Programa : public QApplication {
    Q_OBJECT
public:
    Programa(int& argc, char** argv);
    ~Programa() override;

    int Main();

    // Reports a failure that no screen handled and ends the program.
    bool notify(QObject* receptor, QEvent* evento) override;

private:
    int arrancar();
    void mostrarAvisoInicio();
    void alPedirTerminacion();
    void cerrarTrasFallo();
    [[noreturn]] void terminar(int codigo);

    std::unique_ptr<Mensajes> mensajes_;
    InstanciaUnica instancia_;
    std::unique_ptr<Sesion> sesion_;
    std::unique_ptr<mdiPrincipal> principal_;
    AvisoTerminacion* terminacion_ = nullptr;
    bool cerrando_ = false;
};

}  // namespace veluma
