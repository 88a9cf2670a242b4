#include "f708/pago_cuenta.h"

#include "core/decimal.h"
#include "core/importes.h"
#include "core/numeros.h"
#include "core/sql_texto.h"
#include "core/transaction.h"

namespace veluma {

namespace {

QString textoPagoExistente() { return QStringLiteral("El pago a cuenta ya existe"); }

Statement consultarPago(Database& base, const ClaveDDJJ& clave)
{
    Statement consulta = base.prepare(QStringLiteral(
        "SELECT SEMANA1, SEMANA2, SEMANA3, SEMANA4 FROM [708PagoCuenta] WHERE CUIT=? AND PERIODO=? AND SECUENCIA=?"));
    ligarClave(consulta, clave);
    return consulta;
}

}  // namespace

void cls708PagoCuenta::GetPago(Database& base, const ClaveDDJJ& clave)
{
    Cuit = clave.cuit;
    Periodo = clave.periodo;
    Secuencia = qint16(clave.secuencia);
    const std::array<double, 4> semanas = GetPagoInterfaz(base, clave).value_or(std::array<double, 4>{});
    Semana1 = semanas[0];
    Semana2 = semanas[1];
    Semana3 = semanas[2];
    Semana4 = semanas[3];
}

std::optional<std::array<double, 4>> cls708PagoCuenta::GetPagoInterfaz(Database& base, const ClaveDDJJ& clave)
{
    Statement consulta = consultarPago(base, clave);
    if (!consulta.next())
        return std::nullopt;
    std::array<double, 4> semanas{};
    for (int i = 0; i < 4; ++i)
        semanas[std::size_t(i)] = consulta.real(i).value_or(0);
    return semanas;
}

QString cls708PagoCuenta::Agregar(Database& base) const
{
    try {
        Transaction transaccion(base);
        const ClaveDDJJ clave{Cuit, Periodo, Secuencia, 708};
        Eliminar(base, clave);
        Statement alta = base.prepare(
            QStringLiteral("INSERT INTO [708PagoCuenta] (CUIT, PERIODO, SECUENCIA, SEMANA1, SEMANA2, SEMANA3, SEMANA4) "
                           "VALUES (?, ?, ?, ?, ?, ?, ?)"));
        // Currency keeps four decimals.
        alta.bindAll(Cuit, Periodo, int(Secuencia), redondear(Semana1, 4), redondear(Semana2, 4), redondear(Semana3, 4),
                     redondear(Semana4, 4));
        alta.run();
        transaccion.commit();
        return {};
    } catch (const DbError& error) {
        return mensajeDeFallo(error, textoPagoExistente());
    }
}

void cls708PagoCuenta::Eliminar(Database& base, const ClaveDDJJ& clave)
{
    Statement baja =
        base.prepare(QStringLiteral("DELETE FROM [708PagoCuenta] WHERE CUIT=? AND PERIODO=? AND SECUENCIA=?"));
    ligarClave(baja, clave);
    baja.run();
}

LecturaPagos leerPagos(const std::array<QString, 4>& cajas)
{
    LecturaPagos lectura;
    for (std::size_t i = 0; i < cajas.size(); ++i) {
        if (cajas[i].trimmed().isEmpty())
            continue;
        const std::optional<double> importe = leerNumero(cajas[i]);
        const QString semana = QString::number(i + 1);
        if (!importe || *importe < 0 || Decimal(*importe).decimales() > 4) {
            lectura.problema = QStringLiteral("El Pago a Cuenta de la Semana %1 debe ser un importe positivo "
                                              "con hasta cuatro decimales.")
                                   .arg(semana);
            return lectura;
        }
        if (*importe > kImporteMaximo) {
            lectura.problema =
                QStringLiteral("El Pago a Cuenta de la Semana %1 no puede superar 9.999.999.999.999,99.").arg(semana);
            return lectura;
        }
        lectura.semanas[i] = *importe;
    }
    return lectura;
}

}  // namespace veluma
