#include "intercambio/importador.h"

#include "core/database.h"

namespace veluma {

void Importador::guardar(Database& base, const std::vector<const LineaLeida*>& lineas) const
{
    Statement alta = base.prepare(altaDeFila());
    const std::vector<QVariant> declaracion = valoresDeLaDeclaracion();
    for (const LineaLeida* linea : lineas) {
        alta.reset();
        int parametro = 1;
        for (const QVariant& valor : declaracion)
            alta.bind(parametro++, valor);
        for (const QVariant& valor : linea->datos)
            alta.bind(parametro++, valor);
        alta.run();
    }
}

}  // namespace veluma
