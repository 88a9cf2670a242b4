#pragma once

#include "core/error.h"

#include <QString>

namespace veluma {

// What the user is told when an exported file cannot be written: lack of
// permission, a missing folder or a full disk look the same from here.
Error errorDeEscritura(const QString& archivo);

}  // namespace veluma
