#include "pantallas/pantalla_entrada.h"

#include <QKeyEvent>

namespace veluma {

void PantallaEntrada::keyPressEvent(QKeyEvent* evento)
{
    if (evento->key() == Qt::Key_Escape) {
        evento->accept();
        return;
    }
    QDialog::keyPressEvent(evento);
}

}  // namespace veluma
