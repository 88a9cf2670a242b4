#pragma once

#include <QDateTime>
#include <functional>

namespace veluma {

// The current date and time as the program sees it. Tests replace the clock
// so stored and printed times are known in advance.
QDateTime ahora();

// Replaces the clock; an empty function restores the system clock.
void fijarReloj(std::function<QDateTime()> reloj);

}  // namespace veluma
