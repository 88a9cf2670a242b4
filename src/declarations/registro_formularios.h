#pragma once

#include <memory>
#include <vector>

namespace veluma {

class Formulario;

// The forms this program offers, as their modules registered them at start-up.

// Adds a form, or replaces the one registered with the same number.
void registrarFormulario(std::unique_ptr<Formulario> formulario);

// The form of that number; nullptr when none is registered.
const Formulario* buscarFormulario(int numero);

// The form of that number; throws Error when none is registered.
const Formulario& formularioDe(int numero);

// Every registered form, in the order they were registered.
std::vector<const Formulario*> formulariosRegistrados();

}  // namespace veluma
