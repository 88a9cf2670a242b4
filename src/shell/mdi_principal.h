#pragma once

#include <QMainWindow>
#include <QPointer>

class QAction;
class QLabel;
class QMdiArea;
class QMenu;

namespace veluma {

class Mensajes;
class frmDDJJ;
struct Sesion;

// The window every screen of the session opens in. Closing it closes the session.
class mdiPrincipal : public QMainWindow {
    Q_OBJECT
public:
    // Reads the session's taxpayer for the banner; throws Error when the
    // taxpayer cannot be read, which ends the session.
    mdiPrincipal(Sesion& sesion, Mensajes& mensajes, QWidget* parent = nullptr);

    static QString titulo();

    // The declaration manager when one is open.
    frmDDJJ* administrador() const;

signals:
    // The closing sequence has run, well or not; the program ends now.
    void sesionCerrada(bool correcto);

protected:
    void closeEvent(QCloseEvent* evento) override;
    bool event(QEvent* evento) override;

private:
    void crearBanner();
    void crearMenu();
    void MDIForm_Load();
    void abrirFormulario(int formulario);
    void mnuContenido_Click();
    void mnuAcerca_Click();
    void mnubackup_Click();
    void desplegarImpuestos();

    Sesion& sesion_;
    Mensajes& mensajes_;
    QMdiArea* area_;
    QLabel* lblPrincipal_ = nullptr;
    QMenu* mnuFormulario_ = nullptr;
    QPointer<frmDDJJ> administrador_;
    bool cerrada_ = false;
};

}  // namespace veluma
