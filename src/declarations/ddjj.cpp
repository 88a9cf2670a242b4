#include "declarations/ddjj.h"

#include "core/database.h"
#include "core/fechas.h"
#include "core/mensajes.h"
#include "core/numeros.h"
#include "core/transaction.h"

#include <QStringList>

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

QString campo1De(Database& base, const ClaveDDJJ& clave)
{
    Statement consulta = buscarDeclaracion(base, QStringLiteral("CAMPO1"), clave);
    return consulta.next() ? consulta.text(0).value_or(QString()) : QString();
}

// Deletes the rows of one form table that belong to the declaration; `extra`
// adds the condition on the column that tells services or institutes apart.
template <class... Valor>
void borrarDeTabla(Database& base, const QString& tabla, const QString& extra, const QString& cuit, int periodo,
                   int secuencia, const Valor&... valores)
{
    base.prepare(QStringLiteral("DELETE FROM \"%1\" WHERE CUIT = ? AND PERIODO = ? AND SECUENCIA = ?%2")
                     .arg(tabla, extra))
        .bindAll(cuit, periodo, secuencia, valores...)
        .run();
}

const QStringList kTablas617 = {QStringLiteral("617CompSocietaria"), QStringLiteral("617Licencias"),
                                QStringLiteral("617LicenciasDetalle"), QStringLiteral("617LicenciasIngresoConceptos"),
                                QStringLiteral("617LicenciasTotalLicencias")};
const QStringList kTablas618 = {QStringLiteral("618Ingresos"), QStringLiteral("618TotalPercepcionesEfectuadas")};
const QStringList kTablas708 = {QStringLiteral("708ImpuestoDeterminado"), QStringLiteral("708PagoCuenta"),
                                QStringLiteral("708Salas")};

void borrarFormulario(Database& base, const QString& cuit, int periodo, int secuencia, int formulario,
                      const QString& campo1)
{
    switch (formulario) {
    case 617: {
        const double servicio = Val(campo1);
        for (const QString& tabla : kTablas617)
            borrarDeTabla(base, tabla, QStringLiteral(" AND ImpServicio = ?"), cuit, periodo, secuencia, servicio);
        break;
    }
    case 618:
        for (const QString& tabla : kTablas618)
            borrarDeTabla(base, tabla, QStringLiteral(" AND CodInstituto = ?"), cuit, periodo, secuencia, campo1);
        break;
    case 708:
        for (const QString& tabla : kTablas708)
            borrarDeTabla(base, tabla, QString(), cuit, periodo, secuencia);
        break;
    default:
        break;
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
        borrarFormulario(base, cuit, periodo, secuencia, formulario, campo1);
        transaccion.commit();
    } catch (const Error& error) {
        return error.descripcion();
    }
    return QString();
}

double clsDDJJ::ObtenerAlicuota(Database& base, const ClaveDDJJ& clave)
{
    return Val(campo1De(base, clave));
}

std::optional<QDateTime> clsDDJJ::ObtenerHoraDDJJ(Database& base, const ClaveDDJJ& clave)
{
    Statement consulta = buscarDeclaracion(base, QStringLiteral("HORA"), clave);
    if (!consulta.next() || consulta.isNull(0))
        return std::nullopt;
    return leerFechaIso(*consulta.text(0));
}

QString clsDDJJ::ObtenerCodigoInstituto(Database& base, const ClaveDDJJ& clave) { return campo1De(base, clave); }

}  // namespace veluma
