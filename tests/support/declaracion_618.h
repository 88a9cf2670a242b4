#pragma once

#include "core/sesion.h"

#include <QDateTime>

namespace veluma::test {

// Form 618 declarations of the session's taxpayer, stored through the program's own classes as the screens store
// them.

// The DDJJ row with institute code `codigo`, made the session's declaration (`periodo`, sequence 0).
void crearDeclaracion618(veluma::Sesion& sesion, int periodo, const QString& codigo,
                         const QDateTime& hora = QDateTime(QDate(2004, 3, 5), QTime(10, 20, 30)));
void agregarIngreso618(veluma::Sesion& sesion, int tipo, int dia, double neto, double total);
void guardarPercepciones618(veluma::Sesion& sesion, double videogramasV, double videogramasA, double tasaV,
                            double tasaA);

// February 2004 for the institute "D'Ávila 7", stored at 10:20:30: sales on days 1, 15 and 29 (net 1000, 250,50
// and 99,99), rentals on days 2 and 28 (300 and 45,25), 12 videograms sold at 10 % and 7 rented at 12,5 %: 178,20525
// to deposit. For the CUIT 30-70451826-5 its file is tests/data/F0618_esperado.dat, written by
// tests/data/registros_618.py.
void declaracionDeReferencia618(veluma::Sesion& sesion);

}  // namespace veluma::test
