#include "f708/clave_708.h"

namespace veluma {

QString direccionDeOrden(const QString& direccion)
{
    const QString mayusculas = direccion.trimmed().toUpper();
    if (mayusculas != QLatin1String("ASC") && mayusculas != QLatin1String("DESC"))
        throw Error(kErrorArgumentoNoValido, QStringLiteral("Orden no válido: \"%1\"").arg(direccion));
    return mayusculas;
}

QString mensajeDeFallo(const DbError& error, const QString& duplicado)
{
    return error.kind() == DbErrorKind::DuplicateKey ? duplicado : error.descripcion();
}

}  // namespace veluma
