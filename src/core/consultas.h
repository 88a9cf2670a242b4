#pragma once

#include <QString>
#include <vector>

namespace veluma {

class Database;

struct ConsultaGuardada {
    QString nombre;
    QString sql;
};

// The stored queries of a new working database, in creation order.
const std::vector<ConsultaGuardada>& consultasGuardadas();

// The current text of the query that prints Form 617; rewritten at every start.
QString sqlImpresionDDJJ();
inline const QString kConsultaImpresionDDJJ = QStringLiteral("617ImpresionDDJJ");

// The table that keeps the queries' definitions, filled with the queries above.
void crearTablaConsultas(Database& base);

// Stores a query's text, adding the query when it is missing.
void guardarConsulta(Database& base, const QString& nombre, const QString& sql);

// Makes each stored query usable under its name for this connection. They
// live as temporary views because some read the attached reference tables.
void InstanciarConsultas(Database& base);

}  // namespace veluma
