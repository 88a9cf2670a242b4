#pragma once

#include "core/sesion.h"
#include "f708/impuesto_determinado.h"
#include "f708/pago_cuenta.h"
#include "f708/salas.h"

#include <QDateTime>

namespace veluma::test {

// Form 708 declarations of the session's declaration key (`sesion.declaracion`),
// stored through the program's own classes as the screens store them.

// The DDJJ row at the rate as the manager stores it.
void crearDeclaracion708(veluma::Sesion& sesion, const QString& alicuota = QStringLiteral("10"),
                         const QDateTime& hora = QDateTime(QDate(2004, 4, 10), QTime(9, 47, 15)));
veluma::cls708Salas sala708(const veluma::Sesion& sesion, const QString& nombre, const QString& domicilio,
                           const QString& incaa);
// A new room; its code.
qint32 agregarSala708(veluma::Sesion& sesion, const QString& nombre, const QString& domicilio, const QString& incaa);
veluma::cls708ImpuestoDeterminado linea708(const veluma::Sesion& sesion, qint32 sala, int semana, double precio,
                                           double entradas);
void agregarLinea708(veluma::Sesion& sesion, qint32 sala, int semana, double precio, double entradas);
veluma::cls708PagoCuenta pagos708(const veluma::Sesion& sesion, double s1, double s2, double s3, double s4);

// The declaration of March 2004 at 10 % that the Form 708 tests share, made
// the session's one: rooms whose names sort against their codes, "Cine Ópera"
// (INCAA 1234: 100 tickets at 5,50 and 3 at 10 in week 1, 40 at 12,75 in week
// 3) and "Atlas Flores" (000789: 250 at 8 in week 1, 10 at 8 in week 2), and
// payments of 10 in week 1 and 5,50 in week 3. Declared tax 288,18; pending
// 272,68. For the CUIT 30-70451826-5 its file is tests/data/F0708_esperado.dat.
// Without rooms, only the DDJJ row.
void declaracionDeReferencia708(veluma::Sesion& sesion, bool conSalas = true);

}  // namespace veluma::test
