#include "generation/interfaz_registros.h"

#include "core/clave_ddjj.h"
#include "generation/codificacion.h"

namespace veluma {

void InterfazRegistros::nombrarSalidas(const QString& nroVerificador, const QString& prefijo, const ClaveDDJJ& clave,
                                       qint32 registros)
{
    QVariant cuit(clave.cuit);
    ArchivoSalidaDKT = nroVerificador + prefijo + QStringLiteral(".dat");
    ArchivoSalidaCD = nroVerificador + prefijo + FormatearCuit(cuit, 0)
                      + QStringLiteral("%1").arg(clave.periodo, 6, 10, QLatin1Char('0'))
                      + QStringLiteral("%1").arg(clave.secuencia, 2, 10, QLatin1Char('0')) + QStringLiteral(".dat");
    CantidadRegistros = registros;
}

}  // namespace veluma
