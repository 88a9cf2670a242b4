#pragma once

namespace veluma {

// Registers the Form 618 section screens with the declaration manager.
// Called once at start-up.
void registrarPantallas618();

}  // namespace veluma
