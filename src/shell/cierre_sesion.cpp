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
void respaldarAlCerrar(const Instalacion& instalacion, bool usadaEnLaSesion, Mensajes& mensajes)
{
    if (!usadaEnLaSesion || !QFileInfo::exists(instalacion.rutaBaseTrabajo()))
        return;
    const ResultadoRespaldo respaldo =
        RealizarRespaldo(instalacion, leerConfiguracionRespaldo(instalacion), ahora().date());
    if (!respaldo.problema.isEmpty())
        mensajes.MensajeAtencion(respaldo.problema);
}

}  // namespace

void cerrarSesion(Sesion& sesion, Mensajes& mensajes, const QString& tituloPrincipal, const QIcon& icono,
                  QWidget* parent)
{
    frmCerrando pantalla(
        tituloPrincipal, icono,
        [&] {
            const bool usada = sesion.base.isOpen();
            const QString aviso = mensajeCierre(CerrarBaseTrabajo(sesion.base, sesion.instalacion));
            if (!aviso.isEmpty())
                mensajes.MensajeAtencion(aviso);
            respaldarAlCerrar(sesion.instalacion, usada, mensajes);
        },
        parent);
    pantalla.exec();
}

}  // namespace veluma
