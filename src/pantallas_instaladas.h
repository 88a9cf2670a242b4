#pragma once

namespace veluma {

// Registers the section screens of the forms that have them with the
// declaration manager. Called once at start-up, after registrarFormularios().
void registrarPantallas();

}  // namespace veluma
