#include "printing/pantallas/impresora.h"

#include "printing/documento/reporte_armado.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace veluma {

int imprimirEnPredeterminada(const ReporteArmado& reporte)
{
    const QPrinterInfo predeterminada = QPrinterInfo::defaultPrinter();
    if (predeterminada.isNull())
        return kImpresionFallida;
    QPrinter impresora(predeterminada, QPrinter::HighResolution);
    impresora.setCopyCount(1);
    impresora.setDocName(reporte.titulo());
    if (!reporte.pintar(impresora) || impresora.printerState() == QPrinter::Error)
        return kImpresionFallida;
    return kImpresionCorrecta;
}

}  // namespace veluma
