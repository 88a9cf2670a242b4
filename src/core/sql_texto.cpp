#include "core/sql_texto.h"

#include "core/database.h"

namespace veluma {

QString direccionDeOrden(const QString& direccion)
{
    const QString mayusculas = direccion.trimmed().toUpper();
    if (mayusculas != QLatin1String("ASC") && mayusculas != QLatin1String("DESC"))
        throw Error(kErrorArgumentoNoValido, QStringLiteral("Orden no válido: \"%1\"").arg(direccion));
    return mayusculas;
}

QString columnaDeOrden(const QString& campo, std::initializer_list<const char*> columnas)
{
    for (const char* columna : columnas)
        if (campo.trimmed().compare(QLatin1String(columna), Qt::CaseInsensitive) == 0)
            return QString::fromLatin1(columna);
    throw Error(kErrorArgumentoNoValido, QStringLiteral("Columna de orden no válida: \"%1\"").arg(campo));
}

QString mensajeDeFallo(const DbError& error, const QString& duplicado)
{
    return error.kind() == DbErrorKind::DuplicateKey ? duplicado : error.descripcion();
}

}  // namespace veluma
