#pragma once

#include "f618/liquidacion_618.h"
#include "generation/pantallas/pantalla_total.h"

namespace veluma {

// The total to deposit of the session's Form 618 declaration; prints the
// form and generates the submission file, both from the figures it shows.
class frm618TotalAPagar : public PantallaTotal {
    Q_OBJECT
public:
    frm618TotalAPagar(Sesion& sesion, Mensajes& mensajes, QWidget* parent = nullptr);

private:
    Liquidacion618 liquidacion_;
};

}  // namespace veluma
