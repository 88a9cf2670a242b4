#include "f617/copia_617.h"

#include "core/caracteres.h"
#include "core/database.h"
#include "core/mensajes.h"
#include "core/numeros.h"
#include "core/reloj.h"
#include "core/transaction.h"
#include "declarations/ddjj.h"
#include "declarations/validacion_ddjj.h"
#include "f617/clave_617.h"
#include "f617/formulario_617.h"

namespace veluma {

namespace {

using Caja = ObservacionCopia::Caja;

const QString kDDJJNoCopiada = QStringLiteral("La copia de la DDJJ no fue realizada.");

// The tables copied after the declaration row, in order, with the message of
// each one's failure. Licences belong to one service: they go only to a
// declaration of the same service.
struct TablaCopiada {
    const char* tabla;
    const char* fallo;
    bool soloMismoServicio;
};
constexpr TablaCopiada kTablas[] = {
    {"617CompSocietaria", "La copia de la Composición Societaria no fue realizada.", false},
    {"617Licencias", "La copia de las Licencias no fue realizada.", true},
    {"617LicenciasDetalle", "La copia del Detalle de las Licencias no fue realizada.", true},
};

// Plain ASCII digits, at least one and at most `maximo`.
bool soloCifras(const QString& texto, int maximo)
{
    return !texto.isEmpty() && texto.size() <= maximo && soloDigitos(texto);
}

// The origin's rows of `tabla` added again under the destination key, every
// column after the key as it was.
void CopiarTabla(Database& base, const QString& tabla, const ClaveDDJJ& origen, const ClaveDDJJ& destino)
{
    Statement columnas = base.prepare(QStringLiteral("SELECT * FROM [%1] LIMIT 0").arg(tabla));
    QString resto;
    for (int i = 4; i < columnas.columnCount(); ++i)
        resto += QStringLiteral(", \"") + columnas.columnName(i) + QLatin1Char('"');
    Statement copia =
        prepararDe617(base,
                      QStringLiteral("INSERT INTO [") + tabla + QStringLiteral("] SELECT ?5, ?6, ?7, ?8") + resto
                          + QStringLiteral(" FROM [") + tabla + QStringLiteral("] WHERE %1 ORDER BY rowid"),
                      origen);
    copia.bind(5, destino.cuit).bind(6, destino.periodo).bind(7, destino.secuencia).bind(8, servicioDe(destino));
    copia.run();
}

// How the copy ended inside its transaction.
enum class Fin { Hecha, DestinoExistente };

// The whole copy, committed only when every step went well. `paso` names the
// failure's message of the step under way when a failure is thrown.
Fin copiar(Database& base, const ClaveDDJJ& origen, const ClaveDDJJ& destino, QString& paso)
{
    Transaction transaccion(base);
    clsDDJJ ddjj;
    ddjj.Cuit = destino.cuit;
    ddjj.Periodo = destino.periodo;
    ddjj.Secuencia = destino.secuencia;
    ddjj.Formulario = destino.formulario;
    ddjj.campo1 = destino.campo1;
    ddjj.hora = ahora();
    if (!ddjj.Agregar(base).isEmpty())
        return Fin::DestinoExistente;
    const bool mismoServicio = servicioDe(origen) == servicioDe(destino);
    for (const TablaCopiada& tabla : kTablas) {
        if (tabla.soloMismoServicio && !mismoServicio)
            continue;
        paso = QString::fromUtf8(tabla.fallo);
        CopiarTabla(base, QString::fromLatin1(tabla.tabla), origen, destino);
    }
    paso = kDDJJNoCopiada;
    transaccion.commit();
    return Fin::Hecha;
}

void mostrar(Mensajes& mensajes, const ObservacionCopia& observacion)
{
    if (observacion.caja == Caja::Atencion)
        mensajes.MensajeAtencion(observacion.mensaje);
    else
        mensajes.MensajeInformacion(observacion.mensaje);
}

}  // namespace

ObservacionCopia ValidarDestino(const DestinoCopia617& destino)
{
    const QString mes = destino.mes.trimmed();
    const QString anio = destino.anio.trimmed();
    const QString secuencia = destino.secuencia.trimmed();
    if (mes.isEmpty())
        return {QStringLiteral("Debe ingresar el Mes del Periodo de destino."), Caja::Informacion, CampoCopia::Mes};
    if (anio.isEmpty())
        return {QStringLiteral("Debe ingresar el Año del Periodo de destino."), Caja::Informacion, CampoCopia::Anio};
    if (secuencia.isEmpty())
        return {QStringLiteral("Debe ingresar la Secuencia de la DDJJ de destino."), Caja::Informacion,
                CampoCopia::Secuencia};
    // The same month rule as a new declaration's; a period of month 0 or 13 does not exist.
    if (!soloCifras(mes, 2) || mes.toInt() < 1 || mes.toInt() > 12)
        return {QStringLiteral("El Mes del Periodo de destino debe estar entre 01 y 12."), Caja::Informacion,
                CampoCopia::Mes};
    if (!soloCifras(anio, 4))
        return {QStringLiteral("El Año del Periodo de destino debe escribirse con cuatro cifras."), Caja::Informacion,
                CampoCopia::Anio};
    // The sequence list has no other entries.
    if (!soloCifras(secuencia, 2) || secuencia.toInt() > 3)
        return {QStringLiteral("La Secuencia de la DDJJ de destino debe estar entre 0 y 3."), Caja::Informacion,
                CampoCopia::Secuencia};
    return {};
}

ObservacionCopia ValidarOrigenDestino(const ClaveDDJJ& origen, const DestinoCopia617& destino)
{
    // As typed: month 6 of 2004 reads 20046, below every period there is.
    const double comoSeEscribio = Val(destino.anio.trimmed() + destino.mes.trimmed());
    if (origen.periodo > comoSeEscribio)
        return {QStringLiteral("El periodo de la DDJJ de Destino no puede ser menor a la de Origen."), Caja::Atencion,
                CampoCopia::Mes};
    if (origen.periodo == comoSeEscribio && origen.secuencia > Val(destino.secuencia.trimmed()))
        return {QStringLiteral("La secuencia de la DDJJ de Destino no puede ser menor a la de Origen."), Caja::Atencion,
                CampoCopia::Secuencia};
    const Formulario617 formulario;
    if (periodoDestino(destino) < formulario.periodoMinimo())
        return {textoPeriodoMinimo(formulario), Caja::Atencion, CampoCopia::Anio};
    return {};
}

int periodoDestino(const DestinoCopia617& destino)
{
    return periodoDeTexto(destino.anio.trimmed(), destino.mes.trimmed());
}

ResultadoCopia CopiarDeclaracion617(Database& base, const ClaveDDJJ& origen, const DestinoCopia617& destino,
                                    Mensajes& mensajes)
{
    ObservacionCopia observacion = ValidarDestino(destino);
    if (observacion.valida())
        observacion = ValidarOrigenDestino(origen, destino);
    if (!observacion.valida()) {
        mostrar(mensajes, observacion);
        return {false, observacion.foco};
    }

    const ClaveDDJJ copia{origen.cuit, periodoDestino(destino), destino.secuencia.trimmed().toInt(), 617,
                          QString::number(destino.servicio)};
    QString paso = kDDJJNoCopiada;
    try {
        if (copiar(base, origen, copia, paso) == Fin::DestinoExistente) {
            mensajes.MensajeAtencion(QStringLiteral("La Declaración Jurada de Destino ya existe."));
            mensajes.MensajeInformacion(kDDJJNoCopiada);
            return {false, CampoCopia::Mes};
        }
    } catch (const Error& error) {
        // Everything was rolled back; the step that failed is still named.
        mensajes.MensajeError(error.descripcion(), error.numero());
        mensajes.MensajeInformacion(paso);
        return {false, CampoCopia::Mes};
    }
    mensajes.MensajeInformacion(QStringLiteral("La copia de la DDJJ fue realizada con éxito."));
    return {true, CampoCopia::Mes};
}

}  // namespace veluma
