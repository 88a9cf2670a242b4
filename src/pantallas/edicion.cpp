#include "pantallas/edicion.h"

#include "core/error.h"
#include "core/mensajes.h"
#include "pantallas/botones.h"

#include <QAbstractButton>

namespace veluma {

void HabilitarEdicionABM(QWidget& pantalla, bool editando, bool tieneFilas, QWidget* datos,
                         std::initializer_list<QWidget*> navegacion)
{
    const bool navegando = !editando;
    const auto botones = pantalla.findChildren<QAbstractButton*>();
    for (QAbstractButton* boton : botones) {
        const std::optional<Boton> rol = rolDe(*boton);
        if (!rol)
            continue;
        switch (*rol) {
        case Boton::Nuevo:
        case Boton::Importar:
        case Boton::Salir: boton->setVisible(navegando); break;
        case Boton::Modificar:
        case Boton::Eliminar:
        case Boton::EliminarABM:
        case Boton::EliminarTodos:
        case Boton::Detallar:
        case Boton::Imprimir: boton->setVisible(navegando && tieneFilas); break;
        case Boton::Aceptar:
        case Boton::Cancelar: boton->setVisible(editando); break;
        default: break;
        }
    }
    if (datos)
        datos->setEnabled(editando);
    for (QWidget* control : navegacion)
        if (control)
            control->setEnabled(navegando && tieneFilas);
}

bool conAvisoDeErrores(Mensajes& mensajes, const std::function<void()>& accion)
{
    try {
        accion();
        return true;
    } catch (const Error& error) {
        mensajes.MensajeError(error.descripcion(), error.numero());
        return false;
    }
}

}  // namespace veluma
