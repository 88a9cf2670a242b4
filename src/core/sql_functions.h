#pragma once

struct sqlite3;

namespace veluma {

// Registers on a connection the SQL functions that the stored queries use
// (Val, Format, IIf, CDbl) and the GENERAL collation that orders names as a
// person expects (case and accents aside).
void registerSqlFunctions(sqlite3* db);

}  // namespace veluma
