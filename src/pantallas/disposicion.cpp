#include "pantallas/disposicion.h"

#include <QVBoxLayout>
#include <QWidget>

namespace veluma {

void disponerPantalla(QWidget& pantalla, QWidget* barra, QLayout* cuerpo)
{
    auto* principal = new QVBoxLayout(&pantalla);
    principal->setContentsMargins(0, 0, 0, 0);
    principal->addWidget(barra);
    principal->addLayout(cuerpo, 1);
}

void disponerPantalla(QWidget& pantalla, QWidget* barra, QWidget* marco)
{
    auto* cuerpo = new QVBoxLayout;
    cuerpo->setContentsMargins(8, 4, 8, 8);
    cuerpo->addWidget(marco);
    cuerpo->addStretch();
    disponerPantalla(pantalla, barra, cuerpo);
}

}  // namespace veluma
