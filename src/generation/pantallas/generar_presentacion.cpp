#include "generation/pantallas/generar_presentacion.h"

#include "core/sesion.h"
#include "generation/generar_disquete.h"
#include "generation/medios.h"
#include "generation/pantallas/frm_generar.h"

#include <QApplication>
#include <QWidget>

namespace veluma {

namespace {
Unidades* unidadesFijadas = nullptr;
}  // namespace

void fijarUnidadesDeDestino(Unidades* unidades) { unidadesFijadas = unidades; }

bool GenerarPresentacion(QWidget& pantalla, Sesion& sesion, Mensajes& mensajes, const Liquidacion& liquidacion)
{
    UnidadesDelSistema delSistema;
    Unidades& unidades = unidadesFijadas ? *unidadesFijadas : delSistema;
    pantalla.setCursor(Qt::WaitCursor);
    clsGenerarDisquete generacion(
        sesion, mensajes,
        [&](const DatosGeneracion& datos) {
            pantalla.unsetCursor();
            frmGenerar destino(sesion.instalacion, mensajes, datos, unidades, &pantalla);
            destino.exec();
        });
    const bool generado = generacion.GenerarDisquete(liquidacion);
    pantalla.unsetCursor();
    return generado;
}

}  // namespace veluma
