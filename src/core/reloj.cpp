#include "core/reloj.h"

namespace veluma {

namespace {
std::function<QDateTime()>& relojActual()
{
    static std::function<QDateTime()> reloj;
    return reloj;
}
}  // namespace

QDateTime ahora()
{
    const auto& reloj = relojActual();
    return reloj ? reloj() : QDateTime::currentDateTime();
}

void fijarReloj(std::function<QDateTime()> reloj) { relojActual() = std::move(reloj); }

}  // namespace veluma
