#include "shell/cierre_sesion.h"

#include "core/cierre.h"
#include "core/mensajes.h"
#include "core/sesion.h"
#include "shell/frm_cerrando.h"

namespace veluma {

void cerrarSesion(Sesion& sesion, Mensajes& mensajes, const QString& tituloPrincipal, const QIcon& icono,
                  QWidget* parent)
{
    frmCerrando pantalla(
        tituloPrincipal, icono,
        [&] {
            const QString aviso = mensajeCierre(CerrarBaseTrabajo(sesion.base, sesion.instalacion));
            if (!aviso.isEmpty())
                mensajes.MensajeAtencion(aviso);
        },
        parent);
    pantalla.exec();
}

}  // namespace veluma
