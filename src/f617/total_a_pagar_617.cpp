#include "f617/total_a_pagar_617.h"

#include "core/fechas.h"
#include "f617/clave_617.h"
#include "printing/textos_impresos.h"

#include <QDate>
#include <map>
#include <optional>

namespace veluma {

namespace {

struct DatosLicencia {
    QString razonSocial;
    int tipoServicio = 0;
};

struct TotalesLicencia {
    double descuentos = 0;
    int exencion = 0;
    qint64 numero = 0;
    qint64 articulo = 0;
    double porcentaje = 0;
    double exento = 0;
};


std::map<qint64, DatosLicencia> leerLicencias(Database& base, const ClaveDDJJ& clave)
{
    Statement consulta = prepararDe617(
        base, QStringLiteral("SELECT CodigoLicencia, ApellidoNombre, TipoServicio FROM [617Licencias] WHERE %1"),
        clave);
    std::map<qint64, DatosLicencia> licencias;
    while (consulta.next())
        licencias.emplace(consulta.integer(0).value_or(0),
                          DatosLicencia{consulta.text(1).value_or(QString()), int(consulta.integer(2).value_or(0))});
    return licencias;
}

std::map<qint64, TotalesLicencia> leerTotales(Database& base, const ClaveDDJJ& clave)
{
    Statement consulta =
        prepararDe617(base,
                      QStringLiteral("SELECT CodigoLicencia, DescuentosBonificaciones, ExencionesOtorgadas, Numero, "
                                     "NroArticulo, Porcentaje, ImporteExentoIngresar "
                                     "FROM [617LicenciasTotalLicencias] WHERE %1"),
                      clave);
    std::map<qint64, TotalesLicencia> totales;
    while (consulta.next())
        totales.emplace(consulta.integer(0).value_or(0),
                        TotalesLicencia{consulta.real(1).value_or(0), int(consulta.integer(2).value_or(0)),
                                        consulta.integer(3).value_or(0), consulta.integer(4).value_or(0),
                                        consulta.real(5).value_or(0), consulta.real(6).value_or(0)});
    return totales;
}

// The rates of the service types in force on the first day of the period, any tax; of
// two in force, the one in force since the later date.
std::map<int, double> leerAlicuotas(Database& base, int periodo)
{
    Statement consulta = base.prepare(
        QStringLiteral("SELECT Codigo, Porcentaje FROM [617TablaDenom] WHERE VigenciaDesde <= ? AND "
                       "VigenciaHasta >= ? ORDER BY VigenciaDesde"));
    const QString primerDia = fechaIso(QDate(periodo / 100, periodo % 100, 1));
    consulta.bindAll(primerDia, primerDia);
    std::map<int, double> alicuotas;
    while (consulta.next())
        alicuotas[int(consulta.integer(0).value_or(0))] = consulta.real(1).value_or(0);
    return alicuotas;
}

}  // namespace

void cls617TotalAPagar::CargarDatos(Database& base, const ClaveDDJJ& clave)
{
    licencias.clear();
    problemas.clear();
    TotalAPagar = 0;
    const std::map<qint64, DatosLicencia> datos = leerLicencias(base, clave);
    const std::map<qint64, TotalesLicencia> totales = leerTotales(base, clave);
    const std::map<int, double> alicuotas = leerAlicuotas(base, clave.periodo);
    for (const auto& [codigo, facturacion] : totalesPorLicencia(base, clave)) {
        const auto dato = datos.find(codigo);
        if (dato == datos.end()) {
            problemas << QStringLiteral("Hay conceptos facturados de la licencia %1, que no existe.").arg(codigo);
            continue;
        }
        const QString nombre = QStringLiteral("La licencia %1 (%2)").arg(codigo).arg(dato->second.razonSocial);
        const auto total = totales.find(codigo);
        if (total == totales.end()) {
            problemas << nombre + QStringLiteral(" no tiene cargado su Total por Licencias.");
            continue;
        }
        const auto alicuota = alicuotas.find(dato->second.tipoServicio);
        if (alicuota == alicuotas.end()) {
            problemas << nombre
                             + QStringLiteral(" tiene un tipo de servicio (%1) sin alícuota vigente en el período %2.")
                                   .arg(dato->second.tipoServicio)
                                   .arg(textoPeriodoImpreso(clave.periodo));
            continue;
        }
        LicenciaLiquidada licencia;
        licencia.codigo = codigo;
        licencia.razonSocial = dato->second.razonSocial;
        licencia.tipoServicio = dato->second.tipoServicio;
        licencia.facturacion = facturacion;
        licencia.descuentos = total->second.descuentos;
        licencia.subtotal = std::max(0.0, facturacion.bruta - licencia.descuentos);
        licencia.alicuota = alicuota->second;
        licencia.impuesto = licencia.subtotal * licencia.alicuota / 100;
        licencia.exencion = total->second.exencion;
        licencia.numeroExencion = total->second.numero;
        licencia.articulo = total->second.articulo;
        licencia.porcentajeExento = total->second.porcentaje;
        licencia.exento = total->second.exento;
        TotalAPagar += licencia.total();
        licencias.push_back(std::move(licencia));
    }
}

}  // namespace veluma
