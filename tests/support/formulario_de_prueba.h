#pragma once

#include "generation/codificacion.h"
#include "generation/datos_generacion.h"
#include "support/archivos.h"
#include "support/sesion_de_prueba.h"

#include <memory>

namespace veluma::test {

// A declaration of the session settled with `L` and written with its record builder `I`.
template <class L, class I>
class FormularioDePrueba : public SesionDePrueba {
protected:
    L liquidar() { return L::calcular(sesion.base, sesion.declaracion); }
    // Settles the session's declaration and writes its records; true on success.
    bool generar()
    {
        liquidacion = liquidar();
        interfaz = std::make_unique<I>(sesion, liquidacion);
        return interfaz->GenerarDisquete(kArchivoRegistros, mensajes);
    }
    QString rutaRegistros() const { return veluma::DirectorioWindows(sesion.instalacion) + kArchivoRegistros; }
    // The records that start with `tipo` (all of them for ""), in the file's order.
    QList<QByteArray> registros(const char* tipo = "") const
    {
        QList<QByteArray> deTipo;
        for (const QByteArray& linea : leerArchivo(rutaRegistros()).split('\n'))
            if (!linea.isEmpty() && linea.startsWith(tipo))
                deTipo += linea;
        return deTipo;
    }
    QByteArray registro(const char* tipo) const { return registros(tipo).value(0); }
    // What the user is told when the file is not generated.
    QStringList fallo(const QString& motivo) const
    {
        return {QStringLiteral("Información: La generación no se efectuó por el siguiente motivo:\r\n\r\n") + motivo};
    }

    L liquidacion;
    std::unique_ptr<I> interfaz;
};

}  // namespace veluma::test
