#include "f708/alicuota_708.h"

#include "core/clave_ddjj.h"
#include "core/numeros.h"

#include <QRegularExpression>

namespace veluma {

std::optional<double> leerAlicuota(const QString& texto)
{
    static const QRegularExpression forma(QStringLiteral("^\\s*\\d{1,3}(,\\d{0,2})?\\s*$"));
    if (!forma.match(texto).hasMatch())
        return std::nullopt;
    const auto valor = leerNumero(texto.trimmed());
    if (!valor || *valor < 0 || *valor > 100)
        return std::nullopt;
    return valor;
}

double alicuotaDe(const ClaveDDJJ& clave) { return Val(clave.campo1); }

QString textoAlicuota(double alicuota) { return formatearNumero(alicuota, QStringLiteral("##0.00")); }

}  // namespace veluma
