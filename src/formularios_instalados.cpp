#include "formularios_instalados.h"

#include "declarations/registro_formularios.h"
#include "f617/formulario_617.h"
#include "f618/formulario_618.h"
#include "f708/formulario_708.h"

namespace veluma {

void registrarFormularios()
{
    registrarFormulario(std::make_unique<Formulario708>());
    registrarFormulario(std::make_unique<Formulario617>());
    registrarFormulario(std::make_unique<Formulario618>());
}

}  // namespace veluma
