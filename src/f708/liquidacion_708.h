#pragma once

#include "core/clave_ddjj.h"
#include "declarations/formulario.h"
#include "f708/salas.h"

#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace veluma {

// A ticket line with the tax it carries at the declaration's rate.
struct LineaLiquidada {
    qint32 codSala = 0;
    qint16 nroSemana = 0;
    double precioVenta = 0;
    qint32 entradas = 0;
    double precioBasico = 0;  // rounded to four decimals
    double impuesto = 0;      // rounded to two decimals
    QString codigoINCAA;      // the room's; empty when the room is not in the declaration
    bool conSala = false;     // only lines of the declaration's rooms go into the file
};

// The tax of one room in one week (`semana` 1 to 4) or in the month (0).
struct ImpuestoDeSala {
    QString codigoINCAA;
    qint32 codSala = 0;
    int semana = 0;
    double impuesto = 0;
};

// Every figure of a Form 708 declaration, computed in one pass over one read
// of its rows. Sums add the rounded line taxes in a fixed order (room, week,
// price), so the same declaration always gives the same amounts to the cent.
class Liquidacion708 : public Liquidacion {
public:
    // Throws Error when the rows cannot be read.
    static Liquidacion708 calcular(Database& base, const ClaveDDJJ& clave);

    ClaveDDJJ clave;
    double alicuota = 0;                       // Val of the stored CAMPO1
    QString hora = QStringLiteral("000000");   // the declaration's time, hhmmss
    std::vector<Sala> salas;                   // by name, as the file lists them
    std::vector<LineaLiquidada> lineas;        // every line, by room, week and price
    std::vector<ImpuestoDeSala> porSemana;     // rooms with lines, by room code and week
    std::vector<ImpuestoDeSala> porMes;        // rooms with lines, by room code
    std::optional<std::array<double, 4>> pagos;  // nothing without a payments row
    double impuestoDeclarado = 0;
    double pagosCuenta = 0;
    double saldoPendiente = 0;                 // negative when more was paid
    QString numeroVerificacion;                // six digits

    // What the balance boxes show: the balance when above 0, else 0.
    double saldoMostrado() const { return saldoPendiente > 0 ? saldoPendiente : 0; }
    // The four weekly payments, zeros without a payments row.
    std::array<double, 4> semanasPagadas() const { return pagos.value_or(std::array<double, 4>{}); }
    // The lines of the declaration's rooms by week, room and price.
    std::vector<const LineaLiquidada*> lineasPorSemana() const;

    bool admitePresentacion() const override { return impuestoDeclarado > 0; }
    std::unique_ptr<InterfazRegistros> registros(Sesion& sesion) const override;
    ConfiguracionReporte formularioImpreso(const Sesion& sesion) const override;
    std::vector<CifraLiquidada> cifras() const override;
};

}  // namespace veluma
