#include "printing/textos_impresos.h"

#include "core/clave_ddjj.h"
#include "core/instalacion.h"
#include "core/numeros.h"

namespace veluma {

QString textoSecuenciaImpresa(int secuencia)
{
    return QString::number(secuencia)
           + (secuencia == 0 ? QStringLiteral(" - Original") : QStringLiteral(" - Rectificativa"));
}

QString textoPeriodoImpreso(int periodo)
{
    const QString texto = QString::number(periodo);
    return texto.right(2) + QLatin1Char('/') + texto.left(4);
}

QString importeImpreso(double importe)
{
    return formatearNumero(importe > 0 ? importe : 0, QStringLiteral("#,###,###,###,##0.00"));
}

QString versionImpresa()
{
    const Version version = versionDelPrograma();
    return QString::number(version.mayor) + QLatin1Char('.') + FormatoDosDigitos(version.menor) + QLatin1Char('.')
           + FormatoDosDigitos(version.revision);
}

QString citado(const QString& texto)
{
    QString doble = texto;
    return QLatin1Char('\'') + doble.replace(QLatin1Char('\''), QStringLiteral("''")) + QLatin1Char('\'');
}

QString seleccionDeDeclaracion(const ClaveDDJJ& clave)
{
    return QStringLiteral("{DDJJ.CUIT} = ") + citado(clave.cuit) + QStringLiteral(" and {DDJJ.PERIODO} = ")
           + QString::number(clave.periodo) + QStringLiteral(" and {DDJJ.SECUENCIA} = ")
           + QString::number(clave.secuencia) + QStringLiteral(" and {DDJJ.FORMULARIO} = ")
           + QString::number(clave.formulario);
}

}  // namespace veluma
