#pragma once

#include <QObject>

class QAbstractButton;
class QKeyEvent;
class QMdiArea;

namespace veluma {

// The main menu's access keys are the main window's; while a screen inside
// it has the focus, the screen's own access keys come first: Alt+A is its
// "Aceptar", not the "Archivo" menu. The menu keys that no button of the
// screen uses still open their menus.
class PrioridadDeLaPantalla : public QObject {
public:
    explicit PrioridadDeLaPantalla(QMdiArea& area);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    QAbstractButton* botonDeLaTecla(QObject* receptor, const QKeyEvent& tecla) const;

    QMdiArea& area_;
};

}  // namespace veluma
