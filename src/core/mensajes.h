#pragma once

#include <QString>

namespace veluma {

// The program's title, shown on the messages that carry no title of their own.
QString tituloPrograma();

enum class Respuesta { Si, No };

// The only way the program talks to the user. The desktop implementation
// shows message boxes; the console one (VELUMA_NO_INTERACTIVO=1) writes one
// line per message and answers every question with its default button.
class Mensajes {
public:
    virtual ~Mensajes() = default;

    // OK, information icon, title "Información".
    virtual void MensajeInformacion(const QString& texto) = 0;
    // OK, exclamation icon, title "Atención".
    virtual void MensajeAtencion(const QString& texto) = 0;
    // Yes and No, exclamation icon, title "Advertencia"; true when Yes. The
    // dialog proposes No; the console answers Yes, so a script goes on.
    virtual bool ConfirmacionAdvertencia(const QString& texto) = 0;
    // Yes and No, question icon, the program title.
    virtual Respuesta PreguntaSiNo(const QString& texto, Respuesta porDefecto = Respuesta::Si) = 0;
    // OK, critical icon, the program title.
    virtual void MensajeError(const QString& descripcion, int numero) = 0;
    // OK, no icon, the program title.
    virtual void MensajeSimple(const QString& texto) = 0;
    // OK, critical icon, the given title: for the few messages that carry their own.
    virtual void MensajeCritico(const QString& texto, const QString& titulo) = 0;
    // Yes and No, exclamation icon, the given title; true for Yes. As above.
    virtual bool PreguntaSiNoAdvertencia(const QString& texto, const QString& titulo) = 0;
    // OK and Cancel, exclamation icon, the given title; true for OK (the default).
    virtual bool PreguntaAceptarCancelar(const QString& texto, const QString& titulo) = 0;
    // Retry and Cancel, exclamation icon, the given title; true for Retry.
    // Nobody can mend a medium in the console: there it answers Cancel.
    virtual bool PreguntaReintentarCancelar(const QString& texto, const QString& titulo) = 0;
};

// "Ha ocurrido el error N con la siguiente descripción : " + CR LF + description.
QString textoMensajeError(const QString& descripcion, int numero);

// True when VELUMA_NO_INTERACTIVO=1: nobody is there to answer.
bool modoNoInteractivo();

// Writes each message as one line "Título: texto" on standard error.
class MensajesConsola : public Mensajes {
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

    // One line: line breaks inside the text are written as \r and \n.
    static void escribir(const QString& titulo, const QString& texto);
};

}  // namespace veluma
