#pragma once

#include "core/database.h"

#include <QStringList>

namespace veluma::test {

// The rows of a query, each one its columns joined with "|"; NULL reads "NULL".
inline QStringList filasDeConsulta(veluma::Database& base, const QString& sql)
{
    veluma::Statement consulta = base.prepare(sql);
    QStringList filas;
    while (consulta.next()) {
        QStringList columnas;
        for (int i = 0; i < consulta.columnCount(); ++i) {
            const QVariant valor = consulta.value(i);
            columnas += valor.isNull() ? QStringLiteral("NULL") : valor.toString();
        }
        filas += columnas.join(QLatin1Char('|'));
    }
    return filas;
}

}  // namespace veluma::test
