#pragma once

#include <QDate>
#include <QList>
#include <QString>

namespace veluma {

class Instalacion;

inline constexpr int kDiasRespaldoPorDefecto = 7;
inline constexpr int kDiasRespaldoMinimo = 1;
inline constexpr int kDiasRespaldoMaximo = 365;

// Where the daily copies of the working database go and how many days of
// them are kept.
struct ConfiguracionRespaldo {
    QString carpeta;
    int dias;
};

struct ResultadoRespaldo {
    QString archivo;   // the copy made
    QString problema;  // what went wrong; empty when all went well
};

// One copy found in the backup folder.
struct Respaldo {
    QString archivo;
    QDate fecha;
};

// <program folder>/veluma.ini
QString rutaConfiguracionPrograma(const Instalacion& instalacion);
ConfiguracionRespaldo configuracionRespaldoPorDefecto(const Instalacion& instalacion);

// Missing or invalid values give the defaults.
ConfiguracionRespaldo leerConfiguracionRespaldo(const Instalacion& instalacion);
// Throws Error when the file cannot be written.
void guardarConfiguracionRespaldo(const Instalacion& instalacion, const ConfiguracionRespaldo& configuracion);

// "<base name>-YYYYMMDD.mdb", the name of the copy of that day.
QString nombreRespaldo(const Instalacion& instalacion, const QDate& fecha);
// The copies of this working database in the folder, newest first. Files
// of any other name are not backups.
QList<Respaldo> respaldosEn(const Instalacion& instalacion, const QString& carpeta);

// Copies the working database file, as it rests, to the folder under the
// name of the day, replacing that day's copy atomically, and then deletes
// the copies older than the days to keep. Never throws; a failure leaves the
// folder as it was and is described in `problema`.
ResultadoRespaldo RealizarRespaldo(const Instalacion& instalacion, const ConfiguracionRespaldo& configuracion,
                                   const QDate& hoy);

}  // namespace veluma
