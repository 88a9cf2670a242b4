#pragma once

#include <QString>
#include <QVariant>
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

// Whether `tabla` holds a row of the declaration (CUIT, period and sequence)
// that also meets `condicion`, extra SQL with at most one "?" for `valor`.
bool hayFilas(Database& base, const QString& tabla, const ClaveDDJJ& clave, const QString& condicion = {},
              const QVariant& valor = {});

}  // namespace veluma
