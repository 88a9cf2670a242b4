#include "f708/pantallas/registro_708.h"

#include "declarations/pantallas/registro_secciones.h"
#include "f708/pantallas/frm708_listado_salas.h"
#include "f708/pantallas/frm708_pago_cuenta.h"
#include "f708/pantallas/frm708_saldos.h"

namespace veluma {

void registrarPantallas708()
{
    registrarSeccion(QStringLiteral("frm708ListadoSalas"), [](QWidget* padre, Sesion& sesion, Mensajes& mensajes) {
        frm708ListadoSalas salas(sesion, mensajes, padre);
        salas.exec();
    });
    // Tickets are entered per room and week: the node opens the rooms with
    // the focus on the week tree of the first room.
    registrarSeccion(QStringLiteral("frm708ImpuestoDeterminado"),
                     [](QWidget* padre, Sesion& sesion, Mensajes& mensajes) {
                         frm708ListadoSalas salas(sesion, mensajes, padre);
                         salas.empezarEnArbol();
                         salas.exec();
                     });
    registrarSeccion(QStringLiteral("frm708PagoCuenta"), [](QWidget* padre, Sesion& sesion, Mensajes& mensajes) {
        frm708PagoCuenta pagos(sesion, mensajes, padre);
        pagos.exec();
    });
    registrarSeccion(QStringLiteral("frm708Saldos"), [](QWidget* padre, Sesion& sesion, Mensajes& mensajes) {
        frm708Saldos saldos(sesion, mensajes, padre);
        saldos.exec();
    });
}

}  // namespace veluma
