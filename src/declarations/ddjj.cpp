#include "declarations/ddjj.h"

#include "core/database.h"
#include "core/fechas.h"
#include "core/mensajes.h"
#include "core/numeros.h"
#include "core/transaction.h"
#include "declarations/formulario.h"
#include "declarations/registro_formularios.h"

namespace veluma {

namespace {

// "199412" gives "121994".
QString mesYAnio(int periodo)
{
    const QString texto = QString::number(periodo);
    return texto.right(2) + texto.left(4);
}

QDateTime horaLeida(const Statement& fila, int columna)
{
    const std::optional<QString> texto = fila.text(columna);
    return texto ? leerFechaIso(*texto).value_or(QDateTime()) : QDateTime();
}

// The declaration's rows, the one with the lowest CAMPO1 first (two services
// of Form 617 share the rest of the key).
Statement buscarDeclaracion(Database& base, const QString& columnas, const ClaveDDJJ& clave)
{
    Statement consulta = base.prepare(QStringLiteral("SELECT %1 FROM DDJJ WHERE CUIT = ? AND PERIODO = ? "
                                                     "AND SECUENCIA = ? AND FORMULARIO = ? ORDER BY CAMPO1")
                                          .arg(columnas));
    consulta.bindAll(clave.cuit, clave.periodo, clave.secuencia, clave.formulario);
    return consulta;
}

// The rows of the form's tables that belong to the declaration, table by
// table in the form's order.
void borrarFormulario(Database& base, const ClaveDDJJ& clave)
{
    const Formulario* formulario = buscarFormulario(clave.formulario);
    if (!formulario)
        return;
    const QString columna = formulario->columnaDelValor();
    const QString condicion = columna.isEmpty() ? QString() : QStringLiteral(" AND \"%1\" = ?").arg(columna);
    for (const QString& tabla : formulario->tablas()) {
        Statement borrado = base.prepare(
            QStringLiteral("DELETE FROM \"%1\" WHERE CUIT = ? AND PERIODO = ? AND SECUENCIA = ?%2").arg(tabla, condicion));
        ligarClave(borrado, clave);
        if (!columna.isEmpty())
            borrado.bind(4, formulario->valorEnTablas(clave.campo1));
        borrado.run();
    }
}

}  // namespace

QString textoDDJJExistente() { return QStringLiteral("La Declaración Jurada que intenta ingresar ya existe."); }

std::vector<FilaDDJJ> clsDDJJ::Cargar(Database& base) const
{
    Statement consulta = base.prepare(QStringLiteral("SELECT CUIT, PERIODO, SECUENCIA, FORMULARIO, CAMPO1, HORA "
                                                     "FROM DDJJ WHERE CUIT = ? AND FORMULARIO = ? "
                                                     "ORDER BY PERIODO DESC, SECUENCIA DESC"));
    consulta.bindAll(Cuit, Formulario);
    std::vector<FilaDDJJ> filas;
    while (consulta.next()) {
        FilaDDJJ fila;
        fila.cuit = consulta.text(0).value_or(QString());
        fila.periodo = int(consulta.integer(1).value_or(0));
        fila.secuencia = int(consulta.integer(2).value_or(0));
        fila.formulario = int(consulta.integer(3).value_or(0));
        fila.campo1 = consulta.text(4).value_or(QString());
        fila.hora = horaLeida(consulta, 5);
        fila.periodo1 = mesYAnio(fila.periodo);
        filas.push_back(fila);
    }
    return filas;
}

QString clsDDJJ::Agregar(Database& base) const
{
    Statement insercion = base.prepare(QStringLiteral("INSERT INTO DDJJ (CUIT, PERIODO, SECUENCIA, FORMULARIO, "
                                                      "CAMPO1, HORA) VALUES (?, ?, ?, ?, ?, ?)"));
    const std::optional<QString> textoHora =
        hora.isValid() ? std::optional<QString>(fechaHoraIso(hora)) : std::nullopt;
    insercion.bindAll(Cuit, Periodo, Secuencia, Formulario, campo1, textoHora);
    try {
        insercion.run();
    } catch (const DbError& error) {
        if (error.kind() == DbErrorKind::DuplicateKey)
            return textoDDJJExistente();
        throw;
    }
    return QString();
}

bool clsDDJJ::BuscarDDJJ(Database& base, Mensajes& mensajes) const
{
    try {
        if (buscarDeclaracion(base, QStringLiteral("1"), {Cuit, Periodo, Secuencia, Formulario}).next()) {
            mensajes.MensajeAtencion(textoDDJJExistente());
            return false;
        }
        return true;
    } catch (const Error& error) {
        mensajes.MensajeError(error.descripcion(), error.numero());
        return false;
    }
}

QString clsDDJJ::Eliminar(Database& base, const QString& cuit, int periodo, int secuencia, int formulario,
                          const QString& campo1)
{
    try {
        Transaction transaccion(base);
        base.prepare(QStringLiteral("DELETE FROM DDJJ WHERE CUIT = ? AND PERIODO = ? AND SECUENCIA = ? "
                                    "AND FORMULARIO = ? AND CAMPO1 = ?"))
            .bindAll(cuit, periodo, secuencia, formulario, campo1)
            .run();
        borrarFormulario(base, {cuit, periodo, secuencia, formulario, campo1});
        transaccion.commit();
    } catch (const Error& error) {
        return error.descripcion();
    }
    return QString();
}

double clsDDJJ::ObtenerAlicuota(Database& base, const ClaveDDJJ& clave)
{
    return ObtenerAlicuotaYHora(base, clave).alicuota;
}

std::optional<QDateTime> clsDDJJ::ObtenerHoraDDJJ(Database& base, const ClaveDDJJ& clave)
{
    return ObtenerAlicuotaYHora(base, clave).hora;
}

std::optional<QDateTime> clsDDJJ::ObtenerHoraDelValor(Database& base, const ClaveDDJJ& clave)
{
    Statement consulta = base.prepare(QStringLiteral(
        "SELECT HORA FROM DDJJ WHERE CUIT = ? AND PERIODO = ? AND SECUENCIA = ? AND FORMULARIO = ? AND CAMPO1 = ?"));
    consulta.bindAll(clave.cuit, clave.periodo, clave.secuencia, clave.formulario, clave.campo1);
    if (!consulta.next() || consulta.isNull(0))
        return std::nullopt;
    return leerFechaIso(*consulta.text(0));
}

clsDDJJ::AlicuotaYHora clsDDJJ::ObtenerAlicuotaYHora(Database& base, const ClaveDDJJ& clave)
{
    Statement consulta = buscarDeclaracion(base, QStringLiteral("CAMPO1, HORA"), clave);
    AlicuotaYHora datos;
    if (!consulta.next())
        return datos;
    datos.alicuota = Val(consulta.text(0).value_or(QString()));
    if (!consulta.isNull(1))
        datos.hora = leerFechaIso(*consulta.text(1));
    return datos;
}

}  // namespace veluma
