#pragma once

#include "core/arranque.h"
#include "core/clave.h"
#include "core/sesion.h"
#include "support/instalacion_temporal.h"
#include "support/mensajes_grabados.h"

#include <gtest/gtest.h>

namespace veluma::test {

// Gives the session its key and opens its working database as start-up does.
inline void abrirSesion(veluma::Sesion& sesion, veluma::Mensajes& mensajes)
{
    sesion.clave = veluma::textoClave();
    veluma::abrirBaseDeTrabajo(sesion, mensajes);
}

// A fresh temporary installation whose session is open when the test starts.
class SesionDePrueba : public ::testing::Test {
protected:
    void SetUp() override { abrirSesion(sesion, mensajes); }

    InstalacionTemporal instalacion;
    MensajesGrabados mensajes;
    veluma::Sesion sesion{instalacion.instalacion()};
};

}  // namespace veluma::test
