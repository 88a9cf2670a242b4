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
// One act of a licence's legal detail (0 licence resolution … 4 re-inscription), the others kept.
void guardarActo617(veluma::Sesion& sesion, qint64 licencia, int acto, double numero, const QDate& fecha);
void agregarSocio617(veluma::Sesion& sesion, const QString& nombre, const QString& cuit, double porcentaje);

// The declaration of the golden file F0617_esperado.dat: television, May 2005, two partners, a licence with an
// exemption, one at another rate, one without detail and one without concepts.
void declaracionDeReferencia617(veluma::Sesion& sesion);

}  // namespace veluma::test
