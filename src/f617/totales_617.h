#pragma once

#include "core/clave_ddjj.h"

#include <QString>
#include <optional>
#include <vector>

namespace veluma {

// The rate in percent of a service type on the first day of a YYYYMM period,
// from the reference table; nothing when no rate is in force that day. When
// two are, the one in force since the later date.
std::optional<double> alicuotaVigente(Database& base, int tipoServicio, int periodo);

// The same as the licence totals screen asks it: the validity must have
// begun before and end after the first day of the period, that day excluded.
std::optional<double> alicuotaVigenteEstricta(Database& base, int tipoServicio, int periodo);

// One line of the exemption catalogue.
struct ExencionCatalogo {
    int codigo = 0;
    QString descripcion;
};

// What determines a licence's tax besides its gross billing: discounts and
// bonuses, and an exemption granted to the taxpayer. One row per licence.
class cls617LicTotalLicencias {
public:
    double DescuentosBonificaciones = 0;
    int ExencionesOtorgadas = 0;  // 0 none, else a code of the exemption catalogue
    qint64 Numero = 0;            // of the legal instrument
    qint64 NroArticulo = 0;
    double Porcentaje = 0;
    double ImporteExentoIngresar = 0;
    std::optional<double> Alicuota;  // of the licence's service type; not stored

    // Reads the licence's row; a licence without one gets a row of zeros,
    // stored at once. Then the rate of `tipoServicio` in the period.
    void CargarDatos(Database& base, const ClaveDDJJ& clave, qint64 licencia, int tipoServicio);
    static bool HayDatos(Database& base, const ClaveDDJJ& clave, qint64 licencia);
    // Whether nothing but possibly an exempt amount has been entered.
    bool EstaVacio() const;
    // Replaces the licence's row in one transaction; without an exemption its
    // number, article, percentage and exempt amount are stored as 0.
    void GuardarDatos(Database& base, const ClaveDDJJ& clave, qint64 licencia) const;

    // Gross billing less discounts, 0 when that is negative.
    double SubTotal(double facturacionBruta) const;
    // The rate applied to the subtotal; 0 without a rate.
    double ImpuestoIngresar(double facturacionBruta) const;
    // Empty when valid.
    QString ValidarTotales(double facturacionBruta) const;

    static std::vector<ExencionCatalogo> Exenciones(Database& base);
};

// The totals as typed, checked before the figures are compared: each box
// must hold a figure the submission records can carry.
struct LecturaTotales {
    enum class Campo { Ninguno, Descuentos, Numero, Articulo, Porcentaje, Exento };
    cls617LicTotalLicencias totales;
    QString problema;
    Campo campo = Campo::Ninguno;
};
// The discounts may not exceed the gross billing. `exencion` is the code
// chosen, 0 for none; without one the exemption boxes are not read.
LecturaTotales leerTotales(double facturacionBruta, const QString& descuentos, int exencion, const QString& numero,
                           const QString& articulo, const QString& porcentaje, const QString& exento);

}  // namespace veluma
