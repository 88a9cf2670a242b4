#include "intercambio/importador.h"

#include "core/database.h"

#include <optional>

namespace veluma {

void Importador::guardar(Database& base, const std::vector<const LineaLeida*>& lineas) const
{
    // A plain INSERT for new rows: replacing costs SQLite several times more,
    // so only lines whose row is stored take that path.
    Statement alta = base.prepare(QStringLiteral("INSERT ") + destinoDeFila());
    std::optional<Statement> reemplazo;
    const std::vector<QVariant> declaracion = valoresDeLaDeclaracion();
    for (const LineaLeida* linea : lineas) {
        if (yaCargada(linea->clave) && !reemplazo)
            reemplazo = base.prepare(QStringLiteral("INSERT OR REPLACE ") + destinoDeFila());
        Statement& fila = yaCargada(linea->clave) ? *reemplazo : alta;
        fila.reset();
        int parametro = 1;
        for (const QVariant& valor : declaracion)
            fila.bind(parametro++, valor);
        for (const QVariant& valor : linea->datos)
            fila.bind(parametro++, valor);
        fila.run();
    }
}

}  // namespace veluma
