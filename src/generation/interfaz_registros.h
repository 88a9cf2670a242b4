#pragma once

#include <QString>

namespace veluma {

class Mensajes;
struct ClaveDDJJ;

// What every form's record builder offers the generation driver. A builder
// writes the records of the session's declaration into a working file of the
// work folder; after a successful call the three values are read.
class InterfazRegistros {
public:
    virtual ~InterfazRegistros() = default;

    // Writes the records into `ArchivoTMP` (a bare name in the work folder),
    // replacing earlier content. On failure tells the user why and answers false.
    virtual bool GenerarDisquete(const QString& ArchivoTMP, Mensajes& mensajes) = 0;

    QString ArchivoSalidaDKT;   // output name for diskettes; its first 11 characters name Internet files
    QString ArchivoSalidaCD;    // output name for the CD / folder destination
    qint32 CantidadRegistros = 0;  // records written, trailer included

protected:
    // After a successful run: the names made of the verification number, the
    // form's file prefix ("F0708") and the declaration; and the count.
    void nombrarSalidas(const QString& nroVerificador, const QString& prefijo, const ClaveDDJJ& clave,
                        qint32 registros);
};

}  // namespace veluma
