#pragma once

#include "core/arranque.h"
#include "core/clave.h"
#include "core/sesion.h"
#include "declarations/contribuyente.h"
#include "formularios_instalados.h"
#include "support/instalacion_temporal.h"
#include "support/mensajes_grabados.h"

#include <gtest/gtest.h>

namespace veluma::test {

// Gives the session its key and opens its working database as start-up does.
inline void abrirSesion(veluma::Sesion& sesion, veluma::Mensajes& mensajes)
{
    veluma::registrarFormularios();
    sesion.clave = veluma::textoClave();
    veluma::abrirBaseDeTrabajo(sesion, mensajes);
}

// A fresh temporary installation whose session is open when the test starts,
// for the first demo taxpayer (the cinema company) with its host data read.
class SesionDePrueba : public ::testing::Test {
protected:
    void SetUp() override
    {
        abrirSesion(sesion, mensajes);
        usarContribuyente(instalacion.cuits().first());
    }

    // Makes `cuit` the session's taxpayer, and the key of its declaration
    // (March 2004, original, Form 708) the session's one.
    void usarContribuyente(const QString& cuit)
    {
        sesion.cuit = cuit;
        veluma::cargarContribuyente(sesion);
        usarDeclaracion(200403, 0);
    }
    void usarDeclaracion(int periodo, int secuencia, int formulario = 708, const QString& campo1 = {})
    {
        sesion.formulario = formulario;
        sesion.declaracion = {sesion.cuit, periodo, secuencia, formulario, campo1};
    }

    InstalacionTemporal instalacion;
    MensajesGrabados mensajes;
    veluma::Sesion sesion{instalacion.instalacion()};
};

}  // namespace veluma::test
