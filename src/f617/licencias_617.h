#pragma once

#include "core/clave_ddjj.h"
#include "f617/conceptos_617.h"
#include "f617/detalle_617.h"
#include "f617/totales_617.h"

#include <QDate>
#include <QString>
#include <vector>

namespace veluma {

// A licence as the licences list shows it.
struct FilaLicencia {
    qint64 codigo = 0;
    QString razonSocial;
    QString domicilio;
    int tipoServicio = 0;
};

// How the licences list is sorted: as stored, or by a column either way.
enum class OrdenLicencias { Codigo, RazonSocialAsc, RazonSocialDesc, DomicilioAsc, DomicilioDesc };

// A service type of the declaration's tax in force in its period.
struct TipoDeServicio {
    int codigo = 0;
    QString descripcion;
};

// One broadcasting licence of a Form 617 declaration: its data, its totals
// and its billing by concept group.
class cls617Licencias {
public:
    ClaveDDJJ clave;            // the declaration; CAMPO1 is its service
    qint64 CodigoLicencia = 0;  // 0 until stored

    QString ApellidoNombre;  // the razón social
    QString Domicilio;
    int TipoServicio = 0;     // 0 when not chosen
    QDate InicioActividades;  // invalid when not entered

    cls617LicTotalLicencias Totales;
    cls617DetalleLicencias Detalle;

    TotalesFacturacion facturacion;  // of its concepts
    double TotalComerPublicidad() const { return facturacion.publicidad; }
    double TotalComerAbonos() const { return facturacion.abonos; }
    double TotalComerProgramas() const { return facturacion.programas; }
    double TotalOtrosConceptos() const { return facturacion.otros; }
    double TotalFacturacionBruta() const { return facturacion.bruta; }
    qint64 CantidadConceptos() const { return facturacion.cantidad; }

    // The billing totals of its concepts, read again.
    void CalcularTotales(Database& base);
    // Reads the licence `CodigoLicencia` of `clave`, its totals (storing a row
    // of zeros when it has none), its detail and its billing.
    void CargarLicencias(Database& base);
    // The licence and every row that hangs from it, in one transaction.
    void EliminarLicencia(Database& base) const;
    // Whether the declaration has another licence with this razón social and
    // service type.
    bool BuscarDuplicado(Database& base) const;
    // Stores the licence; a new one takes the next free code.
    void GuardarLicencia(Database& base, bool nuevo);

    static std::vector<FilaLicencia> CargarGrilla(Database& base, const ClaveDDJJ& clave, OrdenLicencias orden);
    // Every licence of the declaration and their rows, in one transaction.
    static void EliminarTodas(Database& base, const ClaveDDJJ& clave);
    // The service types of the declaration's tax in force on the first day of
    // its period, by code.
    static std::vector<TipoDeServicio> TiposDeServicio(Database& base, const ClaveDDJJ& clave);

private:
    qint64 ObtenerProximoCodigoLicencia(Database& base) const;
};

// A licence as typed, checked in the order the screen reports.
struct LecturaLicencia {
    enum class Campo { Ninguno, Inicio, RazonSocial, Domicilio, TipoServicio };
    QString problema;
    Campo campo = Campo::Ninguno;
};
// The licence's name, address, type and start against its declaration's period.
LecturaLicencia ValidarLicencia(const cls617Licencias& licencia);

}  // namespace veluma
