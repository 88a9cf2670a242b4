#include "importacion_lote.h"

#include "core/mensajes.h"
#include "core/sesion.h"
#include "declarations/formulario.h"
#include "intercambio/columnas_recordadas.h"
#include "intercambio/importacion.h"

#include <QFileInfo>

namespace veluma::lote {

namespace {

// More than this many refused lines are counted, not listed.
constexpr int kRechazadasListadas = 100;

QString rechazadas(const Importacion& importacion)
{
    QStringList lineas;
    for (const LineaImportada& linea : importacion.lineas()) {
        if (linea.leida.problema.isEmpty())
            continue;
        if (lineas.size() == kRechazadasListadas) {
            lineas += QStringLiteral("… y %1 líneas más.").arg(importacion.rechazadas() - kRechazadasListadas);
            break;
        }
        lineas += QStringLiteral("Línea %1: %2").arg(linea.linea).arg(linea.leida.problema);
    }
    return lineas.join(QLatin1Char('\n'));
}

}  // namespace

bool importarEnDeclaracion(Sesion& sesion, const Formulario& formulario, const OpcionesLote& opciones,
                           Mensajes& mensajes)
{
    std::unique_ptr<Importador> importador = formulario.importador(sesion);
    const QStringList recordada = columnasRecordadas(sesion.instalacion, importador->seccion());
    const Importacion importacion(std::move(importador), leerArchivoCsv(opciones.archivo), recordada);
    if (const QString motivo = importacion.impedimento(); !motivo.isEmpty()) {
        const QString detalle = importacion.rechazadas() > 1 ? QLatin1Char('\n') + rechazadas(importacion) : QString();
        mensajes.MensajeAtencion(motivo + detalle + QStringLiteral("\nNo se importó ninguna línea."));
        return false;
    }
    const int guardadas = importacion.importar(sesion.base, opciones.reemplazar);
    QString resumen =
        QStringLiteral("Se importaron %1 de %2.").arg(textoLineas(guardadas), QFileInfo(opciones.archivo).fileName());
    if (!opciones.reemplazar && importacion.yaCargadas() > 0)
        resumen += QStringLiteral(" Ya estaban cargadas y quedaron como estaban: %1.")
                       .arg(textoLineas(importacion.yaCargadas()));
    mensajes.MensajeInformacion(resumen);
    return true;
}

}  // namespace veluma::lote
