#pragma once

#include "f617/liquidacion_617.h"
#include "generation/pantallas/pantalla_total.h"

namespace veluma {

// The total to pay of the session's Form 617 declaration; prints the form
// and generates the submission file, both from the figures it shows.
class frm617TotalAPagar : public PantallaTotal {
    Q_OBJECT
public:
    frm617TotalAPagar(Sesion& sesion, Mensajes& mensajes, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* evento) override;

private:
    Liquidacion617 liquidacion_;
    bool avisado_ = false;
};

}  // namespace veluma
