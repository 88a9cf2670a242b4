#include "generation/generar_disquete.h"

#include "core/error.h"
#include "core/mensajes.h"
#include "core/sesion.h"
#include "declarations/formulario.h"
#include "generation/generacion.h"
#include "generation/interfaz_registros.h"

namespace veluma {

clsGenerarDisquete::clsGenerarDisquete(Sesion& sesion, Mensajes& mensajes,
                                       std::function<void(const DatosGeneracion&)> mostrarDestino)
    : sesion_(sesion), mensajes_(mensajes), mostrarDestino_(std::move(mostrarDestino))
{
}

bool clsGenerarDisquete::GenerarDisquete(const Liquidacion& liquidacion)
{
    try {
        const std::unique_ptr<InterfazRegistros> registros = liquidacion.registros(sesion_);
        if (!registros->GenerarDisquete(kArchivoRegistros, mensajes_))
            return false;

        DatosGeneracion datos;
        datos.ArchivoTMP = kArchivoRegistros;
        datos.fileDestino = registros->ArchivoSalidaDKT;
        datos.fileDestinoCD = registros->ArchivoSalidaCD;
        datos.pathOrigen = ccGeneracion(sesion_.instalacion).directorio();
        datos.cantReg = registros->CantidadRegistros;
        mostrarDestino_(datos);
        return true;
    } catch (const Error& error) {
        mensajes_.MensajeError(error.descripcion() + QStringLiteral("( Generar Disquete)(")
                                   + QString::number(error.numero()) + QLatin1Char(')'),
                               error.numero());
        return false;
    }
}

}  // namespace veluma
