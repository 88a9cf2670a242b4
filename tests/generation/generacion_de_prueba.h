#pragma once

#include "f708/liquidacion_708.h"
#include "generation/generar_disquete.h"
#include "generation/pantallas/frm_generar.h"
#include "support/archivos.h"
#include "support/controles.h"
#include "support/declaracion_708.h"
#include "support/mensajes_grabados.h"
#include "support/sesion_de_prueba.h"
#include "support/unidades_simuladas.h"

#include <QLabel>
#include <QTabWidget>
#include <functional>

namespace veluma::test {

// Does what the user does while a question is on screen (swap the medium…) before answering it.
class MensajesConManos : public MensajesGrabados {
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

// Each new volume asked for gets a fresh medium in the drive, as the user swaps the diskettes.
inline void cambiarMedioAlPedirlo(MensajesConManos& usuario, UnidadesSimuladas& unidades, QChar letra)
{
    usuario.alPreguntar = [&unidades, letra](const QString& texto) {
        if (texto.startsWith("Por favor inserte") && !texto.contains(" 1 de "))
            unidades.cambiarMedio(letra);
    };
}

inline const QString kFinCorrecto = QStringLiteral("Información: El proceso finalizó correctamente.");

// The reference Form 708 declaration with its records written as its balance screen writes them, and the
// destination screen over drives a: and b:, removable, and c:, a fixed disk. The user swaps the diskette whenever
// the next one is asked for.
class GeneracionDePrueba : public SesionDePrueba {
protected:
    void SetUp() override
    {
        SesionDePrueba::SetUp();
        declaracionDeReferencia708(sesion);
        liquidacion = Liquidacion708::calcular(sesion.base, sesion.declaracion);
        disquetera = unidades.agregar("USB DISK", 3000);
        unidades.agregar("OTRO", 3000);
        disco = unidades.agregar("DISCO", 100000000, false);
        cambiarMedioAlPedirlo(usuario, unidades, disquetera);
        const auto mostrar = [this](const DatosGeneracion& generados) { datos = generados; };
        ASSERT_TRUE(clsGenerarDisquete(sesion, usuario, mostrar).GenerarDisquete(liquidacion));
        EXPECT_EQ(datos.bytesPorDisquete, 1400000.0f);
        datos.bytesPorDisquete = 150;  // so that the file takes several diskettes
        trabajo = sesion.instalacion.carpetaTrabajo();
    }

    // The screen over `datos` as they are when it is first asked for.
    frmGenerar& pantalla()
    {
        if (!pantalla_)
            pantalla_ = std::make_unique<frmGenerar>(sesion.instalacion, usuario, datos, unidades);
        return *pantalla_;
    }
    void cerrarPantalla() { pantalla_.reset(); }
    template <typename T>
    T* control(const char* nombre)
    {
        return hijo<T>(pantalla(), nombre);
    }
    QString texto(const char* etiqueta) { return control<QLabel>(etiqueta)->text(); }
    void aceptar(DestinoGeneracion destino)
    {
        control<QTabWidget>("tabDestino")->setCurrentIndex(static_cast<int>(destino));
        control<QAbstractButton>("cmdAceptar")->click();
    }
    QString destino() const { return unidades.raiz(disco); }

    Liquidacion708 liquidacion;
    MensajesConManos usuario;
    UnidadesSimuladas unidades;
    DatosGeneracion datos;
    QString trabajo;
    QChar disquetera;
    QChar disco;

private:
    std::unique_ptr<frmGenerar> pantalla_;
};

}  // namespace veluma::test
