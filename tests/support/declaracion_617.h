#pragma once

#include "core/sesion.h"

#include <QDate>
#include <QDateTime>

namespace veluma::test {

// Form 617 declarations of the session's taxpayer, stored through the program's own classes as the screens store
// them.

// The DDJJ row of `servicio` (306 television, 307 radio), made the session's declaration (`periodo`, `secuencia`).
void crearDeclaracion617(veluma::Sesion& sesion, int periodo, int servicio, int secuencia = 0,
                         const QDateTime& hora = QDateTime(QDate(2005, 4, 2), QTime(9, 15, 0)));
// A licence of the session's declaration; its code.
qint64 agregarLicencia617(veluma::Sesion& sesion, const QString& razonSocial, int tipoServicio,
                          const QDate& inicio = QDate(2001, 5, 1));
void agregarConcepto617(veluma::Sesion& sesion, qint64 licencia, qint64 concepto, double importe);
void guardarTotales617(veluma::Sesion& sesion, qint64 licencia, double descuentos, int exencion = 0, double exento = 0);
// A partner of the session's declaration.
void agregarSocio617(veluma::Sesion& sesion, const QString& nombre, const QString& cuit, double porcentaje);
// The legal detail of a licence: its decree number and date, the other figures left empty.
void agregarDetalle617(veluma::Sesion& sesion, qint64 licencia, double decreto, const QDate& fecha);

}  // namespace veluma::test
