#pragma once

#include <QDialog>
#include <functional>

class QTimer;

namespace veluma {

// Shown while the session closes. Its work starts two seconds after it
// appears, so its texts are on screen before the long compaction begins.
class frmCerrando : public QDialog {
    Q_OBJECT
public:
    frmCerrando(const QString& tituloPrincipal, const QIcon& icono, std::function<void()> cierre,
                QWidget* parent = nullptr);

    static constexpr int kDemoraMs = 2000;
    static QString textoRespaldo();
    static QString textoEspera();

protected:
    void showEvent(QShowEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;
    void reject() override;

private:
    void Timer_Timer();

    std::function<void()> cierre_;
    QTimer* tmrCerrar_;
    bool terminado_ = false;
};

}  // namespace veluma
