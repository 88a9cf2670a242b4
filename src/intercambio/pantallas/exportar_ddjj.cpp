#include "intercambio/pantallas/exportar_ddjj.h"

#include "core/contextos_ayuda.h"
#include "core/error.h"
#include "core/mensajes.h"
#include "core/sesion.h"
#include "intercambio/exportacion.h"
#include "pantallas/contexto_ayuda.h"

#include <QDir>
#include <QFileDialog>

namespace veluma {

namespace {

const QString kFiltroXlsx = QStringLiteral("Libro de Excel (*.xlsx)");
const QString kFiltroCsv = QStringLiteral("Archivos CSV (*.csv)");

// "F708-200403-0": the form, the period and the sequence.
QString nombreSugerido(const ClaveDDJJ& clave)
{
    return QStringLiteral("F%1-%2-%3").arg(clave.formulario).arg(clave.periodo).arg(clave.secuencia);
}

// The name as typed, with the chosen filter's extension when it has neither.
QString conExtension(const QString& archivo, const QString& filtro)
{
    if (esArchivoDeExportacion(archivo))
        return archivo;
    return archivo + (filtro == kFiltroCsv ? QStringLiteral(".csv") : QStringLiteral(".xlsx"));
}

}  // namespace

void exportarDDJJ(QWidget* padre, Sesion& sesion, Mensajes& mensajes)
{
    QFileDialog dialogo(padre, QStringLiteral("Exportar la Declaración Jurada"),
                        QDir::home().filePath(nombreSugerido(sesion.declaracion)));
    dialogo.setObjectName(QStringLiteral("dlgExportar"));
    dialogo.setOption(QFileDialog::DontUseNativeDialog);
    dialogo.setAcceptMode(QFileDialog::AcceptSave);
    dialogo.setNameFilters({kFiltroXlsx, kFiltroCsv});
    ponerContextoAyuda(dialogo, kAyudaExportar);
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty())
        return;
    const QString archivo = conExtension(dialogo.selectedFiles().constFirst(), dialogo.selectedNameFilter());
    QStringList escritos;
    try {
        escritos = exportarDeclaracion(sesion, archivo);
    } catch (const Error& error) {
        mensajes.MensajeError(error.descripcion(), error.numero());
        return;
    }
    for (QString& escrito : escritos)
        escrito = QDir::toNativeSeparators(escrito);
    mensajes.MensajeInformacion(QStringLiteral("La Declaración Jurada se exportó en:\n") + escritos.join(u'\n'));
}

}  // namespace veluma
