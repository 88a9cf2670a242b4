#include "f617/socios_617.h"

#include "core/caracteres.h"
#include "core/decimal.h"
#include "core/numeros.h"
#include "core/transaction.h"
#include "f617/clave_617.h"
#include "generation/codificacion.h"

#include <cmath>

namespace veluma {

namespace {

std::vector<Socio617> leerSocios(Database& base, const ClaveDDJJ& clave, const QString& orden)
{
    Statement consulta = prepararDe617(
        base,
        QStringLiteral("SELECT CodigoSocio, NombreApellido, CuitSocio, Porcentaje FROM [617CompSocietaria] "
                       "WHERE %1 ORDER BY ")
            + orden,
        clave);
    std::vector<Socio617> socios;
    while (consulta.next())
        socios.push_back({consulta.integer(0).value_or(0), consulta.text(1).value_or(QString()),
                          consulta.text(2).value_or(QString()), consulta.real(3).value_or(0)});
    return socios;
}

}  // namespace

void cls617CompSocietaria::GuardarSocio(Database& base, bool nuevo)
{
    Transaction transaccion(base);
    if (nuevo) {
        Statement maximo =
            prepararDe617(base, QStringLiteral("SELECT MAX(CodigoSocio) FROM [617CompSocietaria] WHERE %1"), clave);
        const qint64 codigo = maximo.next() ? maximo.integer(0).value_or(0) + 1 : 1;
        Statement alta = base.prepare(
            QStringLiteral("INSERT INTO [617CompSocietaria] (CUIT, Periodo, Secuencia, ImpServicio, CodigoSocio, "
                           "NombreApellido, CuitSocio, Porcentaje) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
        alta.bindAll(clave.cuit, clave.periodo, clave.secuencia, servicioDe(clave), codigo, NombreApellido, CuitSocio,
                     Porcentaje);
        alta.run();
        CodigoSocio = codigo;
    } else {
        Statement cambio = prepararDe617(
            base,
            QStringLiteral("UPDATE [617CompSocietaria] SET NombreApellido=?6, CuitSocio=?7, Porcentaje=?8 "
                           "WHERE %1 AND CodigoSocio=?5"),
            clave);
        cambio.bind(5, CodigoSocio).bind(6, NombreApellido).bind(7, CuitSocio).bind(8, Porcentaje).run();
    }
    transaccion.commit();
}

void cls617CompSocietaria::EliminarSocio(Database& base) const
{
    Statement baja =
        prepararDe617(base, QStringLiteral("DELETE FROM [617CompSocietaria] WHERE %1 AND CodigoSocio=?5"), clave);
    baja.bind(5, CodigoSocio).run();
}

bool cls617CompSocietaria::BuscarDuplicado(Database& base) const
{
    Statement consulta =
        prepararDe617(base, QStringLiteral("SELECT 1 FROM [617CompSocietaria] WHERE %1 AND CuitSocio=?5"), clave);
    consulta.bind(5, CuitSocio);
    return consulta.next();
}

QString cls617CompSocietaria::ValidarPorcentaje100(Database& base, bool final, bool modificando) const
{
    Statement consulta =
        prepararDe617(base,
                      QStringLiteral("SELECT COALESCE(SUM(Porcentaje), 0) FROM [617CompSocietaria] WHERE %1")
                          + (modificando ? QStringLiteral(" AND CuitSocio<>?5") : QString()),
                      clave);
    if (modificando)
        consulta.bind(5, CuitSocio);
    // Compared in hundredths, as the shares are kept: 33.33 + 33.33 + 33.34 is 100.
    const qint64 suma = std::llround((consulta.next() ? consulta.real(0).value_or(0) : 0) * 100);
    if (!final && suma + std::llround(Porcentaje * 100) > 10000)
        return QStringLiteral("La suma de los porcentajes no puede superar 100.");
    if (final && suma < 10000)
        return QStringLiteral("No se ha completado el 100 % de la Composición Societaria.");
    return {};
}

std::vector<Socio617> cls617CompSocietaria::CargarGrilla(Database& base, const ClaveDDJJ& clave)
{
    return leerSocios(base, clave, QStringLiteral("CodigoSocio"));
}

std::vector<Socio617> cls617CompSocietaria::GetAllInterfaz(Database& base, const ClaveDDJJ& clave)
{
    return leerSocios(base, clave, QStringLiteral("NombreApellido COLLATE GENERAL, CodigoSocio"));
}

void cls617CompSocietaria::EliminarTodos(Database& base, const ClaveDDJJ& clave)
{
    prepararDe617(base, QStringLiteral("DELETE FROM [617CompSocietaria] WHERE %1"), clave).run();
}

QString cls617CompSocietaria::ValidarTotalPorcentaje(Database& base, const ClaveDDJJ& clave)
{
    cls617CompSocietaria ninguno;
    ninguno.clave = clave;
    return ninguno.ValidarPorcentaje100(base, true);
}

LecturaSocio ValidarSocio(Database& base, const ClaveDDJJ& clave, const QString& cuit, const QString& nombre,
                          const QString& porcentaje, bool modificando)
{
    using Campo = LecturaSocio::Campo;
    LecturaSocio lectura;
    const auto fallo = [&lectura](Campo campo, const QString& problema) {
        lectura.campo = campo;
        lectura.problema = problema;
        return lectura;
    };
    cls617CompSocietaria& socio = lectura.socio;
    socio.clave = clave;
    socio.NombreApellido = nombre.trimmed();
    if (cuit.trimmed().isEmpty())
        return fallo(Campo::Cuit, QStringLiteral("Debe completar el Cuit del socio"));
    if (socio.NombreApellido.isEmpty())
        return fallo(Campo::Nombre, QStringLiteral("Debe completar el nombre del socio"));
    if (socio.NombreApellido.size() > kLargoNombreSocio)
        return fallo(Campo::Nombre,
                     QStringLiteral("El nombre del socio no puede tener más de %1 caracteres").arg(kLargoNombreSocio));
    if (tieneCaracteresDeControl(socio.NombreApellido))
        return fallo(Campo::Nombre,
                     QStringLiteral("El nombre del socio no puede tener saltos de línea ni tabulaciones"));
    const std::optional<double> participacion = leerNumero(porcentaje);
    if (porcentaje.trimmed().isEmpty() || participacion == 0.0)
        return fallo(Campo::Porcentaje, QStringLiteral("Debe completar el porcentaje de participación"));
    if (!participacion || *participacion < 0 || *participacion > 100 || Decimal(*participacion).decimales() > 2)
        return fallo(Campo::Porcentaje, QStringLiteral("El porcentaje de participación debe ser un número mayor que "
                                                       "0 y hasta 100, con hasta dos decimales."));
    socio.Porcentaje = *participacion;
    QString normalizado = cuit.trimmed();
    if (!ValidarCuit(normalizado, true, true, true, true))
        return fallo(Campo::Cuit, QStringLiteral("El Cuit del Socio no es válido"));
    // Always kept with its dashes: the same partner typed either way is one CUIT.
    QVariant valor = normalizado;
    socio.CuitSocio = FormatearCuit(valor, 1);
    if (QString suma = socio.ValidarPorcentaje100(base, false, modificando); !suma.isEmpty())
        return fallo(Campo::Porcentaje, suma);
    return lectura;
}

}  // namespace veluma
