#include "f618/pantallas/frm618_total_a_pagar.h"

#include "core/contextos_ayuda.h"
#include "core/sesion.h"
#include "pantallas/edicion.h"

namespace veluma {

frm618TotalAPagar::frm618TotalAPagar(Sesion& sesion, Mensajes& mensajes, QWidget* parent)
    : PantallaTotal(
        sesion, mensajes,
        {QStringLiteral("frm618TotalAPagar"), QStringLiteral("Total a Depositar"), QStringLiteral("Total a depositar"),
         QStringLiteral("Total de Percepciones efectuadas:"), QStringLiteral("txtPercepcionesEfectuadas"),
         QStringLiteral("&Formulario"), QStringLiteral("Imprimir el Formulario 618"), kAyudaTotalADepositar618},
        parent)
{
    conAvisoDeErrores(mensajes_, [&] { liquidacion_ = Liquidacion618::calcular(sesion_.base, sesion_.declaracion); });
    mostrar(liquidacion_, liquidacion_.percepciones.TotalADepositar);
}

}  // namespace veluma
