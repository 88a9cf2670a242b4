#pragma once

#include <QObject>

namespace veluma {

// When a window that another one opened closes, the keyboard goes back to
// the one that opened it. Window managers do it; where there is none (a
// kiosk session, a remote display without one) the keys would otherwise go
// nowhere until a click.
class RetornoDelTeclado : public QObject {
public:
    explicit RetornoDelTeclado(QObject* parent);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
};

}  // namespace veluma
