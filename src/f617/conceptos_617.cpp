#include "f617/conceptos_617.h"

#include "core/importes.h"
#include "f617/clave_617.h"

namespace veluma {

namespace {

// The group sums of the rows `%1` picks, one line per licence.
const QString kSumasPorGrupo = QStringLiteral(
    "SELECT CodigoLicencia, "
    "SUM(CASE WHEN Concepto BETWEEN 100 AND 108 THEN FacturacionBruta ELSE 0 END), "
    "SUM(CASE WHEN Concepto BETWEEN 109 AND 115 THEN FacturacionBruta ELSE 0 END), "
    "SUM(CASE WHEN Concepto BETWEEN 116 AND 117 THEN FacturacionBruta ELSE 0 END), "
    "SUM(CASE WHEN Concepto = 118 THEN FacturacionBruta ELSE 0 END), "
    "SUM(FacturacionBruta), COUNT(*) "
    "FROM [617LicenciasIngresoConceptos] WHERE %1 GROUP BY CodigoLicencia ORDER BY CodigoLicencia");

TotalesFacturacion leerSumas(const Statement& consulta)
{
    return {consulta.real(1).value_or(0), consulta.real(2).value_or(0), consulta.real(3).value_or(0),
            consulta.real(4).value_or(0), consulta.real(5).value_or(0), consulta.integer(6).value_or(0)};
}

}  // namespace

std::map<qint64, TotalesFacturacion> totalesPorLicencia(Database& base, const ClaveDDJJ& clave)
{
    std::map<qint64, TotalesFacturacion> totales;
    Statement consulta = prepararDe617(base, kSumasPorGrupo, clave);
    while (consulta.next())
        totales.emplace(consulta.integer(0).value_or(0), leerSumas(consulta));
    return totales;
}

TotalesFacturacion totalesDeLicencia(Database& base, const ClaveDDJJ& clave, qint64 licencia)
{
    Statement consulta = prepararDeLicencia(base, kSumasPorGrupo, clave, licencia);
    return consulta.next() ? leerSumas(consulta) : TotalesFacturacion{};
}

cls617LicIngresoConceptos::Guardado cls617LicIngresoConceptos::GuardarConcepto(Database& base, const ClaveDDJJ& clave,
                                                                               qint64 licencia, bool nuevo,
                                                                               qint64 anterior) const
{
    try {
        if (nuevo) {
            Statement alta = base.prepare(
                QStringLiteral("INSERT INTO [617LicenciasIngresoConceptos] (Cuit, Periodo, Secuencia, ImpServicio, "
                               "CodigoLicencia, Concepto, FacturacionBruta) VALUES (?, ?, ?, ?, ?, ?, ?)"));
            alta.bindAll(clave.cuit, clave.periodo, clave.secuencia, servicioDe(clave), licencia, Concepto,
                         FacturacionBruta);
            alta.run();
        } else {
            Statement cambio = prepararDeLicencia(
                base,
                QStringLiteral("UPDATE [617LicenciasIngresoConceptos] SET Concepto=?6, FacturacionBruta=?7 "
                               "WHERE %1 AND Concepto=?8"),
                clave, licencia);
            cambio.bind(6, Concepto).bind(7, FacturacionBruta).bind(8, anterior).run();
        }
    } catch (const DbError& error) {
        if (error.kind() != DbErrorKind::DuplicateKey)
            throw;
        return Guardado::Duplicado;
    }
    return Guardado::Hecho;
}

void cls617LicIngresoConceptos::EliminarConcepto(Database& base, const ClaveDDJJ& clave, qint64 licencia,
                                                 qint64 concepto)
{
    prepararDeLicencia(base, QStringLiteral("DELETE FROM [617LicenciasIngresoConceptos] WHERE %1 AND Concepto=?6"),
                       clave, licencia)
        .bind(6, concepto)
        .run();
}

void cls617LicIngresoConceptos::EliminarTodos(Database& base, const ClaveDDJJ& clave, qint64 licencia)
{
    prepararDeLicencia(base, QStringLiteral("DELETE FROM [617LicenciasIngresoConceptos] WHERE %1"), clave, licencia)
        .run();
}

std::vector<cls617LicIngresoConceptos> cls617LicIngresoConceptos::CargarConceptos(Database& base,
                                                                                  const ClaveDDJJ& clave,
                                                                                  qint64 licencia)
{
    Statement consulta = prepararDeLicencia(
        base,
        QStringLiteral("SELECT Concepto, FacturacionBruta FROM [617LicenciasIngresoConceptos] WHERE %1 "
                       "ORDER BY Concepto"),
        clave, licencia);
    std::vector<cls617LicIngresoConceptos> conceptos;
    while (consulta.next())
        conceptos.push_back({consulta.integer(0).value_or(0), consulta.real(1).value_or(0)});
    return conceptos;
}

std::vector<ConceptoCatalogo> cls617LicIngresoConceptos::Catalogo(Database& base)
{
    Statement consulta =
        base.prepare(QStringLiteral("SELECT Codigo, Descripcion FROM [617TablaConceptos] ORDER BY Codigo"));
    std::vector<ConceptoCatalogo> catalogo;
    while (consulta.next())
        catalogo.push_back({consulta.integer(0).value_or(0), consulta.text(1).value_or(QString())});
    return catalogo;
}

LecturaConcepto leerConcepto(qint64 concepto, const QString& facturacion)
{
    LecturaConcepto lectura;
    const auto fallo = [&lectura](LecturaConcepto::Campo campo, const QString& problema) {
        lectura.campo = campo;
        lectura.problema = problema;
        return lectura;
    };
    if (concepto == 0)
        return fallo(LecturaConcepto::Campo::Concepto, QStringLiteral("El concepto no es válido"));
    if (facturacion.trimmed().isEmpty())
        return fallo(LecturaConcepto::Campo::Facturacion, QStringLiteral("La facturación no puede ser cero"));
    QString problema;
    const std::optional<double> importe = leerImporte(facturacion, QStringLiteral("de Facturación"), problema);
    if (!importe)
        return fallo(LecturaConcepto::Campo::Facturacion, problema);
    if (*importe == 0)
        return fallo(LecturaConcepto::Campo::Facturacion, QStringLiteral("La facturación no puede ser cero"));
    lectura.concepto = {concepto, *importe};
    return lectura;
}

}  // namespace veluma
