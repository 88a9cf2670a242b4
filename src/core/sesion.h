#pragma once

#include "core/clave_ddjj.h"
#include "core/database.h"
#include "core/instalacion.h"

#include <QString>

namespace veluma {

// The session's taxpayer as the host databases describe it, read once when
// the session starts.
struct DatosContribuyente {
    QString denominacion;
    QString actividad;        // the main activity code
    QString domicilioFiscal;  // "Calle: ... Nro: ..." as the printed forms show it
    QString domicilioSAD;     // the fixed-width block of the submission records
};

// The values every screen shares, from start-up to the end of the process.
struct Sesion {
    explicit Sesion(const Instalacion& instalacion) : instalacion(instalacion) {}

    Instalacion instalacion;
    QString cuit;              // exactly the command-line text
    QString clave;             // ";PWD=" + the database password
    Database base;             // the working database, open all session long
    QString rutaAyuda;
    int formulario = 0;        // the form chosen in the main window
    ClaveDDJJ declaracion;     // the declaration chosen in the manager
    DatosContribuyente contribuyente;
};

}  // namespace veluma
