#pragma once

#include "core/database.h"
#include "core/instalacion.h"

#include <QString>

namespace veluma {

// The values every screen shares, from start-up to the end of the process.
struct Sesion {
    explicit Sesion(const Instalacion& instalacion) : instalacion(instalacion) {}

    Instalacion instalacion;
    QString cuit;              // exactly the command-line text
    QString clave;             // ";PWD=" + the database password
    Database base;             // the working database, open all session long
    QString rutaAyuda;
    int formulario = 0;        // 617, 618 or 708, chosen in the main window
    int periodo = 0;           // YYYYMM of the selected declaration
    int secuencia = 0;         // 0 original, 1 to 3 rectifying
    int impServicio = 0;       // Form 617 service: 306 or 307
    QString codigoInstituto;   // Form 618
    QString domicilioFiscal;
    QString denominacion;
};

}  // namespace veluma
