#pragma once

#include "core/clave_ddjj.h"

#include <QString>
#include <vector>

namespace veluma {

class Database;

// One cinema room of a declaration.
struct Sala {
    qint32 codigo = 0;
    QString denominacion;
    QString domicilio;
    QString codigoINCAA;
};

// The cinema rooms of a Form 708 declaration. Room codes are the
// taxpayer's own: unique across all its declarations.
class cls708Salas {
public:
    QString Cuit;
    qint32 Periodo = 0;
    qint16 Secuencia = 0;
    qint32 codigo = 0;
    QString Denominacion;
    QString Domicilio;
    QString CodigoINCAA;

    // The declaration's rooms ordered by `campo` ("DENOMINACION_SALA" or
    // "DOMICILIO_SALA", any case) and `direccion` ("ASC" or "DESC"); names sort
    // as a person expects. Any other column or direction throws Error.
    static std::vector<Sala> GetAll(Database& base, const ClaveDDJJ& clave, const QString& campo,
                                    const QString& direccion);

    // Takes the room's values into the object.
    void GetSala(const Sala& sala);

    // Stores a new room with the taxpayer's next code (kept in `codigo`).
    // Empty when saved; otherwise the message to show, nothing stored.
    QString Agregar(Database& base);
    // Changes name, address and INCAA code of room `codigo` of this
    // declaration only. Empty when saved; otherwise the message to show.
    QString Modificar(Database& base) const;

    // The room and its tickets in this declaration, in one transaction.
    static void Eliminar(Database& base, const ClaveDDJJ& clave, qint32 codigoSala);
    // Every room and every ticket row of this declaration, in one transaction.
    static void EliminarTodos(Database& base, const ClaveDDJJ& clave);
};

// The checks of the room boxes, each message after a carriage return. Empty
// when the room may be stored.
QString ValidarSala(const QString& denominacion, const QString& domicilio, const QString& codigoINCAA);

// "La Sala que está intentando Cargar ya Existe"
QString textoSalaExistente();

}  // namespace veluma
