#include "pantallas_instaladas.h"

#include "f708/pantallas/registro_708.h"

namespace veluma {

void registrarPantallas() { registrarPantallas708(); }

}  // namespace veluma
