#include "core/error.h"

namespace veluma {

Error::Error(int numero, const QString& descripcion)
    : std::runtime_error(descripcion.toStdString()), numero_(numero), descripcion_(descripcion)
{
}

}  // namespace veluma
