#pragma once

#include "core/clave_ddjj.h"

#include <QDate>
#include <QString>
#include <array>

namespace veluma {

class Database;
class Statement;

// One administrative act of a licence: its number and its date. A number of
// 0 and an invalid date mean not entered.
struct ActoLicencia {
    double Numero = 0;
    QDate Fecha;
};

// How each act is stored and reported, in the order it is checked.
struct DescripcionActo {
    const char* columnaNumero;
    const char* columnaFecha;
    QString sinFecha;   // the number has no date
    QString sinNumero;  // the date has no number
};
inline constexpr int kCantidadActos = 5;
const std::array<DescripcionActo, kCantidadActos>& actosDeLicencia();

// The ten columns of the acts, number then date of each, `prefijo` before
// every name ("d." in a join).
QString columnasDeActos(const QString& prefijo = {});
// The acts of a row whose columns from `primera` on are columnasDeActos().
std::array<ActoLicencia, kCantidadActos> leerActos(const Statement& fila, int primera);

// Why a detail cannot be stored: the first act whose pair is incomplete.
struct ProblemaDetalle {
    QString mensaje;  // empty when valid
    int acto = -1;
    bool enFecha = false;  // the date is missing; otherwise the number
};

// The legal detail of a licence: licence resolution, precarious resolution,
// decree, inscription and re-inscription. One row per licence.
class cls617DetalleLicencias {
public:
    std::array<ActoLicencia, kCantidadActos> actos;

    // Reads the licence's row; without one, every act is empty.
    void CargarDatos(Database& base, const ClaveDDJJ& clave, qint64 licencia);
    bool EstaVacio() const;
    // Replaces the licence's row in one transaction; a row is written even
    // when every act is empty.
    void GuardarDatos(Database& base, const ClaveDDJJ& clave, qint64 licencia) const;
    // A number without its date or a date without its number.
    ProblemaDetalle ValidarDetalle() const;
};

}  // namespace veluma
