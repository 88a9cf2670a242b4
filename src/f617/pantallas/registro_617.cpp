#include "f617/pantallas/registro_617.h"

#include "declarations/pantallas/registro_secciones.h"
#include "f617/pantallas/frm617_comp_societaria.h"
#include "f617/pantallas/frm617_licencias.h"
#include "f617/pantallas/frm617_total_a_pagar.h"
#include "f617/pantallas/frm_copiar_ddjj.h"

namespace veluma {

void registrarPantallas617()
{
    registrarPantalla<frm617Licencias>(QStringLiteral("frm617Licencias"));
    registrarPantalla<frm617CompSocietaria>(QStringLiteral("frm617CompSocietaria"));
    registrarPantalla<frm617TotalAPagar>(QStringLiteral("frm617TotalAPagar"));
    registrarPantalla<frmCopiarDDJJ>(QStringLiteral("frmCopiarDDJJ"));
}

}  // namespace veluma
