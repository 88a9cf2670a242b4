#include "printing/documento/pdf.h"

#include "core/error.h"
#include "printing/documento/reporte_armado.h"

#include <QDir>
#include <QFileInfo>
#include <QPdfWriter>
#include <QSaveFile>

namespace veluma {

namespace {

[[noreturn]] void noSePudo(const QString& ruta, const QString& motivo)
{
    throw Error(kErrorAccesoArchivo, QStringLiteral("No se pudo guardar el archivo PDF %1: %2").arg(ruta, motivo));
}

}  // namespace

void guardarPdf(const ReporteArmado& reporte, const QString& ruta)
{
    const QDir carpeta = QFileInfo(ruta).absoluteDir();
    if (!carpeta.exists())
        noSePudo(ruta, QStringLiteral("la carpeta %1 no existe.").arg(QDir::toNativeSeparators(carpeta.path())));
    QSaveFile destino(ruta);
    if (!destino.open(QIODevice::WriteOnly))
        noSePudo(ruta, destino.errorString());
    {
        QPdfWriter pdf(&destino);
        pdf.setResolution(1200);
        pdf.setTitle(reporte.titulo());
        pdf.setCreator(QStringLiteral("Veluma"));
        if (!reporte.pintar(pdf))
            noSePudo(ruta, QStringLiteral("no se pudo generar el documento."));
    }
    if (destino.error() != QFileDevice::NoError || destino.size() == 0)
        noSePudo(ruta, QStringLiteral("no se pudo generar el documento."));
    if (!destino.commit())
        noSePudo(ruta, destino.errorString());
}

}  // namespace veluma
