#include "shell/calculadora.h"

#include "core/mensajes.h"

#include <QProcess>
#include <QStandardPaths>

namespace veluma {

QStringList calculadorasConocidas()
{
    return {QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"),    QStringLiteral("galculator"),
            QStringLiteral("xcalc"),            QStringLiteral("mate-calc"), QStringLiteral("qalculate-gtk")};
}

bool abrirCalculadora(Mensajes& mensajes, const QStringList& candidatos)
{
    for (const QString& nombre : candidatos) {
        const QString ruta = QStandardPaths::findExecutable(nombre);
        if (!ruta.isEmpty() && QProcess::startDetached(ruta, {}))
            return true;
    }
    // The users know the tool by this name, whatever the desktop.
    mensajes.MensajeCritico(QStringLiteral("La calculadora de Windows no está disponible."), QStringLiteral("Error"));
    return false;
}

}  // namespace veluma
