#pragma once

namespace veluma {

// Registers the forms this program offers, in the order of the main
// window's form menu. Called once at start-up, before any form is asked for.
void registrarFormularios();

}  // namespace veluma
