#include "f617/pantallas/frm617_total_a_pagar.h"

#include "core/contextos_ayuda.h"
#include "core/mensajes.h"
#include "core/sesion.h"
#include "pantallas/edicion.h"

#include <QTimer>

namespace veluma {

frm617TotalAPagar::frm617TotalAPagar(Sesion& sesion, Mensajes& mensajes, QWidget* parent)
    : PantallaTotal(
        sesion, mensajes,
        {QStringLiteral("frm617TotalAPagar"), QStringLiteral("Total a Pagar"), QStringLiteral("Total a pagar"),
         QStringLiteral("Total a pagar:"), QStringLiteral("txtTotalAPagar"), QStringLiteral("&Imprimir"),
         QStringLiteral("Imprimir el Formulario 617"), kAyudaTotalAPagar617},
        parent)
{
    conAvisoDeErrores(mensajes_, [&] { liquidacion_ = Liquidacion617::calcular(sesion_.base, sesion_.declaracion); });
    mostrar(liquidacion_, liquidacion_.total.TotalAPagar);
}

// A licence left out of the total is told as soon as the total shows.
void frm617TotalAPagar::showEvent(QShowEvent* evento)
{
    PantallaTotal::showEvent(evento);
    if (avisado_ || liquidacion_.total.problemas.isEmpty())
        return;
    avisado_ = true;
    QTimer::singleShot(0, this, [this] {
        mensajes_.MensajeAtencion(QStringLiteral("El total no incluye estas licencias:\n")
                                  + liquidacion_.total.problemas.join(QLatin1Char('\n')));
    });
}

}  // namespace veluma
