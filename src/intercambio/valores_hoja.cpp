#include "intercambio/valores_hoja.h"

#include "core/numeros.h"

#include <QDate>

namespace veluma {

QString textoDeValor(const QVariant& valor, TipoColumna tipo)
{
    if (valor.isNull())
        return {};
    switch (tipo) {
    case TipoColumna::Entero:
        return QString::number(valor.toLongLong());
    case TipoColumna::Importe: return formatearNumero(valor.toDouble(), QStringLiteral("0.00"));
    case TipoColumna::Fecha:
        return valor.toDate().toString(QStringLiteral("dd/MM/yyyy"));
    case TipoColumna::Texto:
        break;
    }
    return valor.toString();
}

}  // namespace veluma
