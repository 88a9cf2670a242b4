#include "generation/confirmacion_generacion.h"

#include "core/error.h"
#include "core/mensajes.h"
#include "generation/generacion.h"

#include <QFile>

namespace veluma {

namespace {

// The numbers the user reads in the message of an unexpected error.
enum Paso { BorrarAnteriores = 1, ArmarCabecera, CopiarEntrada, QuitarCabecera };

void informarError(Mensajes& mensajes, Paso paso, const Error& error)
{
    mensajes.MensajeSimple(QStringLiteral("error en la linea : ") + QString::number(paso) + QStringLiteral(" Nro: ")
                           + QString::number(error.numero()) + QStringLiteral(" Descripción: ") + error.descripcion());
}

void eliminar(const QString& ruta)
{
    if (QFile::exists(ruta) && !QFile::remove(ruta))
        throw Error(kErrorAccesoArchivo, QStringLiteral("No se puede eliminar el archivo ") + ruta + QLatin1Char('.'));
}

void copiar(const QString& origen, const QString& destino)
{
    eliminar(destino);
    QFile archivo(origen);
    if (!archivo.copy(destino)) {
        throw Error(kErrorAccesoArchivo, QStringLiteral("No se puede copiar el archivo ") + origen
                                             + QStringLiteral(" en ") + destino + QStringLiteral(": ")
                                             + archivo.errorString() + QLatin1Char('.'));
    }
}

}  // namespace

bool PrepararArchivo(const ccGeneracion& generacion, const DatosGeneracion& datos, DestinoGeneracion destino,
                     Mensajes& mensajes)
{
    if (datos.cantReg == 0) {
        mensajes.MensajeInformacion(QStringLiteral("No existen registros para generar."));
        return false;
    }

    Paso paso = BorrarAnteriores;
    try {
        eliminar(generacion.ruta(kArchivoGenerado));
        eliminar(generacion.ruta(kArchivoCodificado));
    } catch (const Error& error) {
        // Safe to go on: each of them is deleted again, or replaced whole, before it is written.
        informarError(mensajes, paso, error);
    }

    try {
        paso = ArmarCabecera;
        generacion.ArmoArchivo(datos.ArchivoTMP, kArchivoConCabecera, datos.cantReg);
        if (destino == DestinoGeneracion::Internet)
            return true;

        paso = CopiarEntrada;
        copiar(generacion.ruta(kArchivoConCabecera), generacion.ruta(kArchivoACodificar));

        const QString codificado = destino == DestinoGeneracion::Disquete ? kArchivoCodificado : kArchivoGenerado;
        if (!generacion.EncriptoArchivo(kArchivoACodificar, codificado)) {
            mensajes.MensajeAtencion(QStringLiteral("No se pudo codificar el archivo de presentación: "
                                                    "el programa dkwin no está instalado o falló."));
            return false;
        }

        if (destino == DestinoGeneracion::Disquete) {
            paso = QuitarCabecera;
            generacion.SacoCabeceraAuxiliar(kArchivoCodificado, kArchivoGenerado, datos.cantReg);
        }
        return true;
    } catch (const Error& error) {
        // Every later step needs what this one did not produce.
        informarError(mensajes, paso, error);
        return false;
    }
}

void LimpiarTrasGeneracion(const ccGeneracion& generacion)
{
    // Leftovers are harmless: the next generation replaces them.
    QFile::remove(generacion.ruta(kArchivoConCabecera));
    QFile::remove(generacion.ruta(kArchivoACodificar));
}

}  // namespace veluma
