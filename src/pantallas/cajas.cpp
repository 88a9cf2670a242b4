#include "pantallas/cajas.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace veluma {

QLineEdit* crearCajaNumerica(QWidget* padre, const QString& nombre, const QString& admitido, int ancho)
{
    auto* campo = new QLineEdit(padre);
    campo->setObjectName(nombre);
    campo->setAlignment(Qt::AlignRight);
    campo->setMinimumWidth(ancho);
    if (admitido.isEmpty()) {
        campo->setReadOnly(true);
        campo->setFocusPolicy(Qt::ClickFocus);
    } else {
        campo->setValidator(new QRegularExpressionValidator(QRegularExpression(admitido), campo));
    }
    return campo;
}

QLineEdit* crearCajaTexto(QWidget* padre, const QString& nombre, int largo)
{
    auto* campo = new QLineEdit(padre);
    campo->setObjectName(nombre);
    campo->setMaxLength(largo);
    return campo;
}

}  // namespace veluma
