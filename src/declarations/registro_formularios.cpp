#include "declarations/registro_formularios.h"

#include "core/error.h"
#include "declarations/formulario.h"

namespace veluma {

namespace {

std::vector<std::unique_ptr<Formulario>>& registrados()
{
    static std::vector<std::unique_ptr<Formulario>> formularios;
    return formularios;
}

}  // namespace

void registrarFormulario(std::unique_ptr<Formulario> formulario)
{
    for (auto& registrado : registrados()) {
        if (registrado->numero() == formulario->numero()) {
            registrado = std::move(formulario);
            return;
        }
    }
    registrados().push_back(std::move(formulario));
}

const Formulario* buscarFormulario(int numero)
{
    for (const auto& registrado : registrados())
        if (registrado->numero() == numero)
            return registrado.get();
    return nullptr;
}

const Formulario& formularioDe(int numero)
{
    if (const Formulario* formulario = buscarFormulario(numero))
        return *formulario;
    throw Error(kErrorArgumentoNoValido, QStringLiteral("El formulario %1 no existe en esta versión del programa.")
                                             .arg(numero));
}

std::vector<const Formulario*> formulariosRegistrados()
{
    std::vector<const Formulario*> formularios;
    for (const auto& registrado : registrados())
        formularios.push_back(registrado.get());
    return formularios;
}

}  // namespace veluma
