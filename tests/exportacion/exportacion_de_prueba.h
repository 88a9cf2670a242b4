#pragma once

#include "intercambio/exportacion.h"
#include "support/archivos.h"
#include "support/declaracion_617.h"
#include "support/declaracion_618.h"
#include "support/declaracion_708.h"
#include "support/sesion_de_prueba.h"

#include <QDir>
#include <QTemporaryDir>
#include <functional>

namespace veluma::test {

// The small declaration of each form that the export tests share, made the
// session's one.
struct DeclaracionExportada {
    const char* nombre;
    std::function<void(veluma::Sesion&)> preparar;
};

// March 2004 at 10 %: the reference rooms and a third whose name needs quoting,
// with one line.
inline void declaracion708(veluma::Sesion& sesion)
{
    declaracionDeReferencia708(sesion);
    const qint32 sala = agregarSala708(sesion, QStringLiteral("Sala \"Uno\"; Centro"), QStringLiteral("Mitre 1"),
                                       QStringLiteral("555"));
    agregarLinea708(sesion, sala, 4, 1234.5, 2);
}

// May 2005 television: a partner, a licence whose name needs quoting, with a
// licence act, two concepts and totals.
inline void declaracion617(veluma::Sesion& sesion)
{
    crearDeclaracion617(sesion, 200505, 306);
    agregarSocio617(sesion, QStringLiteral("Ávalos, María"), QStringLiteral("27-23456789-1"), 100);
    const qint64 licencia = agregarLicencia617(sesion, QStringLiteral("Radio \"La Voz\"; Sur"), 1);
    guardarActo617(sesion, licencia, 0, 1234, QDate(1999, 3, 15));
    agregarConcepto617(sesion, licencia, 100, 10000.5);
    agregarConcepto617(sesion, licencia, 118, 300);
    guardarTotales617(sesion, licencia, 500, 1, 100);
}

// A test folder and the export of the session's declaration into it.
class ExportacionDePrueba : public SesionDePrueba {
protected:
    QString ruta(const QString& nombre) const { return QDir(carpeta.path()).filePath(nombre); }
    // The names of the folder's entries.
    QStringList archivos() const { return archivosEn(carpeta.path()); }

    QTemporaryDir carpeta;
};

}  // namespace veluma::test
