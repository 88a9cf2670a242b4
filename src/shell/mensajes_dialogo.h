#pragma once

#include "core/mensajes.h"

namespace veluma {

// Message boxes with the program's titles, icons and Spanish buttons.
class MensajesDialogo : public Mensajes {
public:
    void MensajeInformacion(const QString& texto) override;
    void MensajeAtencion(const QString& texto) override;
    bool ConfirmacionAdvertencia(const QString& texto) override;
    Respuesta PreguntaSiNo(const QString& texto, Respuesta porDefecto) override;
    void MensajeError(const QString& descripcion, int numero) override;
    void MensajeSimple(const QString& texto) override;
    void MensajeCritico(const QString& texto, const QString& titulo) override;
    bool PreguntaSiNoAdvertencia(const QString& texto, const QString& titulo) override;
    bool PreguntaAceptarCancelar(const QString& texto, const QString& titulo) override;
    bool PreguntaReintentarCancelar(const QString& texto, const QString& titulo) override;
};

}  // namespace veluma
