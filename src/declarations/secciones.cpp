#include "declarations/secciones.h"

#include "core/clave_ddjj.h"
#include "core/database.h"

namespace veluma {

std::vector<SeccionDDJJ> seccionesDelFormulario(Database& base, int formulario)
{
    Statement consulta = base.prepare(
        QStringLiteral("SELECT NombreForm, descripcion, detalle FROM TablaArbol WHERE Formulario=? ORDER BY rowid"));
    consulta.bind(1, formulario);
    std::vector<SeccionDDJJ> secciones;
    while (consulta.next())
        secciones.push_back({consulta.text(0).value_or(QString()), consulta.text(1).value_or(QString()),
                             consulta.integer(2).value_or(0) != 0});
    return secciones;
}

bool hayFilas(Database& base, const QString& tabla, const ClaveDDJJ& clave, const QString& condicion,
              const QVariant& valor)
{
    Statement consulta = base.prepare(
        QStringLiteral("SELECT 1 FROM \"%1\" WHERE Cuit=? AND Periodo=? AND Secuencia=?%2 LIMIT 1").arg(tabla, condicion));
    ligarClave(consulta, clave);
    if (condicion.contains(QLatin1Char('?')))
        consulta.bind(4, valor);
    return consulta.next();
}

}  // namespace veluma
