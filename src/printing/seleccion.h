#pragma once

#include <QString>
#include <QtGlobal>
#include <variant>
#include <vector>

namespace veluma {

using ValorSeleccion = std::variant<QString, qint64, double>;

// One "{TABLA.COLUMNA} = valor" of a selection formula.
struct CondicionSeleccion {
    QString tabla;
    QString columna;
    ValorSeleccion valor;

    bool operator==(const CondicionSeleccion&) const = default;
};

// Reads "{DDJJ.CUIT} = '30-70451826-5' and {DDJJ.PERIODO} = 200405": equalities
// joined by "and" (any case). A value is a text in apostrophes, where two
// apostrophes stand for one, or a number ("-12", "3.5"). An empty formula has
// no conditions. Anything else throws Error naming the position.
std::vector<CondicionSeleccion> leerSeleccion(const QString& formula);

}  // namespace veluma
