#pragma once

#include <QString>

namespace veluma {

class ConfiguracionReporte;
class Database;

// The report as HTML: its template filled with its formulas and with the
// rows of the template's origin that the selection picks. The rows come
// from `abierta`, the session's open working database, when the data file
// is that database: the stored queries exist only there, as views of that
// connection. Any other data file is opened on its own. Throws Error.
QString htmlDelReporte(const ConfiguracionReporte& configuracion, Database& abierta);

}  // namespace veluma
