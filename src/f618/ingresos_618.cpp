#include "f618/ingresos_618.h"

#include "core/importes.h"
#include "core/numeros.h"
#include "core/transaction.h"
#include "f618/clave_618.h"

#include <QDate>
#include <QRegularExpression>

namespace veluma {

namespace {

std::vector<IngresoDia> leerFilas(Statement& consulta)
{
    std::vector<IngresoDia> filas;
    while (consulta.next())
        filas.push_back({int(consulta.integer(0).value_or(0)), int(consulta.integer(1).value_or(0)),
                         consulta.real(2).value_or(0), consulta.real(3).value_or(0)});
    return filas;
}

}  // namespace

QString tituloTipoIngreso(int tipoIngreso) { return QStringLiteral("Ingresos por ") + nombreTipoIngreso(tipoIngreso); }

QString nombreTipoIngreso(int tipoIngreso)
{
    return tipoIngreso == kIngresoAlquiler ? QStringLiteral("Alquiler") : QStringLiteral("Ventas");
}

void cls618Ingresos::AgregarIngresos(Database& base, const ClaveDDJJ& clave, int tipoIngreso) const
{
    Transaction transaccion(base);
    EliminarIngresos(base, clave, tipoIngreso, Dia);
    Statement alta = base.prepare(QStringLiteral(
        "INSERT INTO [618Ingresos] (Cuit, Periodo, Secuencia, CodInstituto, TipoIngreso, Dia, NetoCobrado, "
        "TotalCobrado) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
    alta.bindAll(clave.cuit, clave.periodo, clave.secuencia, clave.campo1, tipoIngreso, Dia, NetoCobrado, TotalCobrado);
    alta.run();
    transaccion.commit();
}

void cls618Ingresos::EliminarIngresos(Database& base, const ClaveDDJJ& clave, int tipoIngreso, int dia)
{
    Statement baja =
        prepararDe618(base, QStringLiteral("DELETE FROM [618Ingresos] WHERE %1 AND TipoIngreso=? AND Dia=?"), clave);
    baja.bind(5, tipoIngreso).bind(6, dia).run();
}

double cls618Ingresos::SumarTotalNetoCobrado(Database& base, const ClaveDDJJ& clave, int tipoIngreso)
{
    Statement suma = prepararDe618(
        base, QStringLiteral("SELECT SUM(NetoCobrado) FROM [618Ingresos] WHERE %1 AND TipoIngreso=?"), clave);
    suma.bind(5, tipoIngreso);
    return suma.next() ? suma.real(0).value_or(0) : 0;
}

std::vector<IngresoDia> cls618Ingresos::CargarData(Database& base, const ClaveDDJJ& clave, int tipoIngreso)
{
    Statement consulta =
        prepararDe618(base,
                      QStringLiteral("SELECT TipoIngreso, Dia, NetoCobrado, TotalCobrado FROM [618Ingresos] "
                                     "WHERE %1 AND TipoIngreso=? ORDER BY Dia"),
                      clave);
    consulta.bind(5, tipoIngreso);
    return leerFilas(consulta);
}

std::vector<IngresoDia> cls618Ingresos::GetAllInterfaz(Database& base, const ClaveDDJJ& clave)
{
    Statement consulta =
        prepararDe618(base,
                      QStringLiteral("SELECT TipoIngreso, Dia, NetoCobrado, TotalCobrado FROM [618Ingresos] "
                                     "WHERE %1 ORDER BY TipoIngreso, Dia"),
                      clave);
    return leerFilas(consulta);
}

void cls618Ingresos::ActualizarTotalPercepcionesEfectuadas(Database& base, const ClaveDDJJ& clave, int tipoIngreso)
{
    Transaction transaccion(base);
    const QString cantidad =
        tipoIngreso == kIngresoAlquiler ? QStringLiteral("VideogramasA") : QStringLiteral("VideogramasV");
    prepararDe618(
        base, QStringLiteral("UPDATE [618TotalPercepcionesEfectuadas] SET ") + cantidad + QStringLiteral("=0 WHERE %1"),
        clave)
        .run();
    // Only this declaration's row: another declaration's typed rates stay.
    prepararDe618(
        base,
        QStringLiteral("DELETE FROM [618TotalPercepcionesEfectuadas] WHERE %1 AND VideogramasV=0 AND VideogramasA=0"),
        clave)
        .run();
    transaccion.commit();
}

LecturaIngreso leerIngreso(const QString& dia, const QString& neto, const QString& total, int periodo)
{
    LecturaIngreso lectura;
    const auto fallo = [&lectura](LecturaIngreso::Campo campo, const QString& problema) {
        lectura.campo = campo;
        lectura.problema = problema;
        return lectura;
    };
    using Campo = LecturaIngreso::Campo;
    if (dia.trimmed().isEmpty())
        return fallo(Campo::Dia, QStringLiteral("Debe ingresar el día correspondiente."));
    static const QRegularExpression entero(QStringLiteral("^\\s*-?[0-9]{1,9}\\s*$"));
    if (!entero.match(dia).hasMatch())
        return fallo(Campo::Dia, QStringLiteral("El día debe ser un número entero."));
    lectura.dia = dia.trimmed().toInt();
    if (lectura.dia < 1 || lectura.dia > ultimoDiaDelPeriodo(periodo))
        return fallo(Campo::Dia, QStringLiteral("El día ingresado no corresponde al mes del periodo declarado."));
    if (neto.trimmed().isEmpty())
        return fallo(Campo::Neto, QStringLiteral("Debe ingresar el importe Neto Cobrado."));
    if (total.trimmed().isEmpty())
        return fallo(Campo::Total, QStringLiteral("Debe ingresar el importe Total Cobrado."));
    QString problema;
    const std::optional<double> importeNeto = leerImporte(neto, QStringLiteral("Neto Cobrado"), problema);
    if (!importeNeto)
        return fallo(Campo::Neto, problema);
    const std::optional<double> importeTotal = leerImporte(total, QStringLiteral("Total Cobrado"), problema);
    if (!importeTotal)
        return fallo(Campo::Total, problema);
    if (*importeTotal < *importeNeto)
        return fallo(Campo::Total, QStringLiteral("El importe Total Cobrado no puede ser inferior al Neto Cobrado."));
    lectura.neto = *importeNeto;
    lectura.total = *importeTotal;
    return lectura;
}

QString textoDiaExistente() { return QStringLiteral("El día que intenta ingresar ya existe."); }

int ultimoDiaDelPeriodo(int periodo)
{
    const QDate primero(periodo / 100, periodo % 100, 1);
    return primero.isValid() ? primero.daysInMonth() : 0;
}

}  // namespace veluma
