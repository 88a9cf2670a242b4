#include "intercambio/exportacion.h"

#include "core/error.h"
#include "core/sesion.h"
#include "declarations/formulario.h"
#include "declarations/registro_formularios.h"
#include "intercambio/escritura_csv.h"
#include "intercambio/libro_xlsx.h"

#include <QFileInfo>

namespace veluma {

QStringList exportarDeclaracion(Sesion& sesion, const QString& archivo)
{
    const QString extension = QFileInfo(archivo).suffix().toLower();
    if (extension != QLatin1String("xlsx") && extension != QLatin1String("csv"))
        throw Error(kErrorArgumentoNoValido, QStringLiteral("El archivo debe tener la extensión .xlsx "
                                                            "(Libro de Excel) o .csv (Archivos CSV)."));
    if (!sesion.declaracion.elegida())
        throw Error(kErrorArgumentoNoValido, QStringLiteral("No hay ninguna DDJJ seleccionada."));
    const std::vector<Hoja> hojas = formularioDe(sesion.declaracion.formulario).hojasDeExportacion(sesion);
    if (extension == QLatin1String("csv"))
        return escribirCsv(hojas, archivo);
    escribirLibroXlsx(hojas, archivo);
    return {archivo};
}

}  // namespace veluma
