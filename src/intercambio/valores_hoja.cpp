#include "intercambio/valores_hoja.h"

#include <QDate>
#include <cmath>

namespace veluma {

QString textoImporte(double importe)
{
    // Rounded to the cent first, so -0.001 is written "0,00" and not "-0,00".
    double centavos = std::round(importe * 100);
    if (centavos == 0)
        centavos = 0;
    return QString::number(centavos / 100, 'f', 2).replace(QLatin1Char('.'), QLatin1Char(','));
}

QString textoDeValor(const QVariant& valor, TipoColumna tipo)
{
    if (valor.isNull())
        return {};
    switch (tipo) {
    case TipoColumna::Entero:
        return QString::number(valor.toLongLong());
    case TipoColumna::Importe:
        return textoImporte(valor.toDouble());
    case TipoColumna::Fecha:
        return valor.toDate().toString(QStringLiteral("dd/MM/yyyy"));
    case TipoColumna::Texto:
        break;
    }
    return valor.toString();
}

}  // namespace veluma
