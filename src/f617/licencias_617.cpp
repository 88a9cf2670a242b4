#include "f617/licencias_617.h"

#include "core/caracteres.h"
#include "core/fechas.h"
#include "core/transaction.h"
#include "f617/clave_617.h"

#include <optional>

namespace veluma {

namespace {

constexpr int kLargoTexto = 40;  // of the razón social and the address

// The licence and, after it, the rows that hang from it: of one licence, or
// of every licence of the declaration.
void eliminarLicencias(Database& base, const ClaveDDJJ& clave, std::optional<qint64> licencia)
{
    Transaction transaccion(base);
    for (const char* tabla :
         {"617Licencias", "617LicenciasDetalle", "617LicenciasIngresoConceptos", "617LicenciasTotalLicencias"}) {
        const QString sql = QStringLiteral("DELETE FROM [%1] WHERE %2").arg(QLatin1String(tabla), QStringLiteral("%1"));
        if (licencia)
            prepararDeLicencia(base, sql, clave, *licencia).run();
        else
            prepararDe617(base, sql, clave).run();
    }
    transaccion.commit();
}

}  // namespace

void cls617Licencias::CalcularTotales(Database& base) { facturacion = totalesDeLicencia(base, clave, CodigoLicencia); }

void cls617Licencias::CargarLicencias(Database& base)
{
    Statement consulta = prepararDeLicencia(
        base,
        QStringLiteral("SELECT ApellidoNombre, Domicilio, TipoServicio, InicioActividades FROM [617Licencias] "
                       "WHERE %1"),
        clave, CodigoLicencia);
    if (!consulta.next())
        throw Error(kErrorArgumentoNoValido,
                    QStringLiteral("La licencia %1 no existe en la declaración jurada.").arg(CodigoLicencia));
    ApellidoNombre = consulta.text(0).value_or(QString());
    Domicilio = consulta.text(1).value_or(QString());
    TipoServicio = int(consulta.integer(2).value_or(0));
    InicioActividades = leerFechaGuardada(consulta.text(3));

    Detalle.CargarDatos(base, clave, CodigoLicencia);
    Totales.CargarDatos(base, clave, CodigoLicencia, TipoServicio);
    CalcularTotales(base);
}

void cls617Licencias::EliminarLicencia(Database& base) const { eliminarLicencias(base, clave, CodigoLicencia); }

void cls617Licencias::EliminarTodas(Database& base, const ClaveDDJJ& clave) { eliminarLicencias(base, clave, {}); }

bool cls617Licencias::BuscarDuplicado(Database& base) const
{
    Statement consulta = prepararDe617(
        base, QStringLiteral("SELECT 1 FROM [617Licencias] WHERE %1 AND ApellidoNombre=?6 AND TipoServicio=?7"), clave);
    consulta.bind(6, ApellidoNombre).bind(7, TipoServicio);
    return consulta.next();
}

qint64 cls617Licencias::ObtenerProximoCodigoLicencia(Database& base) const
{
    Statement consulta =
        prepararDe617(base, QStringLiteral("SELECT MAX(CodigoLicencia) FROM [617Licencias] WHERE %1"), clave);
    return consulta.next() ? consulta.integer(0).value_or(0) + 1 : 1;
}

void cls617Licencias::GuardarLicencia(Database& base, bool nuevo)
{
    const std::optional<QString> inicio =
        InicioActividades.isValid() ? std::optional<QString>(fechaIso(InicioActividades)) : std::nullopt;
    Transaction transaccion(base);
    if (nuevo) {
        const qint64 codigo = ObtenerProximoCodigoLicencia(base);
        Statement alta = base.prepare(QStringLiteral(
            "INSERT INTO [617Licencias] (Cuit, Periodo, Secuencia, ImpServicio, CodigoLicencia, ApellidoNombre, "
            "TipoServicio, Domicilio, InicioActividades) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        alta.bindAll(clave.cuit, clave.periodo, clave.secuencia, servicioDe(clave), codigo, ApellidoNombre,
                     TipoServicio, Domicilio, inicio);
        alta.run();
        CodigoLicencia = codigo;
    } else {
        Statement cambio = prepararDeLicencia(
            base,
            QStringLiteral("UPDATE [617Licencias] SET ApellidoNombre=?6, TipoServicio=?7, Domicilio=?8, "
                           "InicioActividades=?9 WHERE %1"),
            clave, CodigoLicencia);
        cambio.bind(6, ApellidoNombre).bind(7, TipoServicio).bind(8, Domicilio).bind(9, inicio).run();
    }
    transaccion.commit();
    CalcularTotales(base);
}

std::vector<FilaLicencia> cls617Licencias::CargarGrilla(Database& base, const ClaveDDJJ& clave, OrdenLicencias orden)
{
    QString ordenSql = QStringLiteral("CodigoLicencia");
    switch (orden) {
        case OrdenLicencias::Codigo: break;
        case OrdenLicencias::RazonSocialAsc: ordenSql = QStringLiteral("ApellidoNombre ASC"); break;
        case OrdenLicencias::RazonSocialDesc: ordenSql = QStringLiteral("ApellidoNombre DESC"); break;
        case OrdenLicencias::DomicilioAsc: ordenSql = QStringLiteral("Domicilio ASC"); break;
        case OrdenLicencias::DomicilioDesc: ordenSql = QStringLiteral("Domicilio DESC"); break;
    }
    Statement consulta = prepararDe617(
        base,
        QStringLiteral("SELECT CodigoLicencia, ApellidoNombre, Domicilio, TipoServicio FROM [617Licencias] WHERE %1 "
                       "ORDER BY ")
            + ordenSql + QStringLiteral(", CodigoLicencia"),
        clave);
    std::vector<FilaLicencia> filas;
    while (consulta.next())
        filas.push_back({consulta.integer(0).value_or(0), consulta.text(1).value_or(QString()),
                         consulta.text(2).value_or(QString()), int(consulta.integer(3).value_or(0))});
    return filas;
}

std::vector<TipoDeServicio> cls617Licencias::TiposDeServicio(Database& base, const ClaveDDJJ& clave)
{
    Statement consulta = base.prepare(
        QStringLiteral("SELECT Codigo, Descripcion FROM [617TablaDenom] WHERE impuesto=? AND VigenciaDesde <= ? "
                       "AND VigenciaHasta >= ? ORDER BY Codigo"));
    const QString primerDia = fechaIso(QDate(clave.periodo / 100, clave.periodo % 100, 1));
    consulta.bindAll(servicioDe(clave), primerDia, primerDia);
    std::vector<TipoDeServicio> tipos;
    while (consulta.next())
        tipos.push_back({int(consulta.integer(0).value_or(0)), consulta.text(1).value_or(QString())});
    return tipos;
}

LecturaLicencia ValidarLicencia(const cls617Licencias& licencia)
{
    using Campo = LecturaLicencia::Campo;
    const auto fallo = [](Campo campo, const QString& problema) { return LecturaLicencia{problema, campo}; };
    if (!licencia.InicioActividades.isValid())
        return fallo(Campo::Inicio, QStringLiteral("La fecha de Inicio de Actividades no es válida"));
    const int mesInicio = licencia.InicioActividades.year() * 100 + licencia.InicioActividades.month();
    if (mesInicio > licencia.clave.periodo)
        return fallo(Campo::Inicio, QStringLiteral("La fecha de Inicio de Actividades no puede ser\r\nmayor al "
                                                   "periodo de la Declaración Jurada."));
    const auto texto = [&](const QString& valor, Campo campo, const QString& vacio, const QString& nombre) {
        if (valor.trimmed().isEmpty())
            return fallo(campo, vacio);
        if (valor.size() > kLargoTexto)
            return fallo(campo, nombre + QStringLiteral(" no puede tener más de 40 caracteres"));
        if (tieneCaracteresDeControl(valor))
            return fallo(campo, nombre + QStringLiteral(" no puede tener saltos de línea ni tabulaciones"));
        return LecturaLicencia{};
    };
    if (LecturaLicencia razon =
            texto(licencia.ApellidoNombre, Campo::RazonSocial, QStringLiteral("Debe completar la razón social"),
                  QStringLiteral("La razón social"));
        !razon.problema.isEmpty())
        return razon;
    if (LecturaLicencia domicilio =
            texto(licencia.Domicilio, Campo::Domicilio, QStringLiteral("Debe completar el domicilio"),
                  QStringLiteral("El domicilio"));
        !domicilio.problema.isEmpty())
        return domicilio;
    if (licencia.TipoServicio == 0)
        return fallo(Campo::TipoServicio, QStringLiteral("Debe completar tipo de servicio"));
    return {};
}

}  // namespace veluma
