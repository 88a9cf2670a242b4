#include "core/importes.h"

#include "core/decimal.h"
#include "core/numeros.h"

namespace veluma {

std::optional<double> leerImporte(const QString& texto, const QString& nombre, QString& problema)
{
    const std::optional<double> importe = leerNumero(texto.trimmed());
    const QString formato =
        QStringLiteral("El importe %1 debe ser un número no negativo con hasta dos decimales.").arg(nombre);
    if (!importe || *importe < 0) {
        problema = formato;
        return std::nullopt;
    }
    if (*importe > kImporteMaximo) {
        problema = QStringLiteral("El importe %1 no puede superar 9.999.999.999.999,99.").arg(nombre);
        return std::nullopt;
    }
    if (Decimal(*importe).decimales() > 2) {
        problema = formato;
        return std::nullopt;
    }
    return importe;
}

}  // namespace veluma
