#include "pantallas/contexto_ayuda.h"

#include <QVariant>
#include <QWidget>

namespace veluma {

namespace {
const char* const kPropiedadContexto = "contextoAyuda";
}  // namespace

void ponerContextoAyuda(QWidget& control, int contexto) { control.setProperty(kPropiedadContexto, contexto); }

int contextoAyudaDe(const QWidget* control)
{
    for (; control; control = control->parentWidget())
        if (const QVariant contexto = control->property(kPropiedadContexto); contexto.isValid())
            return contexto.toInt();
    return 0;
}

}  // namespace veluma
