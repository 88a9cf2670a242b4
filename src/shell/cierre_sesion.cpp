#include "shell/cierre_sesion.h"

#include "core/cierre.h"
#include "core/mensajes.h"
#include "core/reloj.h"
#include "core/respaldos.h"
#include "core/sesion.h"
#include "shell/frm_cerrando.h"

#include <QFileInfo>

namespace veluma {

namespace {

// The day's copy of the database as it rests. A database this session never
// opened is in an unknown state and must not replace a good copy of the day.
bool respaldarAlCerrar(const Instalacion& instalacion, bool usadaEnLaSesion, Mensajes& mensajes)
{
    if (!usadaEnLaSesion || !QFileInfo::exists(instalacion.rutaBaseTrabajo()))
        return true;
    const ResultadoRespaldo respaldo =
        RealizarRespaldo(instalacion, leerConfiguracionRespaldo(instalacion), ahora().date());
    if (!respaldo.problema.isEmpty())
        mensajes.MensajeAtencion(respaldo.problema);
    return respaldo.problema.isEmpty();
}

}  // namespace

bool cerrarSesion(Sesion& sesion, Mensajes& mensajes, const QString& tituloPrincipal, const QIcon& icono,
                  QWidget* parent)
{
    bool correcto = false;
    frmCerrando pantalla(
        tituloPrincipal, icono,
        [&] {
            const bool usada = sesion.base.isOpen();
            const ResultadoCierre cierre = CerrarBaseTrabajo(sesion.base, sesion.instalacion);
            if (!cierre.correcto())
                mensajes.MensajeAtencion(mensajeCierre(cierre));
            const bool respaldada = respaldarAlCerrar(sesion.instalacion, usada, mensajes);
            correcto = cierre.correcto() && respaldada;
        },
        parent);
    pantalla.exec();
    return correcto;
}

}  // namespace veluma
