#include "declarations/pantallas/registro_secciones.h"

#include <QHash>

namespace veluma {

namespace {
QHash<QString, AbrirSeccion>& registro()
{
    static QHash<QString, AbrirSeccion> secciones;
    return secciones;
}
}  // namespace

void registrarSeccion(const QString& clave, AbrirSeccion abrir) { registro().insert(clave, std::move(abrir)); }

AbrirSeccion seccionRegistrada(const QString& clave) { return registro().value(clave); }

QString textoPantallaNoDisponible()
{
    return QStringLiteral("La pantalla de esta sección no está disponible en esta versión del programa.");
}

}  // namespace veluma
