#include "pantallas/caja_cuit.h"

#include "generation/codificacion.h"

#include <algorithm>

namespace veluma {

CajaCuit::CajaCuit(QWidget* padre, const QString& nombre) : QLineEdit(padre)
{
    setObjectName(nombre);
    setInputMask(QStringLiteral("99-99999999-9;_"));
    setMaximumWidth(140);
}

QString CajaCuit::cuit() const
{
    const QString texto = text();
    return std::any_of(texto.begin(), texto.end(), [](QChar c) { return c.isDigit(); }) ? texto : QString();
}

void CajaCuit::ponerCuit(const QString& cuit)
{
    QString digitos = cuit.trimmed();
    digitos.remove(QLatin1Char('-'));
    setText(digitos);
}

bool CajaCuit::esValido() const
{
    QString texto = cuit();
    return ValidarCuit(texto, true, true, true, true);
}

}  // namespace veluma
