#include "f618/pantallas/registro_618.h"

#include "declarations/pantallas/registro_secciones.h"
#include "f618/ingresos_618.h"
#include "f618/pantallas/frm618_ingresos.h"
#include "f618/pantallas/frm618_total_a_pagar.h"
#include "f618/pantallas/frm618_total_percepciones.h"

namespace veluma {

void registrarPantallas618()
{
    for (const auto& [clave, tipo] :
         {std::pair{"frm618Ingresos1", kIngresoVentas}, {"frm618Ingresos2", kIngresoAlquiler}})
        registrarSeccion(QString::fromLatin1(clave), [tipo](QWidget* padre, Sesion& sesion, Mensajes& mensajes) {
            frm618Ingresos ingresos(sesion, mensajes, tipo, padre);
            ingresos.exec();
        });
    registrarPantalla<frm618TotalPercepcionesEfectuadas>(QStringLiteral("frm618TotalPercepcionesEfectuadas"));
    registrarPantalla<frm618TotalAPagar>(QStringLiteral("frm618TotalADepositar"));
}

}  // namespace veluma
