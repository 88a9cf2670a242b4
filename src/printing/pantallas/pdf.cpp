#include "printing/pantallas/pdf.h"

#include "core/error.h"
#include "printing/pantallas/reporte_armado.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QSaveFile>
#include <QTemporaryFile>

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
    // The printer only writes to a named file: it writes a temporary one
    // beside the destination, which then takes the destination's place whole.
    QTemporaryFile borrador(carpeta.filePath(QStringLiteral("veluma-XXXXXX.pdf")));
    if (!borrador.open())
        noSePudo(ruta, borrador.errorString());
    borrador.close();

    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(borrador.fileName());
    pdf.setDocName(reporte.titulo());
    if (!reporte.pintar(pdf) || pdf.printerState() == QPrinter::Error)
        noSePudo(ruta, QStringLiteral("no se pudo generar el documento."));

    QFile escrito(borrador.fileName());
    if (!escrito.open(QIODevice::ReadOnly))
        noSePudo(ruta, escrito.errorString());
    const QByteArray documento = escrito.readAll();
    if (documento.isEmpty())
        noSePudo(ruta, QStringLiteral("no se pudo generar el documento."));
    QSaveFile destino(ruta);
    if (!destino.open(QIODevice::WriteOnly) || destino.write(documento) != documento.size() || !destino.commit())
        noSePudo(ruta, destino.errorString());
}

}  // namespace veluma
