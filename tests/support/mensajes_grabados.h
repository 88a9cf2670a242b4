#pragma once

#include "core/mensajes.h"

#include <QStringList>
#include <deque>

namespace veluma::test {

// Keeps every message as "Título: texto" and answers questions as told.
class MensajesGrabados : public veluma::Mensajes {
public:
    void MensajeInformacion(const QString& texto) override { anotar("Información", texto); }
    void MensajeAtencion(const QString& texto) override { anotar("Atención", texto); }
    bool ConfirmacionAdvertencia(const QString& texto) override { return preguntar("Advertencia", texto); }
    veluma::Respuesta PreguntaSiNo(const QString& texto, veluma::Respuesta) override
    {
        return preguntar(veluma::tituloPrograma(), texto) ? veluma::Respuesta::Si : veluma::Respuesta::No;
    }
    void MensajeError(const QString& descripcion, int numero) override
    {
        anotar(veluma::tituloPrograma(), veluma::textoMensajeError(descripcion, numero));
    }
    void MensajeSimple(const QString& texto) override { anotar(veluma::tituloPrograma(), texto); }
    void MensajeCritico(const QString& texto, const QString& titulo) override { anotar(titulo, texto); }
    bool PreguntaSiNoAdvertencia(const QString& texto, const QString& t) override { return preguntar(t, texto); }
    bool PreguntaAceptarCancelar(const QString& texto, const QString& t) override { return preguntar(t, texto); }
    bool PreguntaReintentarCancelar(const QString& texto, const QString& t) override { return preguntar(t, texto); }

    QStringList mensajes;
    // The answers to the next questions in order (true: Sí, Aceptar, Reintentar);
    // once they run out, every question gets `respuesta`.
    std::deque<bool> respuestas;
    veluma::Respuesta respuesta = veluma::Respuesta::Si;

private:
    void anotar(const QString& titulo, const QString& texto) { mensajes += titulo + QStringLiteral(": ") + texto; }
    bool preguntar(const QString& titulo, const QString& texto)
    {
        anotar(titulo, texto);
        if (respuestas.empty())
            return respuesta == veluma::Respuesta::Si;
        const bool siguiente = respuestas.front();
        respuestas.pop_front();
        return siguiente;
    }
};

}  // namespace veluma::test
