#include "core/consola.h"

namespace veluma {

void escribirLinea(std::FILE* salida, const QString& texto)
{
    const QByteArray utf8 = (texto + QLatin1Char('\n')).toUtf8();
    std::fwrite(utf8.constData(), 1, size_t(utf8.size()), salida);
    std::fflush(salida);
}

}  // namespace veluma
