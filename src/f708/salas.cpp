#include "f708/salas.h"

#include "core/caracteres.h"
#include "core/numeros.h"
#include "core/sql_texto.h"
#include "core/transaction.h"

#include <limits>

namespace veluma {

namespace {

constexpr int kLargoTexto = 40;
constexpr int kLargoINCAA = 6;

bool tieneControl(const QString& texto)
{
    for (QChar c : texto)
        if (c.unicode() < 32 || c.unicode() == 127)
            return true;
    return false;
}

void agregarLinea(QString& mensaje, const QString& linea)
{
    if (!mensaje.isEmpty())
        mensaje += QLatin1Char('\r');
    mensaje += linea;
}

// The rules on one free-text box beyond its being filled.
void validarTexto(QString& mensaje, const QString& texto, const QString& campo)
{
    if (texto.size() > kLargoTexto)
        agregarLinea(mensaje, QStringLiteral("El campo %1 no puede tener más de 40 caracteres").arg(campo));
    if (tieneControl(texto))
        agregarLinea(mensaje, QStringLiteral("El campo %1 contiene caracteres no válidos").arg(campo));
}

// Two rooms of one declaration with one INCAA code could not be told apart
// in the submission file, which names rooms by that code.
bool incaaRepetido(Database& base, const ClaveDDJJ& clave, const QString& codigoINCAA, qint32 otraQue)
{
    Statement consulta = base.prepare(QStringLiteral(
        "SELECT 1 FROM [708Salas] WHERE CUIT=? AND PERIODO=? AND SECUENCIA=? AND COD_INCAA=? AND COD_SALA<>? LIMIT 1"));
    ligarClave(consulta, clave).bind(4, codigoINCAA).bind(5, otraQue);
    return consulta.next();
}

}  // namespace

QString textoSalaExistente() { return QStringLiteral("La Sala que está intentando Cargar ya Existe"); }

QString ValidarSala(const QString& denominacion, const QString& domicilio, const QString& codigoINCAA)
{
    QString mensaje;
    if (denominacion.trimmed().isEmpty())
        agregarLinea(mensaje, QStringLiteral("El campo Denominación, no puede estar vacío"));
    if (domicilio.trimmed().isEmpty())
        agregarLinea(mensaje, QStringLiteral("El campo Domicilio, no puede estar vacío"));
    const QString incaa = codigoINCAA.trimmed();
    if (incaa.isEmpty() || Val(incaa) == 0)
        agregarLinea(mensaje, QStringLiteral("El campo Código INCAA no puede estar vacío y no puede ser cero."));
    else if (!soloDigitos(incaa) || incaa.size() > kLargoINCAA)
        agregarLinea(mensaje, QStringLiteral("El campo Código INCAA debe tener sólo dígitos, hasta 6."));
    validarTexto(mensaje, denominacion, QStringLiteral("Denominación"));
    validarTexto(mensaje, domicilio, QStringLiteral("Domicilio"));
    return mensaje;
}

std::vector<Sala> cls708Salas::GetAll(Database& base, const ClaveDDJJ& clave, const QString& campo,
                                      const QString& direccion)
{
    const QString orden = direccionDeOrden(direccion);
    Statement consulta = base.prepare(
        QStringLiteral("SELECT COD_SALA, DENOMINACION_SALA, DOMICILIO_SALA, COD_INCAA FROM [708Salas] "
                       "WHERE CUIT=? AND PERIODO=? AND SECUENCIA=? ORDER BY %1 COLLATE GENERAL %2, COD_SALA %2")
            .arg(columnaDeOrden(campo, {"DENOMINACION_SALA", "DOMICILIO_SALA"}), orden));
    ligarClave(consulta, clave);
    std::vector<Sala> salas;
    while (consulta.next())
        salas.push_back({qint32(consulta.integer(0).value_or(0)), consulta.text(1).value_or(QString()),
                         consulta.text(2).value_or(QString()), consulta.text(3).value_or(QString())});
    return salas;
}

void cls708Salas::GetSala(const Sala& sala)
{
    codigo = sala.codigo;
    Denominacion = sala.denominacion;
    CodigoINCAA = sala.codigoINCAA;
    Domicilio = sala.domicilio;
}

QString cls708Salas::Agregar(Database& base)
{
    const ClaveDDJJ clave{Cuit, Periodo, Secuencia, 708};
    try {
        Transaction transaccion(base);
        if (incaaRepetido(base, clave, CodigoINCAA.trimmed(), 0))
            return textoSalaExistente();
        Statement maximo = base.prepare(QStringLiteral("SELECT max(COD_SALA) FROM [708Salas] WHERE CUIT=?"));
        maximo.bind(1, Cuit);
        const qint64 nuevo = maximo.next() ? maximo.integer(0).value_or(0) + 1 : 1;
        if (nuevo > std::numeric_limits<qint32>::max())
            throw Error(kErrorDesbordamiento, QStringLiteral("Desbordamiento"));
        Statement alta = base.prepare(QStringLiteral(
            "INSERT INTO [708Salas] (CUIT, PERIODO, SECUENCIA, DENOMINACION_SALA, DOMICILIO_SALA, COD_INCAA, COD_SALA) "
            "VALUES (?, ?, ?, ?, ?, ?, ?)"));
        alta.bindAll(Cuit, Periodo, int(Secuencia), Denominacion, Domicilio, CodigoINCAA.trimmed(), nuevo);
        alta.run();
        transaccion.commit();
        codigo = qint32(nuevo);
        return {};
    } catch (const DbError& error) {
        return mensajeDeFallo(error, textoSalaExistente());
    }
}

QString cls708Salas::Modificar(Database& base) const
{
    const ClaveDDJJ clave{Cuit, Periodo, Secuencia, 708};
    try {
        Transaction transaccion(base);
        if (incaaRepetido(base, clave, CodigoINCAA.trimmed(), codigo))
            return textoSalaExistente();
        Statement cambio =
            base.prepare(QStringLiteral("UPDATE [708Salas] SET DENOMINACION_SALA=?, DOMICILIO_SALA=?, COD_INCAA=? "
                                        "WHERE CUIT=? AND PERIODO=? AND SECUENCIA=? AND COD_SALA=?"));
        cambio.bindAll(Denominacion, Domicilio, CodigoINCAA.trimmed());
        ligarClave(cambio, clave, 4).bind(7, codigo);
        cambio.run();
        if (base.changes() == 0)
            return QStringLiteral("La Sala que está intentando Modificar no Existe");
        transaccion.commit();
        return {};
    } catch (const DbError& error) {
        return mensajeDeFallo(error, textoSalaExistente());
    }
}

void cls708Salas::Eliminar(Database& base, const ClaveDDJJ& clave, qint32 codigoSala)
{
    Transaction transaccion(base);
    for (const char* tabla : {"708Salas", "708ImpuestoDeterminado"}) {
        Statement baja =
            base.prepare(QStringLiteral("DELETE FROM [%1] WHERE CUIT=? AND PERIODO=? AND SECUENCIA=? AND COD_SALA=?")
                             .arg(QLatin1String(tabla)));
        ligarClave(baja, clave).bind(4, codigoSala);
        baja.run();
    }
    transaccion.commit();
}

void cls708Salas::EliminarTodos(Database& base, const ClaveDDJJ& clave)
{
    Transaction transaccion(base);
    for (const char* tabla : {"708Salas", "708ImpuestoDeterminado"}) {
        Statement baja = base.prepare(
            QStringLiteral("DELETE FROM [%1] WHERE CUIT=? AND PERIODO=? AND SECUENCIA=?").arg(QLatin1String(tabla)));
        ligarClave(baja, clave);
        baja.run();
    }
    transaccion.commit();
}

}  // namespace veluma
