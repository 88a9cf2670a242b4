#include "terminacion.h"

#include <csignal>
#include <initializer_list>

namespace veluma::lote {

namespace {

volatile std::sig_atomic_t senalRecibida = 0;

extern "C" void anotarSenal(int senal) { senalRecibida = senal; }

}  // namespace

void postergarTerminacion()
{
    struct sigaction accion = {};
    accion.sa_handler = anotarSenal;
    sigemptyset(&accion.sa_mask);
    accion.sa_flags = SA_RESTART;
    for (const int senal : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(senal, &accion, nullptr);
}

int senalPendiente() { return senalRecibida; }

void terminarPorSenalPendiente()
{
    const int senal = senalRecibida;
    if (senal == 0)
        return;
    std::signal(senal, SIG_DFL);
    std::raise(senal);
}

}  // namespace veluma::lote
