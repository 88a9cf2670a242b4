#pragma once

#include <QString>
#include <QStringList>

namespace veluma {

class Database;
class Instalacion;

// The reference tables shipped in the auxiliary database, in linking order.
const QStringList& tablasReferencia();

// Alias under which the auxiliary database is attached to the working one.
inline const QString kAliasReferencia = QStringLiteral("referencia");

// ";DATABASE=" + auxiliary database path + ";PWD=" + password + ";"
QString textoConexionReferencia(const Instalacion& instalacion);

// Links the five reference tables: records each link's connect text,
// replacing a stale one (a moved folder, a new version), and attaches the
// auxiliary database so the tables answer under their own names.
void VincularTablasReferencia(Database& base, const Instalacion& instalacion);

}  // namespace veluma
