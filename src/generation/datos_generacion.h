#pragma once

#include <QString>

namespace veluma {

// The working files of a generation, bare names in the work folder.
inline const QString kArchivoRegistros = QStringLiteral("DDJJCypf.tmp");  // the records, as the builder wrote them
inline const QString kArchivoConCabecera = QStringLiteral("cabent.txt");  // header line + the records
inline const QString kArchivoACodificar = QStringLiteral("DirWin.txt");   // the encoder's input
inline const QString kArchivoCodificado = QStringLiteral("DirWin1.txt");  // the encoder's output for diskettes
inline const QString kArchivoGenerado = QStringLiteral("Genera.dat");     // what the destination copies

// What a successful generation hands the destination step.
struct DatosGeneracion {
    bool soloDisqueteras = true;
    QString ArchivoTMP;       // the records file
    QString fileDestino;      // output name for diskettes
    QString fileDestinoCD;    // output name for the CD / folder destination
    QString pathOrigen;       // the work folder, with its trailing separator
    qint32 cantReg = 0;       // records, trailer included
    float bytesPorDisquete = 1400000;
};

}  // namespace veluma
