#include "core/fechas.h"
#include "core/sesion.h"
#include "f617/clave_617.h"
#include "f617/formulario_617.h"
#include "f617/licencias_617.h"
#include "intercambio/hoja_liquidacion.h"

#include <QDate>
#include <array>
#include <cmath>
#include <map>

namespace veluma {

namespace {

// The licences of the declaration, by code.
using LicenciasPorCodigo = std::map<qint64, FilaLicencia>;

LicenciasPorCodigo licenciasPorCodigo(Sesion& sesion)
{
    LicenciasPorCodigo licencias;
    for (FilaLicencia& fila : cls617Licencias::CargarGrilla(sesion.base, sesion.declaracion, OrdenLicencias::Codigo))
        licencias.emplace(fila.codigo, std::move(fila));
    return licencias;
}

// Null for a code no licence has.
const FilaLicencia* licenciaDe(const LicenciasPorCodigo& licencias, qint64 codigo)
{
    const auto licencia = licencias.find(codigo);
    return licencia != licencias.end() ? &licencia->second : nullptr;
}

QString razonSocial(const LicenciasPorCodigo& licencias, qint64 codigo)
{
    const FilaLicencia* licencia = licenciaDe(licencias, codigo);
    return licencia ? licencia->razonSocial : QString();
}

QVariant fechaOVacia(const QDate& fecha) { return fecha.isValid() ? QVariant(fecha) : QVariant(); }

Hoja hojaSocios(Sesion& sesion)
{
    Hoja hoja{QStringLiteral("Socios"),
              {{QStringLiteral("Código"), TipoColumna::Entero},
               {QStringLiteral("Nombre y apellido"), TipoColumna::Texto},
               {QStringLiteral("CUIT"), TipoColumna::Texto},
               {QStringLiteral("Porcentaje"), TipoColumna::Importe}},
              {}};
    Statement fila = prepararDe617(sesion.base,
                                   QStringLiteral("SELECT CodigoSocio, NombreApellido, CuitSocio, Porcentaje FROM "
                                                  "[617CompSocietaria] WHERE %1 ORDER BY CodigoSocio"),
                                   sesion.declaracion);
    while (fila.next())
        hoja.filas.push_back({fila.integer(0).value_or(0), fila.text(1).value_or(QString()),
                              fila.text(2).value_or(QString()), fila.real(3).value_or(0)});
    return hoja;
}

Hoja hojaLicencias(Sesion& sesion)
{
    Hoja hoja{QStringLiteral("Licencias"),
              {{QStringLiteral("Código"), TipoColumna::Entero},
               {QStringLiteral("Razón social"), TipoColumna::Texto},
               {QStringLiteral("Domicilio"), TipoColumna::Texto},
               {QStringLiteral("Tipo de servicio"), TipoColumna::Entero},
               {QStringLiteral("Inicio de actividades"), TipoColumna::Fecha}},
              {}};
    Statement fila = prepararDe617(sesion.base,
                                   QStringLiteral("SELECT CodigoLicencia, ApellidoNombre, Domicilio, TipoServicio, "
                                                  "InicioActividades FROM [617Licencias] WHERE %1 "
                                                  "ORDER BY CodigoLicencia"),
                                   sesion.declaracion);
    while (fila.next())
        hoja.filas.push_back({fila.integer(0).value_or(0), fila.text(1).value_or(QString()),
                              fila.text(2).value_or(QString()), fila.integer(3).value_or(0),
                              fechaOVacia(leerFechaGuardada(fila.text(4)))});
    return hoja;
}

// One row per act entered (a number or a date), by licence and act.
Hoja hojaDetalle(Sesion& sesion, const LicenciasPorCodigo& licencias)
{
    static const std::array<QString, kCantidadActos> kActos = {
        QStringLiteral("Resolución de licencia"), QStringLiteral("Resolución precaria"), QStringLiteral("Decreto"),
        QStringLiteral("Inscripción"), QStringLiteral("Reinscripción")};
    Hoja hoja{QStringLiteral("Detalle de licencias"),
              {{QStringLiteral("Licencia"), TipoColumna::Texto},
               {QStringLiteral("Acto"), TipoColumna::Texto},
               {QStringLiteral("Número"), TipoColumna::Entero},
               {QStringLiteral("Fecha"), TipoColumna::Fecha}},
              {}};
    Statement fila = prepararDe617(sesion.base,
                                   QStringLiteral("SELECT CodigoLicencia, %2 FROM [617LicenciasDetalle] WHERE %1 "
                                                  "ORDER BY CodigoLicencia")
                                       .arg(QStringLiteral("%1"), columnasDeActos()),
                                   sesion.declaracion);
    while (fila.next()) {
        const QString licencia = razonSocial(licencias, fila.integer(0).value_or(0));
        const std::array<ActoLicencia, kCantidadActos> actos = leerActos(fila, 1);
        for (std::size_t i = 0; i < actos.size(); ++i)
            if (actos[i].Numero != 0 || actos[i].Fecha.isValid())
                hoja.filas.push_back(
                    {licencia, kActos[i], qint64(std::llround(actos[i].Numero)), fechaOVacia(actos[i].Fecha)});
    }
    return hoja;
}

Hoja hojaConceptos(Sesion& sesion, const LicenciasPorCodigo& licencias)
{
    Hoja hoja{QStringLiteral("Conceptos"),
              {{QStringLiteral("Licencia"), TipoColumna::Texto},
               {QStringLiteral("Tipo de servicio"), TipoColumna::Entero},
               {QStringLiteral("Concepto"), TipoColumna::Entero},
               {QStringLiteral("Descripción"), TipoColumna::Texto},
               {QStringLiteral("Facturación bruta"), TipoColumna::Importe}},
              {}};
    std::map<qint64, QString> catalogo;
    for (ConceptoCatalogo& concepto : cls617LicIngresoConceptos::Catalogo(sesion.base))
        catalogo.emplace(concepto.codigo, std::move(concepto.descripcion));
    Statement fila = prepararDe617(sesion.base,
                                   QStringLiteral("SELECT CodigoLicencia, Concepto, FacturacionBruta FROM "
                                                  "[617LicenciasIngresoConceptos] WHERE %1 "
                                                  "ORDER BY CodigoLicencia, Concepto"),
                                   sesion.declaracion);
    while (fila.next()) {
        const FilaLicencia* licencia = licenciaDe(licencias, fila.integer(0).value_or(0));
        const qint64 concepto = fila.integer(1).value_or(0);
        const auto descripcion = catalogo.find(concepto);
        hoja.filas.push_back({licencia ? licencia->razonSocial : QString(),
                              licencia ? QVariant(qint64(licencia->tipoServicio)) : QVariant(), concepto,
                              descripcion != catalogo.end() ? descripcion->second : QString(),
                              fila.real(2).value_or(0)});
    }
    return hoja;
}

Hoja hojaTotales(Sesion& sesion, const LicenciasPorCodigo& licencias)
{
    Hoja hoja{QStringLiteral("Totales por licencia"),
              {{QStringLiteral("Licencia"), TipoColumna::Texto},
               {QStringLiteral("Descuentos y bonificaciones"), TipoColumna::Importe},
               {QStringLiteral("Exención"), TipoColumna::Entero},
               {QStringLiteral("Número"), TipoColumna::Entero},
               {QStringLiteral("Artículo"), TipoColumna::Entero},
               {QStringLiteral("Porcentaje exento"), TipoColumna::Importe},
               {QStringLiteral("Importe exento"), TipoColumna::Importe}},
              {}};
    Statement fila = prepararDe617(sesion.base,
                                   QStringLiteral("SELECT CodigoLicencia, DescuentosBonificaciones, "
                                                  "ExencionesOtorgadas, Numero, NroArticulo, Porcentaje, "
                                                  "ImporteExentoIngresar FROM [617LicenciasTotalLicencias] WHERE %1 "
                                                  "ORDER BY CodigoLicencia"),
                                   sesion.declaracion);
    while (fila.next())
        hoja.filas.push_back({razonSocial(licencias, fila.integer(0).value_or(0)), fila.real(1).value_or(0),
                              fila.integer(2).value_or(0), fila.integer(3).value_or(0), fila.integer(4).value_or(0),
                              fila.real(5).value_or(0), fila.real(6).value_or(0)});
    return hoja;
}

}  // namespace

std::vector<Hoja> Formulario617::hojasDeExportacion(Sesion& sesion) const
{
    const LicenciasPorCodigo licencias = licenciasPorCodigo(sesion);
    return {hojaSocios(sesion),
            hojaLicencias(sesion),
            hojaDetalle(sesion, licencias),
            hojaConceptos(sesion, licencias),
            hojaTotales(sesion, licencias),
            hojaDeLiquidacion(*this, sesion)};
}

}  // namespace veluma
