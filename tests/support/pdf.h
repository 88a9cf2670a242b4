#pragma once

#include "support/ejecucion.h"

#include <QStandardPaths>
#include <gtest/gtest.h>
#include <optional>

namespace veluma::test {

// The text pdftotext reads in a PDF, pages ended by form feeds; with
// `comoImpreso`, each line laid out as printed. Ligatures such as "ﬁ" read as
// their letters. Nothing when the tool is not installed.
inline std::optional<QString> textoDelPdf(const QString& ruta, bool comoImpreso = false)
{
    const QString programa = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (programa.isEmpty())
        return std::nullopt;
    QStringList argumentos{QStringLiteral("-enc"), QStringLiteral("UTF-8"), ruta, QStringLiteral("-")};
    if (comoImpreso)
        argumentos.prepend(QStringLiteral("-layout"));
    const Ejecucion pdftotext = ejecutar(programa, argumentos);
    EXPECT_EQ(pdftotext.codigo, 0) << pdftotext.errores.toStdString();
    return QString::fromUtf8(pdftotext.salida).normalized(QString::NormalizationForm_KC);
}

}  // namespace veluma::test
