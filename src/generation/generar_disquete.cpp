#include "generation/generar_disquete.h"

#include "core/error.h"
#include "core/mensajes.h"
#include "core/sesion.h"
#include "generation/generacion.h"
#include "generation/interfaz_registros.h"

#include <map>

namespace veluma {

namespace {

std::map<int, ConstructorRegistros>& constructores()
{
    static std::map<int, ConstructorRegistros> registrados;
    return registrados;
}

}  // namespace

clsGenerarDisquete::clsGenerarDisquete(Sesion& sesion, Mensajes& mensajes,
                                       std::function<void(const DatosGeneracion&)> mostrarDestino,
                                       ConstructorRegistros constructor)
    : sesion_(sesion), mensajes_(mensajes), mostrarDestino_(std::move(mostrarDestino)),
      constructor_(std::move(constructor))
{
}

void clsGenerarDisquete::registrarConstructorRegistros(int formulario, ConstructorRegistros constructor)
{
    constructores()[formulario] = std::move(constructor);
}

bool clsGenerarDisquete::GenerarDisquete()
{
    try {
        ConstructorRegistros constructor = constructor_;
        if (!constructor) {
            const auto encontrado = constructores().find(sesion_.formulario);
            if (encontrado != constructores().end())
                constructor = encontrado->second;
        }
        if (!constructor) {
            mensajes_.MensajeInformacion(
                QStringLiteral("La generación del archivo de presentación no está disponible para el formulario ")
                + QString::number(sesion_.formulario) + QLatin1Char('.'));
            return false;
        }
        const std::unique_ptr<InterfazRegistros> registros = constructor(sesion_);
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
