#include "pantallas_instaladas.h"

#include "f617/pantallas/registro_617.h"
#include "f618/pantallas/registro_618.h"
#include "f708/pantallas/registro_708.h"

namespace veluma {

void registrarPantallas()
{
    registrarPantallas617();
    registrarPantallas618();
    registrarPantallas708();
}

}  // namespace veluma
