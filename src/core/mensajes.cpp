#include "core/mensajes.h"

#include "core/consola.h"

namespace veluma {

QString tituloPrograma() { return QStringLiteral("Veluma"); }

QString textoMensajeError(const QString& descripcion, int numero)
{
    return QStringLiteral("Ha ocurrido el error ") + QString::number(numero)
        + QStringLiteral(" con la siguiente descripción : \r\n") + descripcion;
}

bool modoNoInteractivo() { return qEnvironmentVariable("VELUMA_NO_INTERACTIVO") == QLatin1String("1"); }

void MensajesConsola::escribir(const QString& titulo, const QString& texto)
{
    QString linea = texto;
    linea.replace(QLatin1Char('\r'), QLatin1String("\\r")).replace(QLatin1Char('\n'), QLatin1String("\\n"));
    escribirLinea(stderr, titulo + QStringLiteral(": ") + linea);
}

void MensajesConsola::MensajeInformacion(const QString& texto) { escribir(QStringLiteral("Información"), texto); }

void MensajesConsola::MensajeAtencion(const QString& texto) { escribir(QStringLiteral("Atención"), texto); }

bool MensajesConsola::ConfirmacionAdvertencia(const QString& texto)
{
    escribir(QStringLiteral("Advertencia"), texto);
    return true;
}

Respuesta MensajesConsola::PreguntaSiNo(const QString& texto, Respuesta porDefecto)
{
    escribir(tituloPrograma(), texto);
    return porDefecto;
}

void MensajesConsola::MensajeError(const QString& descripcion, int numero)
{
    escribir(tituloPrograma(), textoMensajeError(descripcion, numero));
}

void MensajesConsola::MensajeSimple(const QString& texto) { escribir(tituloPrograma(), texto); }

void MensajesConsola::MensajeCritico(const QString& texto, const QString& titulo) { escribir(titulo, texto); }

bool MensajesConsola::PreguntaSiNoAdvertencia(const QString& texto, const QString& titulo)
{
    escribir(titulo, texto);
    return true;
}

bool MensajesConsola::PreguntaAceptarCancelar(const QString& texto, const QString& titulo)
{
    escribir(titulo, texto);
    return true;
}

bool MensajesConsola::PreguntaReintentarCancelar(const QString& texto, const QString& titulo)
{
    escribir(titulo, texto);
    return false;
}

}  // namespace veluma
