#include "f617/totales_617.h"

#include "core/decimal.h"
#include "core/fechas.h"
#include "core/importes.h"
#include "core/numeros.h"
#include "core/transaction.h"
#include "f617/clave_617.h"

#include <QDate>
#include <QRegularExpression>

namespace veluma {

namespace {

constexpr qint64 kNumeroMaximo = 99999;  // five digits in the records
constexpr qint64 kArticuloMaximo = 999;  // three digits

std::optional<double> alicuota(Database& base, int tipoServicio, int periodo, const QString& vigencia)
{
    Statement consulta = base.prepare(QStringLiteral("SELECT Porcentaje FROM [617TablaDenom] WHERE Codigo=? AND ")
                                      + vigencia + QStringLiteral(" ORDER BY VigenciaDesde DESC LIMIT 1"));
    const QString primerDia = fechaIso(QDate(periodo / 100, periodo % 100, 1));
    consulta.bindAll(tipoServicio, primerDia, primerDia);
    if (!consulta.next())
        return std::nullopt;
    return consulta.real(0).value_or(0);
}

// A whole number of at most `maximo`, or nothing; empty reads 0.
std::optional<qint64> leerEntero(const QString& texto, qint64 maximo)
{
    if (texto.trimmed().isEmpty())
        return 0;
    static const QRegularExpression entero(QStringLiteral("^\\s*[0-9]{1,9}\\s*$"));
    if (!entero.match(texto).hasMatch())
        return std::nullopt;
    const qint64 valor = texto.trimmed().toLongLong();
    return valor <= maximo ? std::optional<qint64>(valor) : std::nullopt;
}

}  // namespace

std::optional<double> alicuotaVigente(Database& base, int tipoServicio, int periodo)
{
    return alicuota(base, tipoServicio, periodo, QStringLiteral("VigenciaDesde <= ? AND VigenciaHasta >= ?"));
}

std::optional<double> alicuotaVigenteEstricta(Database& base, int tipoServicio, int periodo)
{
    return alicuota(base, tipoServicio, periodo, QStringLiteral("VigenciaDesde < ? AND VigenciaHasta > ?"));
}

void cls617LicTotalLicencias::CargarDatos(Database& base, const ClaveDDJJ& clave, qint64 licencia, int tipoServicio)
{
    Statement consulta = prepararDeLicencia(
        base,
        QStringLiteral("SELECT DescuentosBonificaciones, ExencionesOtorgadas, Numero, NroArticulo, Porcentaje, "
                       "ImporteExentoIngresar FROM [617LicenciasTotalLicencias] WHERE %1"),
        clave, licencia);
    if (consulta.next()) {
        DescuentosBonificaciones = consulta.real(0).value_or(0);
        ExencionesOtorgadas = int(consulta.integer(1).value_or(0));
        Numero = consulta.integer(2).value_or(0);
        NroArticulo = consulta.integer(3).value_or(0);
        Porcentaje = consulta.real(4).value_or(0);
        ImporteExentoIngresar = consulta.real(5).value_or(0);
    } else {
        *this = {};
        GuardarDatos(base, clave, licencia);
    }
    Alicuota = alicuotaVigenteEstricta(base, tipoServicio, clave.periodo);
}

bool cls617LicTotalLicencias::HayDatos(Database& base, const ClaveDDJJ& clave, qint64 licencia)
{
    Statement consulta = prepararDeLicencia(base, QStringLiteral("SELECT 1 FROM [617LicenciasTotalLicencias] WHERE %1"),
                                            clave, licencia);
    return consulta.next();
}

bool cls617LicTotalLicencias::EstaVacio() const
{
    return ExencionesOtorgadas == 0 && DescuentosBonificaciones == 0 && Numero == 0 && NroArticulo == 0
           && Porcentaje == 0;
}

void cls617LicTotalLicencias::GuardarDatos(Database& base, const ClaveDDJJ& clave, qint64 licencia) const
{
    const bool conExencion = ExencionesOtorgadas >= 1;
    Transaction transaccion(base);
    prepararDeLicencia(base, QStringLiteral("DELETE FROM [617LicenciasTotalLicencias] WHERE %1"), clave, licencia)
        .run();
    Statement alta = base.prepare(QStringLiteral(
        "INSERT INTO [617LicenciasTotalLicencias] (Cuit, Periodo, Secuencia, ImpServicio, CodigoLicencia, "
        "DescuentosBonificaciones, ExencionesOtorgadas, Numero, NroArticulo, Porcentaje, ImporteExentoIngresar) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    alta.bindAll(clave.cuit, clave.periodo, clave.secuencia, servicioDe(clave), licencia, DescuentosBonificaciones,
                 ExencionesOtorgadas, conExencion ? Numero : 0, conExencion ? NroArticulo : 0,
                 conExencion ? Porcentaje : 0.0, conExencion ? ImporteExentoIngresar : 0.0);
    alta.run();
    transaccion.commit();
}

double cls617LicTotalLicencias::SubTotal(double facturacionBruta) const
{
    const double diferencia = facturacionBruta - DescuentosBonificaciones;
    return diferencia >= 0 ? diferencia : 0;
}

double cls617LicTotalLicencias::ImpuestoIngresar(double facturacionBruta) const
{
    return Alicuota.value_or(0) / 100 * SubTotal(facturacionBruta);
}

QString cls617LicTotalLicencias::ValidarTotales(double facturacionBruta) const
{
    if (ExencionesOtorgadas > 0 && ImporteExentoIngresar > ImpuestoIngresar(facturacionBruta))
        return QStringLiteral("El Importe exento a ingresar es inválido");
    return {};
}

std::vector<ExencionCatalogo> cls617LicTotalLicencias::Exenciones(Database& base)
{
    Statement consulta =
        base.prepare(QStringLiteral("SELECT codigo, descripcion FROM [617TablaExencion] ORDER BY codigo"));
    std::vector<ExencionCatalogo> exenciones;
    while (consulta.next())
        exenciones.push_back({int(consulta.integer(0).value_or(0)), consulta.text(1).value_or(QString())});
    return exenciones;
}

LecturaTotales leerTotales(double facturacionBruta, const QString& descuentos, int exencion, const QString& numero,
                           const QString& articulo, const QString& porcentaje, const QString& exento)
{
    LecturaTotales lectura;
    using Campo = LecturaTotales::Campo;
    const auto fallo = [&lectura](Campo campo, const QString& problema) {
        lectura.campo = campo;
        lectura.problema = problema;
        return lectura;
    };
    cls617LicTotalLicencias& totales = lectura.totales;
    QString problema;
    const auto importe = [&problema](const QString& texto, const QString& nombre) {
        return texto.trimmed().isEmpty() ? std::optional<double>(0) : leerImporte(texto, nombre, problema);
    };
    const std::optional<double> descuento = importe(descuentos, QStringLiteral("de Descuentos y Bonificaciones"));
    if (!descuento)
        return fallo(Campo::Descuentos, problema);
    if (*descuento > facturacionBruta && *descuento > 0)
        return fallo(Campo::Descuentos,
                     QStringLiteral("Los Descuentos y Bonificaciones no pueden superar la Facturación Bruta."));
    totales.DescuentosBonificaciones = *descuento;
    totales.ExencionesOtorgadas = exencion;
    if (exencion == 0)
        return lectura;
    const std::optional<qint64> instrumento = leerEntero(numero, kNumeroMaximo);
    if (!instrumento)
        return fallo(Campo::Numero, QStringLiteral("El Número debe ser un número entero de hasta 5 cifras."));
    const std::optional<qint64> nroArticulo = leerEntero(articulo, kArticuloMaximo);
    if (!nroArticulo)
        return fallo(Campo::Articulo,
                     QStringLiteral("El Número de Artículo debe ser un número entero de hasta 3 cifras."));
    const std::optional<double> tasa =
        porcentaje.trimmed().isEmpty() ? std::optional<double>(0) : leerNumero(porcentaje.trimmed());
    if (!tasa || *tasa < 0 || *tasa > 100 || Decimal(*tasa).decimales() > 2)
        return fallo(Campo::Porcentaje,
                     QStringLiteral("El Porcentaje debe ser un número entre 0 y 100 con hasta dos decimales."));
    const std::optional<double> montoExento = importe(exento, QStringLiteral("exento"));
    if (!montoExento)
        return fallo(Campo::Exento, problema);
    totales.Numero = *instrumento;
    totales.NroArticulo = *nroArticulo;
    totales.Porcentaje = *tasa;
    totales.ImporteExentoIngresar = *montoExento;
    return lectura;
}

}  // namespace veluma
