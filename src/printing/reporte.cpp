#include "printing/reporte.h"

#include "core/clave.h"
#include "core/database.h"
#include "printing/configuracion_reporte.h"
#include "printing/formulas.h"
#include "printing/plantilla.h"

#include <QFileInfo>

namespace veluma {

namespace {

bool mismoArchivo(const QString& una, const QString& otra)
{
    const QString canonica = QFileInfo(una).canonicalFilePath();
    return !canonica.isEmpty() && canonica == QFileInfo(otra).canonicalFilePath();
}

}  // namespace

QString htmlDelReporte(const ConfiguracionReporte& configuracion, Database& abierta)
{
    const PlantillaReporte plantilla = leerPlantilla(configuracion.archivoReporte);
    const std::vector<CondicionSeleccion> condiciones = leerSeleccion(configuracion.formulaSeleccion);
    std::vector<FilaReporte> filas;
    if (configuracion.filas) {
        filas = *configuracion.filas;
    } else if (mismoArchivo(configuracion.archivoDatos, abierta.path())) {
        filas = leerFilas(abierta, plantilla.origen, condiciones);
    } else {
        const QString contrasena = configuracion.contrasena.isEmpty()
            ? contrasenaDeConexion(configuracion.conexion)
            : configuracion.contrasena;
        Database propia = Database::open(configuracion.archivoDatos, contrasena);
        filas = leerFilas(propia, plantilla.origen, condiciones);
    }
    return completarPlantilla(plantilla, valoresDeFormulas(configuracion.formulas()), filas);
}

}  // namespace veluma
