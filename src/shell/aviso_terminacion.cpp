#include "shell/aviso_terminacion.h"

#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace veluma {

namespace {

int tuberia[2] = {-1, -1};

extern "C" void alRecibirSenal(int)
{
    const char marca = 1;
    // Nothing else is safe inside a signal handler.
    [[maybe_unused]] const ssize_t escrito = ::write(tuberia[0], &marca, 1);
}

}  // namespace

void AvisoTerminacion::instalarManejadores()
{
    if (tuberia[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM, 0, tuberia) != 0)
        return;
    struct sigaction accion = {};
    accion.sa_handler = alRecibirSenal;
    sigemptyset(&accion.sa_mask);
    accion.sa_flags = SA_RESTART;
    for (int senal : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(senal, &accion, nullptr);
}

AvisoTerminacion::AvisoTerminacion(QObject* parent)
    : QObject(parent), notificador_(new QSocketNotifier(tuberia[1], QSocketNotifier::Read, this))
{
    connect(notificador_, &QSocketNotifier::activated, this, [this] {
        char marca = 0;
        [[maybe_unused]] const ssize_t leido = ::read(tuberia[1], &marca, 1);
        emit terminacionPedida();
    });
}

}  // namespace veluma
