#include "f708/pantallas/registro_708.h"

#include "declarations/pantallas/registro_secciones.h"
#include "f708/pantallas/frm708_listado_salas.h"
#include "f708/pantallas/frm708_pago_cuenta.h"
#include "f708/pantallas/frm708_saldos.h"

namespace veluma {

void registrarPantallas708()
{
    registrarPantalla<frm708ListadoSalas>(QStringLiteral("frm708ListadoSalas"));
    // Tickets are entered per room and week: the node opens the rooms with
    // the focus on the week tree of the first room.
    registrarSeccion(QStringLiteral("frm708ImpuestoDeterminado"),
                     [](QWidget* padre, Sesion& sesion, Mensajes& mensajes) {
                         frm708ListadoSalas salas(sesion, mensajes, padre);
                         salas.empezarEnArbol();
                         salas.exec();
                     });
    registrarPantalla<frm708PagoCuenta>(QStringLiteral("frm708PagoCuenta"));
    registrarPantalla<frm708Saldos>(QStringLiteral("frm708Saldos"));
}

}  // namespace veluma
