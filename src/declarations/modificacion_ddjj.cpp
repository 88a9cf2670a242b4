#include "declarations/modificacion_ddjj.h"

#include "core/database.h"
#include "core/transaction.h"
#include "declarations/ddjj.h"

namespace veluma {

QString ModificarDDJJ(Database& base, const clsDDJJ& nueva, int periodo, int secuencia)
{
    Transaction transaccion(base);
    base.prepare(QStringLiteral("DELETE FROM DDJJ WHERE CUIT=? AND PERIODO=? AND SECUENCIA=? AND FORMULARIO=?"))
        .bindAll(nueva.Cuit, periodo, secuencia, nueva.Formulario)
        .run();
    const QString problema = nueva.Agregar(base);
    if (problema.isEmpty())
        transaccion.commit();
    return problema;
}

}  // namespace veluma
