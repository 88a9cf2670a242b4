#pragma once

#include <QMainWindow>

class QMdiArea;

namespace veluma {

class Mensajes;
struct Sesion;

// The window every screen of the session opens in. Closing it closes the session.
class mdiPrincipal : public QMainWindow {
    Q_OBJECT
public:
    mdiPrincipal(Sesion& sesion, Mensajes& mensajes, QWidget* parent = nullptr);

    static QString titulo();

signals:
    // The closing sequence has run; the program ends now.
    void sesionCerrada();

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    void crearMenu();

    Sesion& sesion_;
    Mensajes& mensajes_;
    QMdiArea* area_;
    bool cerrada_ = false;
};

}  // namespace veluma
