#include "f617/detalle_617.h"

#include "core/fechas.h"
#include "core/transaction.h"
#include "f617/clave_617.h"

#include <optional>

namespace veluma {

const std::array<DescripcionActo, kCantidadActos>& actosDeLicencia()
{
    static const std::array<DescripcionActo, kCantidadActos> actos = {{
        {"NroResolucionLicencia", "FechaNroResolucionLicencia",
         QStringLiteral("Si completa el número de licencia debe completar la fecha"),
         QStringLiteral("Si completa la fecha de la licencia debe completar el número de licencia")},
        {"NroResolucionPrecaria", "FechaNroResolucionPrecaria",
         QStringLiteral("Si completa el número de resolución precaria debe completar la fecha"),
         QStringLiteral("Si completa la fecha de la resolución precaria debe completar el número de la resolución "
                        "precaria")},
        {"NroDecreto", "FechaNroDecreto",
         QStringLiteral("Si completa el número de decreto debe completar la fecha del mismo"),
         QStringLiteral("Si completa la fecha del decreto debe completar el número del mismo")},
        {"NroInscripcion", "FechaNroInscripcion",
         QStringLiteral("Si completa el número de la inscripción debe completar la fecha de la misma"),
         QStringLiteral("Si completa la fecha de la inscripción debe completar el número de la misma")},
        {"NroReInscripcion", "FechaNroReInscripcion",
         QStringLiteral("Si completa el número de la reinscripción debe completar la fecha de la misma"),
         QStringLiteral("Si completa la fecha de la reinscripción debe completar el número de la misma")},
    }};
    return actos;
}

QString columnasDeActos(const QString& prefijo)
{
    QStringList nombres;
    for (const DescripcionActo& acto : actosDeLicencia())
        nombres << prefijo + QLatin1String(acto.columnaNumero) << prefijo + QLatin1String(acto.columnaFecha);
    return nombres.join(QStringLiteral(", "));
}

std::array<ActoLicencia, kCantidadActos> leerActos(const Statement& fila, int primera)
{
    std::array<ActoLicencia, kCantidadActos> actos;
    for (int i = 0; i < kCantidadActos; ++i)
        actos[i] = {fila.real(primera + 2 * i).value_or(0), leerFechaGuardada(fila.text(primera + 2 * i + 1))};
    return actos;
}

void cls617DetalleLicencias::CargarDatos(Database& base, const ClaveDDJJ& clave, qint64 licencia)
{
    Statement consulta = prepararDeLicencia(
        base,
        QStringLiteral("SELECT %2 FROM [617LicenciasDetalle] WHERE %1").arg(QStringLiteral("%1"), columnasDeActos()),
        clave, licencia);
    actos = consulta.next() ? leerActos(consulta, 0) : std::array<ActoLicencia, kCantidadActos>{};
}

bool cls617DetalleLicencias::EstaVacio() const
{
    for (const ActoLicencia& acto : actos)
        if (acto.Numero != 0 || acto.Fecha.isValid())
            return false;
    return true;
}

void cls617DetalleLicencias::GuardarDatos(Database& base, const ClaveDDJJ& clave, qint64 licencia) const
{
    Transaction transaccion(base);
    prepararDeLicencia(base, QStringLiteral("DELETE FROM [617LicenciasDetalle] WHERE %1"), clave, licencia).run();
    Statement alta = base.prepare(QStringLiteral("INSERT INTO [617LicenciasDetalle] (Cuit, Periodo, Secuencia, "
                                                 "ImpServicio, CodigoLicencia, %1) VALUES (?, ?, ?, ?, ?%2)")
                                      .arg(columnasDeActos(), QStringLiteral(", ?").repeated(2 * kCantidadActos)));
    alta.bindAll(clave.cuit, clave.periodo, clave.secuencia, servicioDe(clave), licencia);
    for (int i = 0; i < kCantidadActos; ++i) {
        alta.bind(6 + 2 * i, actos[i].Numero);
        alta.bind(7 + 2 * i,
                  actos[i].Fecha.isValid() ? std::optional<QString>(fechaIso(actos[i].Fecha)) : std::nullopt);
    }
    alta.run();
    transaccion.commit();
}

ProblemaDetalle cls617DetalleLicencias::ValidarDetalle() const
{
    // A negative number fits neither rule and passes.
    for (int i = 0; i < kCantidadActos; ++i) {
        const ActoLicencia& acto = actos[i];
        if (acto.Numero > 0 && !acto.Fecha.isValid())
            return {actosDeLicencia()[i].sinFecha, i, true};
        if (acto.Numero == 0 && acto.Fecha.isValid())
            return {actosDeLicencia()[i].sinNumero, i, false};
    }
    return {};
}

}  // namespace veluma
