#pragma once

#include <QString>
#include <map>
#include <vector>

namespace veluma {

class Database;
struct ClaveDDJJ;

// A node of the manager's section tree, as TablaArbol lists it.
struct SeccionDDJJ {
    QString clave;        // NombreForm: also the key of the screen it opens
    QString descripcion;
    bool detalle = false;  // under "Detalle"; otherwise under "Resultado"
};

// The sections of a form in the reference table's order.
std::vector<SeccionDDJJ> seccionesDelFormulario(Database& base, int formulario);

// Images of the section nodes.
inline const QString kImagenVacio = QStringLiteral("vacio");
inline const QString kImagenLleno = QStringLiteral("lleno");

// The image of every section whose state depends on stored data ("lleno"
// when the declaration has rows in it, "vacio" otherwise), by node key.
// Sections with no such rule are left out. For Form 617 the service chosen
// is `impServicio`.
std::map<QString, QString> estadosDeSecciones(Database& base, const ClaveDDJJ& declaracion, int impServicio);

}  // namespace veluma
