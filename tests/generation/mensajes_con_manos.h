#pragma once

#include "support/mensajes_grabados.h"

#include <functional>
#include <gtest/gtest.h>

namespace veluma::test {

// Does what the user does while a question is on screen (swap the medium…) before answering it.
class MensajesConManos : public veluma::test::MensajesGrabados {
public:
    bool PreguntaAceptarCancelar(const QString& texto, const QString& titulo) override
    {
        actuar(texto);
        return MensajesGrabados::PreguntaAceptarCancelar(texto, titulo);
    }
    bool PreguntaReintentarCancelar(const QString& texto, const QString& titulo) override
    {
        actuar(texto);
        return MensajesGrabados::PreguntaReintentarCancelar(texto, titulo);
    }

    std::function<void(const QString&)> alPreguntar;

private:
    void actuar(const QString& texto)
    {
        // A copy that keeps asking would never end: say Cancel and fail instead.
        if (++preguntas_ > 20) {
            ADD_FAILURE() << "demasiadas preguntas: " << texto.toStdString();
            respuestas.assign(1, false);
        }
        if (alPreguntar)
            alPreguntar(texto);
    }

    int preguntas_ = 0;
};

}  // namespace veluma::test
