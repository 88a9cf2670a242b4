#pragma once

namespace veluma {

// Registers the Form 708 section screens with the declaration manager.
// Called once at start-up.
void registrarPantallas708();

}  // namespace veluma
