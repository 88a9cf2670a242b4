#pragma once

#include "core/database.h"
#include "core/sesion.h"
#include "printing/configuracion_reporte.h"
#include "support/pdf.h"
#include "support/sesion_de_prueba.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <optional>

namespace veluma::test {

inline const QString kCuit = QStringLiteral("30-70451826-5");

// A session whose program folder holds the test templates, with helpers
// that store declarations and rooms.
class ReporteDePrueba : public SesionDePrueba {
protected:
    // Settings for a template of the program folder, where the test template of that name (under
    // tests/data/plantillas) is copied first.
    ConfiguracionReporte configurar(const QString& plantilla, const QString& seleccion)
    {
        QFile::copy(QStringLiteral(VELUMA_DATOS_PRUEBA "/plantillas/") + plantilla,
                    sesion.instalacion.carpetaPrograma() + QLatin1Char('/') + plantilla);
        ConfiguracionReporte configuracion = ConfiguracionReporte::deSesion(sesion, plantilla);
        configuracion.formulaSeleccion = seleccion;
        configuracion.titulo = QStringLiteral("Reporte de prueba");
        return configuracion;
    }

    static QString seleccionDDJJ(QString cuit, int periodo, int secuencia, int formulario)
    {
        return QStringLiteral("{DDJJ.CUIT} = '%1' and {DDJJ.PERIODO} = %2 and {DDJJ.SECUENCIA} = %3 and "
                              "{DDJJ.FORMULARIO} = %4")
            .arg(cuit.replace(QLatin1Char('\''), QLatin1String("''")))
            .arg(periodo)
            .arg(secuencia)
            .arg(formulario);
    }

    void declaracion(const QString& cuit, int periodo, int secuencia, int formulario, const QString& campo1)
    {
        sesion.base
            .prepare(QStringLiteral("INSERT INTO DDJJ (CUIT, PERIODO, SECUENCIA, FORMULARIO, CAMPO1, HORA) "
                                    "VALUES (?, ?, ?, ?, ?, '2004-06-01 10:00:00')"))
            .bindAll(cuit, periodo, secuencia, formulario, campo1)
            .run();
    }

    void sala(const QString& cuit, int periodo, int secuencia, int codigo, const QString& denominacion)
    {
        sesion.base
            .prepare(QStringLiteral("INSERT INTO \"708Salas\" (CUIT, PERIODO, SECUENCIA, COD_SALA, DENOMINACION_SALA, "
                                    "DOMICILIO_SALA, COD_INCAA) VALUES (?, ?, ?, ?, ?, ?, ?)"))
            .bindAll(cuit, periodo, secuencia, codigo, denominacion, QStringLiteral("Calle %1").arg(codigo),
                     QStringLiteral("%1").arg(codigo, 6, 10, QLatin1Char('0')))
            .run();
    }
};

}  // namespace veluma::test
