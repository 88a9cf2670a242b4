#include "printing/formulas.h"

#include <QRegularExpression>

namespace veluma {

std::optional<std::pair<QString, QString>> leerFormula(const QString& texto)
{
    const qsizetype igual = texto.indexOf(QStringLiteral("='"));
    if (igual < 0) {
        // A number needs no quotes: "ultimahoja=3".
        static const QRegularExpression numerica(QStringLiteral("^\\s*(\\w+)\\s*=\\s*(-?\\d+(\\.\\d+)?)\\s*$"));
        const QRegularExpressionMatch encontrada = numerica.match(texto);
        if (!encontrada.hasMatch())
            return std::nullopt;
        return std::pair{encontrada.captured(1), encontrada.captured(2)};
    }
    if (texto.size() < igual + 3 || !texto.endsWith(QLatin1Char('\'')))
        return std::nullopt;
    const QString nombre = texto.left(igual).trimmed();
    if (nombre.isEmpty())
        return std::nullopt;
    return std::pair{nombre, texto.mid(igual + 2, texto.size() - igual - 3)};
}

std::map<QString, QString> valoresDeFormulas(const std::map<int, QString>& formulas)
{
    std::map<QString, QString> valores;
    for (const auto& [indice, texto] : formulas) {
        if (const auto formula = leerFormula(texto))
            valores[formula->first] = formula->second;
    }
    return valores;
}

}  // namespace veluma
