#include "f617/importacion_617.h"

#include "core/numeros.h"
#include "f617/clave_617.h"
#include "f617/conceptos_617.h"
#include "f617/licencias_617.h"

namespace veluma {

namespace {

enum Campo { kLicencia, kTipo, kConcepto, kFacturacion };

QString nombreComparable(const QString& nombre) { return nombre.simplified().toCaseFolded(); }

QString claveDeConcepto(qint64 licencia, qint64 concepto)
{
    return QStringLiteral("%1|%2").arg(licencia).arg(concepto);
}

}  // namespace

ImportadorConceptos617::ImportadorConceptos617(Database& base, const ClaveDDJJ& clave, std::optional<qint64> licencia)
    : clave_(clave), licencia_(licencia)
{
    for (const FilaLicencia& fila : cls617Licencias::CargarGrilla(base, clave, OrdenLicencias::Codigo)) {
        licenciasPorNombre_[nombreComparable(fila.razonSocial)].push_back(
            {fila.codigo, fila.tipoServicio, fila.razonSocial});
        nombres_.insert(fila.codigo, fila.razonSocial);
        tipoDe_.insert(fila.codigo, fila.tipoServicio);
    }
    for (const ConceptoCatalogo& concepto : cls617LicIngresoConceptos::Catalogo(base))
        catalogo_.insert(concepto.codigo, concepto.descripcion);
    Statement consulta = prepararDe617(
        base, QStringLiteral("SELECT CodigoLicencia, Concepto FROM [617LicenciasIngresoConceptos] WHERE %1"), clave);
    while (consulta.next())
        cargadas_.insert(claveDeConcepto(consulta.integer(0).value_or(0), consulta.integer(1).value_or(0)));
}

std::vector<CampoImportacion> ImportadorConceptos617::campos() const
{
    return {
        {QStringLiteral("licencia"), QStringLiteral("Licencia"), {QStringLiteral("Razón Social")}, !licencia_},
        {QStringLiteral("tipo"), QStringLiteral("Tipo de servicio"), {QStringLiteral("Tipo")}, false},
        {QStringLiteral("concepto"), QStringLiteral("Concepto"), {QStringLiteral("Código de concepto")}},
        {QStringLiteral("facturacion"),
         QStringLiteral("Facturación bruta"),
         {QStringLiteral("Facturación"), QStringLiteral("Importe")},
         true,
         true},
    };
}

QString ImportadorConceptos617::problemaDeLicencia(const QString& nombre, const QString& tipo, qint64& codigo) const
{
    const std::vector<Licencia> conEseNombre = licenciasPorNombre_.value(nombreComparable(nombre));
    std::vector<Licencia> candidatas;
    for (const Licencia& licencia : conEseNombre)
        if (tipo.isEmpty() || tipo == QString::number(licencia.tipoServicio))
            candidatas.push_back(licencia);
    if (candidatas.empty())
        return tipo.isEmpty() || conEseNombre.empty()
                   ? QStringLiteral("La declaración no tiene la licencia %1.").arg(nombre)
                   : QStringLiteral("La licencia %1 no es del tipo de servicio %2.").arg(nombre, tipo);
    if (candidatas.size() > 1)
        return QStringLiteral("La declaración tiene más de una licencia %1: indique el tipo de servicio.").arg(nombre);
    codigo = candidatas.front().codigo;
    return {};
}

LineaLeida ImportadorConceptos617::leer(const QStringList& valores) const
{
    LineaLeida linea;
    linea.mostrada = valores;
    qint64 licencia = licencia_.value_or(0);
    if (!valores[kLicencia].isEmpty() || !licencia_) {
        if (valores[kLicencia].isEmpty()) {
            linea.problema = QStringLiteral("Falta la licencia.");
            return linea;
        }
        linea.problema = problemaDeLicencia(valores[kLicencia], valores[kTipo], licencia);
        if (!linea.problema.isEmpty())
            return linea;
    }
    linea.mostrada[kLicencia] = nombres_.value(licencia);

    // The screen offers only the catalogue's concepts: any other is no concept.
    bool esNumero = false;
    const qint64 concepto = valores[kConcepto].toLongLong(&esNumero);
    const bool delCatalogo = esNumero && catalogo_.contains(concepto);
    const LecturaConcepto lectura = leerConcepto(delCatalogo ? concepto : 0, valores[kFacturacion]);
    if (!lectura.problema.isEmpty()) {
        linea.problema = lectura.problema;
        return linea;
    }
    linea.mostrada[kTipo] = QString::number(tipoDe_.value(licencia));
    linea.mostrada[kConcepto] = QStringLiteral("%1 - %2").arg(concepto).arg(catalogo_.value(concepto));
    linea.mostrada[kFacturacion] =
        formatearNumero(lectura.concepto.FacturacionBruta, QStringLiteral("#,###,###,###,##0.00"));
    linea.clave = claveDeConcepto(licencia, concepto);
    linea.datos = {licencia, concepto, lectura.concepto.FacturacionBruta};
    return linea;
}

QString ImportadorConceptos617::textoRepetida() const
{
    return QStringLiteral("El Concepto que intenta agregar ya existe.");
}

QString ImportadorConceptos617::destinoDeFila() const
{
    return QStringLiteral(
        "INTO [617LicenciasIngresoConceptos] (Cuit, Periodo, Secuencia, "
        "ImpServicio, CodigoLicencia, Concepto, FacturacionBruta) VALUES (?, ?, ?, ?, ?, ?, ?)");
}

std::vector<QVariant> ImportadorConceptos617::valoresDeLaDeclaracion() const
{
    return {clave_.cuit, clave_.periodo, clave_.secuencia, servicioDe(clave_)};
}

}  // namespace veluma
