#include "generation/campos_registro.h"

#include "core/clave_ddjj.h"
#include "core/instalacion.h"
#include "core/numeros.h"
#include "generation/codificacion.h"

namespace veluma {

QString numerico(double valor, int largo, int decimales)
{
    QVariant campo(valor);
    return FormatearCampo(campo, largo, decimales);
}

QString texto(const QString& valor, int largo)
{
    QVariant campo(valor);
    return FormatearCampo(campo, 0, largo);
}

QString versionDelArchivo()
{
    const Version version = versionDelPrograma();
    return QStringLiteral("%1%2%3")
        .arg(version.mayor, 2, 10, QLatin1Char('0'))
        .arg(version.menor, 2, 10, QLatin1Char('0'))
        .arg(version.revision, 3, 10, QLatin1Char('0'));
}

QString cabeceraDeclaracion(const ClaveDDJJ& clave, const QString& impuesto, const QString& formulario,
                            const QString& actividad, const QString& nroVerificador, const QString& hora)
{
    QVariant cuit(clave.cuit);
    const QString periodo = QString::number(clave.periodo);
    return QStringLiteral("01") + FormatearCuit(cuit, 0) + QStringLiteral("00") + impuesto + QStringLiteral("019")
           + periodo.left(4) + periodo.right(2) + QStringLiteral("00") + QString::number(clave.secuencia)
           + QStringLiteral("0000000") + formatearNumero(Val(actividad), QStringLiteral("000000")) + nroVerificador
           + QStringLiteral("0000") + QStringLiteral("00100") + formulario + hora
           + texto(QStringLiteral("DJ SIN PLAN"), 25) + QStringLiteral("00000") + versionDelArchivo();
}

}  // namespace veluma
