#pragma once

namespace veluma {

// Registers the Form 708 section screens with the declaration manager and
// the Form 708 record builder with the generation driver. Called once at
// start-up.
void registrarPantallas708();

}  // namespace veluma
