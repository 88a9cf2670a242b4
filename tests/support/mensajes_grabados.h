#pragma once

#include "core/mensajes.h"

#include <QStringList>

namespace veluma::test {

// Keeps every message as "Título: texto" and answers questions as told.
class MensajesGrabados : public veluma::Mensajes {
public:
    void MensajeInformacion(const QString& texto) override { anotar(QStringLiteral("Información"), texto); }
    void MensajeAtencion(const QString& texto) override { anotar(QStringLiteral("Atención"), texto); }
    bool ConfirmacionAdvertencia(const QString& texto) override
    {
        anotar(QStringLiteral("Advertencia"), texto);
        return respuesta == veluma::Respuesta::Si;
    }
    veluma::Respuesta PreguntaSiNo(const QString& texto, veluma::Respuesta) override
    {
        anotar(veluma::tituloPrograma(), texto);
        return respuesta;
    }
    void MensajeError(const QString& descripcion, int numero) override
    {
        anotar(veluma::tituloPrograma(), veluma::textoMensajeError(descripcion, numero));
    }
    void MensajeSimple(const QString& texto) override { anotar(veluma::tituloPrograma(), texto); }
    void MensajeCritico(const QString& texto, const QString& titulo) override { anotar(titulo, texto); }

    QStringList mensajes;
    veluma::Respuesta respuesta = veluma::Respuesta::Si;

private:
    void anotar(const QString& titulo, const QString& texto) { mensajes += titulo + QStringLiteral(": ") + texto; }
};

}  // namespace veluma::test
