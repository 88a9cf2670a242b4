#include "f708/impuesto_determinado.h"

#include "core/decimal.h"
#include "core/numeros.h"
#include "core/sql_texto.h"


namespace veluma {

namespace {

constexpr double kPrecioMaximo = 999999999.99;
// The submission record holds the tickets of a line in six digits.
constexpr qint64 kEntradasMaximas = 999999;

// Sums the rounded tax of each line the statement returns, in its order.
double sumarLineas(Statement& consulta, double alicuota)
{
    double total = 0;
    while (consulta.next()) {
        const double precioBasico = cls708ImpuestoDeterminado::PrecioBasico(consulta.real(0).value_or(0), alicuota);
        total +=
            cls708ImpuestoDeterminado::impuestodeterminado(precioBasico, consulta.integer(1).value_or(0), alicuota);
    }
    return total;
}

QString textoPrecioCero() { return QStringLiteral("El Precio de Venta debe ser mayor a cero."); }
QString textoEntradasCero() { return QStringLiteral("La cantidad de Entradas vendidas debe ser mayor a cero."); }
QString textoEntradasExcesivas()
{
    return QStringLiteral("La cantidad de Entradas vendidas no puede superar 999.999.");
}

}  // namespace

QString textoLineaExistente() { return QStringLiteral("El registro que está intentando Cargar ya Existe"); }

double cls708ImpuestoDeterminado::PrecioBasico(double precioVenta, double alicuota)
{
    return Decimal::quotient(Decimal(precioVenta * 100), Decimal(alicuota + 100), 4).toDouble();
}

double cls708ImpuestoDeterminado::impuestodeterminado(double precioBasico, qint64 entradas, double alicuota)
{
    const Decimal neto(double(entradas) * precioBasico);
    return (neto * Decimal(alicuota / 100)).rounded(2).toDouble();
}

double cls708ImpuestoDeterminado::TotalImpuestoSemana(Database& base, const ClaveDDJJ& clave, int semana, qint32 sala,
                                                      double alicuota)
{
    Statement consulta = base.prepare(QStringLiteral(
        "SELECT PRECIO_VENTA, CANT_ENTRADAS_POR_PRECIO_VENTA FROM [708ImpuestoDeterminado] "
        "WHERE CUIT=? AND PERIODO=? AND SECUENCIA=? AND NRO_SEMANA=? AND COD_SALA=? ORDER BY PRECIO_VENTA"));
    ligarClave(consulta, clave).bind(4, semana).bind(5, sala);
    return sumarLineas(consulta, alicuota);
}

double cls708ImpuestoDeterminado::TotalImpuestoMes(Database& base, const ClaveDDJJ& clave, qint32 sala, double alicuota)
{
    const QString condicionSala = sala != 0 ? QStringLiteral(" AND COD_SALA=?") : QString();
    Statement consulta = base.prepare(QStringLiteral("SELECT PRECIO_VENTA, CANT_ENTRADAS_POR_PRECIO_VENTA "
                                                     "FROM [708ImpuestoDeterminado] "
                                                     "WHERE CUIT=? AND PERIODO=? AND SECUENCIA=?%1 "
                                                     "ORDER BY COD_SALA, NRO_SEMANA, PRECIO_VENTA")
                                          .arg(condicionSala));
    ligarClave(consulta, clave);
    if (sala != 0)
        consulta.bind(4, sala);
    return sumarLineas(consulta, alicuota);
}

std::vector<LineaImpuesto> cls708ImpuestoDeterminado::GetAll(Database& base, const ClaveDDJJ& clave, int semana,
                                                             qint32 sala, const QString& campo,
                                                             const QString& direccion)
{
    Statement consulta = base.prepare(
        QStringLiteral("SELECT COD_SALA, NRO_SEMANA, PRECIO_VENTA, CANT_ENTRADAS_POR_PRECIO_VENTA "
                       "FROM [708ImpuestoDeterminado] "
                       "WHERE CUIT=? AND PERIODO=? AND SECUENCIA=? AND NRO_SEMANA=? AND COD_SALA=? ORDER BY %1 %2")
            .arg(columnaDeOrden(campo, {"PRECIO_VENTA", "CANT_ENTRADAS_POR_PRECIO_VENTA"}), direccionDeOrden(direccion)));
    ligarClave(consulta, clave).bind(4, semana).bind(5, sala);
    std::vector<LineaImpuesto> lineas;
    while (consulta.next())
        lineas.push_back({qint32(consulta.integer(0).value_or(0)), qint16(consulta.integer(1).value_or(0)),
                          consulta.real(2).value_or(0), qint32(consulta.integer(3).value_or(0))});
    return lineas;
}

std::array<bool, 4> cls708ImpuestoDeterminado::SemanasConEntradas(Database& base, const ClaveDDJJ& clave, qint32 sala)
{
    Statement consulta = base.prepare(QStringLiteral("SELECT DISTINCT NRO_SEMANA FROM [708ImpuestoDeterminado] "
                                                     "WHERE CUIT=? AND PERIODO=? AND SECUENCIA=? AND COD_SALA=?"));
    ligarClave(consulta, clave).bind(4, sala);
    std::array<bool, 4> semanas{};
    while (consulta.next())
        if (const qint64 semana = consulta.integer(0).value_or(0); semana >= 1 && semana <= 4)
            semanas[std::size_t(semana - 1)] = true;
    return semanas;
}

void cls708ImpuestoDeterminado::Eliminar(Database& base, const ClaveDDJJ& clave, int semana, qint32 sala,
                                         double precioVenta)
{
    Statement baja = base.prepare(QStringLiteral(
        "DELETE FROM [708ImpuestoDeterminado] "
        "WHERE CUIT=? AND PERIODO=? AND SECUENCIA=? AND NRO_SEMANA=? AND COD_SALA=? AND PRECIO_VENTA=?"));
    ligarClave(baja, clave).bind(4, semana).bind(5, sala).bind(6, precioVenta);
    baja.run();
}

void cls708ImpuestoDeterminado::EliminarSemana(Database& base, const ClaveDDJJ& clave, int semana, qint32 sala)
{
    Statement baja = base.prepare(QStringLiteral("DELETE FROM [708ImpuestoDeterminado] "
                                                 "WHERE CUIT=? AND PERIODO=? AND SECUENCIA=? AND NRO_SEMANA=? "
                                                 "AND COD_SALA=?"));
    ligarClave(baja, clave).bind(4, semana).bind(5, sala);
    baja.run();
}

QString cls708ImpuestoDeterminado::Agregar(Database& base) const
{
    try {
        Statement alta = base.prepare(QStringLiteral(
            "INSERT INTO [708ImpuestoDeterminado] (CUIT, PERIODO, SECUENCIA, COD_SALA, PRECIO_VENTA, NRO_SEMANA, "
            "CANT_ENTRADAS_POR_PRECIO_VENTA) VALUES (?, ?, ?, ?, ?, ?, ?)"));
        alta.bindAll(Cuit, Periodo, int(Secuencia), CodSala, PrecioVenta, int(NroSemana), qint64(EntradasVendidas));
        alta.run();
        return {};
    } catch (const DbError& error) {
        return mensajeDeFallo(error, textoLineaExistente());
    }
}

QString cls708ImpuestoDeterminado::Modificar(Database& base, int semana, qint32 sala, double precioVenta) const
{
    try {
        Statement cambio = base.prepare(QStringLiteral(
            "UPDATE [708ImpuestoDeterminado] SET COD_SALA=?, PRECIO_VENTA=?, NRO_SEMANA=?, "
            "CANT_ENTRADAS_POR_PRECIO_VENTA=? "
            "WHERE CUIT=? AND PERIODO=? AND SECUENCIA=? AND NRO_SEMANA=? AND COD_SALA=? AND PRECIO_VENTA=?"));
        cambio.bindAll(CodSala, PrecioVenta, int(NroSemana), qint64(EntradasVendidas));
        ligarClave(cambio, ClaveDDJJ{Cuit, Periodo, Secuencia, 708}, 5)
            .bind(8, semana)
            .bind(9, sala)
            .bind(10, precioVenta);
        cambio.run();
        if (base.changes() == 0)
            return QStringLiteral("El registro que está intentando Modificar no Existe");
        return {};
    } catch (const DbError& error) {
        return mensajeDeFallo(error, textoLineaExistente());
    }
}

void cls708ImpuestoDeterminado::GetImpuesto(const LineaImpuesto& linea)
{
    CodSala = linea.codSala;
    NroSemana = linea.nroSemana;
    PrecioVenta = linea.precioVenta;
    EntradasVendidas = linea.entradas;
}

QString cls708ImpuestoDeterminado::ValidarDatos() const
{
    if (!(PrecioVenta > 0))
        return textoPrecioCero();
    if (!(EntradasVendidas > 0))
        return textoEntradasCero();
    if (EntradasVendidas > kEntradasMaximas)
        return textoEntradasExcesivas();
    return {};
}

LecturaLineaImpuesto leerLineaImpuesto(const QString& precioVenta, const QString& entradas)
{
    LecturaLineaImpuesto lectura;
    if (!precioVenta.trimmed().isEmpty()) {
        const std::optional<double> precio = leerNumero(precioVenta);
        if (!precio || Decimal(*precio).decimales() > 2) {
            lectura.problema = QStringLiteral("El Precio de Venta debe ser un número con hasta dos decimales.");
            return lectura;
        }
        if (*precio > kPrecioMaximo) {
            lectura.problema = QStringLiteral("El Precio de Venta no puede superar 999.999.999,99.");
            return lectura;
        }
        lectura.precioVenta = *precio;
    }
    if (!(lectura.precioVenta > 0)) {
        lectura.problema = textoPrecioCero();
        return lectura;
    }
    if (!entradas.trimmed().isEmpty()) {
        const std::optional<double> cantidad = leerNumero(entradas);
        if (!cantidad || Decimal(*cantidad).decimales() > 0) {
            lectura.problema = QStringLiteral("La cantidad de Entradas vendidas debe ser un número entero.");
            return lectura;
        }
        lectura.entradas = *cantidad;
    }
    cls708ImpuestoDeterminado linea;
    linea.PrecioVenta = lectura.precioVenta;
    linea.EntradasVendidas = lectura.entradas;
    lectura.problema = linea.ValidarDatos();
    return lectura;
}

}  // namespace veluma
