#include "intercambio/exportacion.h"

#include "core/error.h"
#include "core/sesion.h"
#include "declarations/formulario.h"
#include "declarations/registro_formularios.h"
#include "intercambio/escritura_csv.h"
#include "intercambio/libro_xlsx.h"

#include <QFileInfo>

namespace veluma {

namespace {

bool esCsv(const QString& archivo)
{
    return QFileInfo(archivo).suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0;
}

}  // namespace

bool esArchivoDeExportacion(const QString& archivo)
{
    return esCsv(archivo) || QFileInfo(archivo).suffix().compare(QLatin1String("xlsx"), Qt::CaseInsensitive) == 0;
}

QStringList exportarDeclaracion(Sesion& sesion, const QString& archivo)
{
    if (!esArchivoDeExportacion(archivo))
        throw Error(kErrorArgumentoNoValido, QStringLiteral("El archivo debe tener la extensión .xlsx "
                                                            "(Libro de Excel) o .csv (Archivos CSV)."));
    if (!sesion.declaracion.elegida())
        throw Error(kErrorArgumentoNoValido, QStringLiteral("No hay ninguna DDJJ seleccionada."));
    const std::vector<Hoja> hojas = formularioDe(sesion.declaracion.formulario).hojasDeExportacion(sesion);
    if (esCsv(archivo))
        return escribirCsv(hojas, archivo);
    escribirLibroXlsx(hojas, archivo);
    return {archivo};
}

}  // namespace veluma
