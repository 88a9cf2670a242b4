#pragma once

namespace veluma {

// Numbers are written with "," as decimal and "." as thousands separator
// everywhere in the program, whatever the desktop's locale says. The
// program's own formatting never asks the locale; this makes the standard
// widgets agree with it. The desktop's settings are not changed.
void ConfigurarSeparadores();

}  // namespace veluma
