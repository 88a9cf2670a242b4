#pragma once

#include <QString>
#include <QStringList>

namespace veluma {

struct ResultadoVerificacion {
    bool valido = false;
    QString problema;       // why the file cannot be handed in; empty when valid
    QString cabecera;       // the decoded header line, without its line feed
    QStringList registros;  // the decoded records, without line ends
};

// Checks a submission before the taxpayer hands it in. `archivos` is one of:
//  - the diskettes, volume 1 first: each is its own header line
//    "HEAD10 vv nn rrrrrr" and the next part of the encoded body;
//  - one CD file (or the only diskette): header line and encoded body;
//  - one Internet file (.b64).
// Which one is told by the content: a file that starts with a header line is
// a diskette or CD file, a single file that does not is taken as base64.
//
// The decoded content must be the header "HEAD10 01 01 " + six-digit record
// count, then the records, one a line, the last one ended by CR LF; there
// must be as many records as the header says, none empty or with control
// characters, all of a type (first two characters) of one length, and the
// last of type "99". The header and records are filled in whenever the
// content could be decoded, valid or not. The file is Windows-1252; records
// are read one character a byte (as Latin-1), so lengths are byte counts.
ResultadoVerificacion VerificarPresentacion(const QStringList& archivos);

}  // namespace veluma
