#pragma once

#include "core/clave_ddjj.h"

#include <QString>

namespace veluma {

class Database;
class Mensajes;

// The destination of a copy as typed in the copy screen.
struct DestinoCopia617 {
    QString mes;
    QString anio;
    QString secuencia;  // the number box
    int servicio = 0;   // 306 television, 307 radio
};

enum class CampoCopia { Ninguno, Mes, Anio, Secuencia };

// One check that failed: its message, how it is shown and where the cursor goes.
struct ObservacionCopia {
    enum class Caja { Informacion, Atencion };
    QString mensaje;
    Caja caja = Caja::Informacion;
    CampoCopia foco = CampoCopia::Ninguno;
    bool valida() const { return mensaje.isEmpty(); }
};

// The destination's own fields: each present, the month 1 to 12, the year in
// digits and the sequence 0 to 3.
ObservacionCopia ValidarDestino(const DestinoCopia617& destino);

// The destination against the origin: not an earlier period, compared as
// typed (a one-digit month makes it smaller), nor a lower sequence of the same
// period; and no period before the form's first one.
ObservacionCopia ValidarOrigenDestino(const ClaveDDJJ& origen, const DestinoCopia617& destino);

// The period stored for the destination: its year followed by its month in
// two digits.
int periodoDestino(const DestinoCopia617& destino);

// What became of a copy.
struct ResultadoCopia {
    bool realizada = false;
    CampoCopia foco = CampoCopia::Ninguno;  // the field to correct after a refused check
};

// Checks the destination and copies the Form 617 declaration `origen` into
// it: the declaration row and the partners always, the licences and their
// detail only for the same service; the billing and the totals never. It is
// all one transaction, so a failure leaves nothing of the destination behind.
// Every message, the final one included, goes through `mensajes`.
ResultadoCopia CopiarDeclaracion617(Database& base, const ClaveDDJJ& origen, const DestinoCopia617& destino,
                                    Mensajes& mensajes);

}  // namespace veluma
