#pragma once

#include "core/clave_ddjj.h"

#include <QString>
#include <array>
#include <vector>

namespace veluma {

class Database;

// Tickets sold at one price in one week and room.
struct LineaImpuesto {
    qint32 codSala = 0;
    qint16 nroSemana = 0;
    double precioVenta = 0;
    qint32 entradas = 0;
};

// The determined tax of Form 708: tickets by room, week and sale price, and
// the tax they carry. The tax is included in the sale price.
class cls708ImpuestoDeterminado {
public:
    QString Cuit;
    qint32 Periodo = 0;
    qint16 Secuencia = 0;
    qint32 CodSala = 0;
    qint16 NroSemana = 0;
    double PrecioVenta = 0;
    double EntradasVendidas = 0;

    // PV × 100 / (A + 100) in exact decimals, rounded half away from zero to
    // four decimals: 5.50 at 10 % gives 5.0; 10 at 10 % gives 9.0909.
    static double PrecioBasico(double precioVenta, double alicuota);
    // N × PB × A / 100 in exact decimals, rounded to two decimals:
    // 3 × 9.0909 at 10 % gives 2.73.
    static double impuestodeterminado(double precioBasico, qint64 entradas, double alicuota);

    // Sum of the rounded line taxes of one room in one week; 0 with no lines.
    static double TotalImpuestoSemana(Database& base, const ClaveDDJJ& clave, int semana, qint32 sala, double alicuota);
    // The same over the month; room 0 sums every room of the declaration.
    static double TotalImpuestoMes(Database& base, const ClaveDDJJ& clave, qint32 sala, double alicuota);

    // The lines of one room and week ordered by `campo` ("PRECIO_VENTA" or
    // "CANT_ENTRADAS_POR_PRECIO_VENTA", any case) and "ASC" or "DESC".
    static std::vector<LineaImpuesto> GetAll(Database& base, const ClaveDDJJ& clave, int semana, qint32 sala,
                                             const QString& campo, const QString& direccion);
    // Which of the four weeks (index 0 is week 1) hold lines of the room.
    static std::array<bool, 4> SemanasConEntradas(Database& base, const ClaveDDJJ& clave, qint32 sala);

    static void Eliminar(Database& base, const ClaveDDJJ& clave, int semana, qint32 sala, double precioVenta);
    // Every line of one room and week.
    static void EliminarSemana(Database& base, const ClaveDDJJ& clave, int semana, qint32 sala);

    // Stores the line. Empty when saved; otherwise the message to show.
    QString Agregar(Database& base) const;
    // Rewrites the line of this room and week sold at `precioVenta` with the
    // object's values. Empty when saved; otherwise the message to show.
    QString Modificar(Database& base, int semana, qint32 sala, double precioVenta) const;

    void GetImpuesto(const LineaImpuesto& linea);

    // Sale price first, then tickets. Empty when valid.
    QString ValidarDatos() const;
};

// The price and ticket boxes as typed: an empty box is 0. `problema` says
// why a box cannot be read (letters, more than two decimals, a fraction of a
// ticket, values past what the file can carry); the price is judged first.
struct LecturaLineaImpuesto {
    double precioVenta = 0;
    double entradas = 0;
    QString problema;
};
LecturaLineaImpuesto leerLineaImpuesto(const QString& precioVenta, const QString& entradas);

// "El registro que está intentando Cargar ya Existe"
QString textoLineaExistente();

}  // namespace veluma
