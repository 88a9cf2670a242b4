#include "f618/percepciones_618.h"

#include "core/decimal.h"
#include "core/numeros.h"
#include "core/transaction.h"
#include "f618/clave_618.h"

#include <cmath>

namespace veluma {

namespace {

// A count fills a 15-digit field.
constexpr double kVideogramasMaximo = 999999999999999;

bool esEntero(double valor)
{
    return std::floor(valor) == valor;
}

}  // namespace

void cls618TotalPercepciones::ObtenerSumaNetoCobrado(Database& base, const ClaveDDJJ& clave)
{
    NetoV = 0;
    NetoA = 0;
    Statement suma = prepararDe618(
        base, QStringLiteral("SELECT SUM(NetoCobrado), TipoIngreso FROM [618Ingresos] WHERE %1 GROUP BY TipoIngreso"),
        clave);
    while (suma.next()) {
        const qint64 tipo = suma.integer(1).value_or(-1);
        if (tipo == 0)
            NetoV = suma.real(0).value_or(0);
        else if (tipo == 1)
            NetoA = suma.real(0).value_or(0);
    }
}

void cls618TotalPercepciones::CargarObjeto(Database& base, const ClaveDDJJ& clave)
{
    ObtenerSumaNetoCobrado(base, clave);
    CargarCantidadesYTasas(base, clave);
}

void cls618TotalPercepciones::CargarCantidadesYTasas(Database& base, const ClaveDDJJ& clave)
{
    Statement fila = prepararDe618(base,
                                   QStringLiteral("SELECT VideogramasV, VideogramasA, TasaV, TasaA FROM "
                                                  "[618TotalPercepcionesEfectuadas] WHERE %1"),
                                   clave);
    if (fila.next()) {
        VideogramasV = NetoV != 0 ? fila.real(0).value_or(0) : 0;
        VideogramasA = NetoA != 0 ? fila.real(1).value_or(0) : 0;
        TasaV = NetoV != 0 ? fila.real(2).value_or(0) : 0;
        TasaA = NetoA != 0 ? fila.real(3).value_or(0) : 0;
    } else {
        VideogramasV = 0;
        VideogramasA = 0;
        TasaV = NetoV != 0 ? kTasaPorDefecto : 0;
        TasaA = NetoA != 0 ? kTasaPorDefecto : 0;
    }
    CalcularPercepcion();
}

void cls618TotalPercepciones::CalcularPercepcion()
{
    PercepcionV = VideogramasV != 0 && NetoV != 0 ? TasaV / 100 * NetoV : 0;
    PercepcionA = VideogramasA != 0 && NetoA != 0 ? TasaA / 100 * NetoA : 0;
    TotalADepositar = PercepcionV + PercepcionA;
}

void cls618TotalPercepciones::AgregarDatos(Database& base, const ClaveDDJJ& clave) const
{
    Transaction transaccion(base);
    prepararDe618(base, QStringLiteral("DELETE FROM [618TotalPercepcionesEfectuadas] WHERE %1"), clave).run();
    Statement alta = base.prepare(QStringLiteral(
        "INSERT INTO [618TotalPercepcionesEfectuadas] (Cuit, Periodo, Secuencia, CodInstituto, VideogramasV, "
        "VideogramasA, TasaV, TasaA) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
    alta.bindAll(clave.cuit, clave.periodo, clave.secuencia, clave.campo1, VideogramasV, VideogramasA, TasaV, TasaA);
    alta.run();
    transaccion.commit();
}

LecturaPercepciones leerPercepciones(const std::array<QString, 4>& cajas)
{
    static const QString tipos[] = {QStringLiteral("Ventas"), QStringLiteral("Alquiler")};
    LecturaPercepciones lectura;
    for (std::size_t i = 0; i < cajas.size(); ++i) {
        if (cajas[i].trimmed().isEmpty())
            continue;
        const std::optional<double> valor = leerNumero(cajas[i].trimmed());
        const QString& tipo = tipos[i % 2];
        const bool esCantidad = i < 2;
        if (esCantidad && (!valor || *valor < 0 || !esEntero(*valor) || *valor > kVideogramasMaximo))
            lectura.problema = QStringLiteral(
                                   "La cantidad de Videogramas en %1 debe ser un número entero entre 0 y "
                                   "999.999.999.999.999.")
                                   .arg(tipo);
        else if (!esCantidad && (!valor || *valor < 0 || *valor > 100 || Decimal(*valor).decimales() > 2))
            lectura.problema =
                QStringLiteral("La Tasa de %1 debe ser un número entre 0 y 100, con hasta dos decimales.").arg(tipo);
        if (!lectura.problema.isEmpty()) {
            lectura.campo = int(i);
            return lectura;
        }
        lectura.valores[i] = *valor;
    }
    return lectura;
}

}  // namespace veluma
