#pragma once

namespace veluma {

// Registers the Form 617 section screens with the declaration manager.
// Called once at start-up.
void registrarPantallas617();

}  // namespace veluma
