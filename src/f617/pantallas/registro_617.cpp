#include "f617/pantallas/registro_617.h"

#include "declarations/pantallas/registro_secciones.h"
#include "f617/pantallas/frm617_licencias.h"
#include "f617/pantallas/frm617_total_a_pagar.h"

namespace veluma {

void registrarPantallas617()
{
    registrarSeccion(QStringLiteral("frm617Licencias"), [](QWidget* padre, Sesion& sesion, Mensajes& mensajes) {
        frm617Licencias licencias(sesion, mensajes, padre);
        licencias.exec();
    });
    registrarSeccion(QStringLiteral("frm617TotalAPagar"), [](QWidget* padre, Sesion& sesion, Mensajes& mensajes) {
        frm617TotalAPagar total(sesion, mensajes, padre);
        total.exec();
    });
}

}  // namespace veluma
