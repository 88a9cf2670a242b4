#pragma once

#include "core/error.h"

#include <QString>
#include <functional>

namespace veluma::test {

// "number: description" of the Error that `accion` throws; "(ningún error)" when it throws none.
inline QString errorDe(const std::function<void()>& accion)
{
    try {
        accion();
    } catch (const veluma::Error& error) {
        return QString::number(error.numero()) + QStringLiteral(": ") + error.descripcion();
    }
    return QStringLiteral("(ningún error)");
}

}  // namespace veluma::test
