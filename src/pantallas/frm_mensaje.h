#pragma once

#include <QDialog>

class QLabel;
class QTimer;

namespace veluma {

// A short message that closes itself after a few seconds.
class frmMensaje : public QDialog {
    Q_OBJECT
public:
    frmMensaje(const QString& titulo, const QString& texto, QWidget* parent = nullptr);

    static constexpr int kDuracionMs = 2500;

private:
    QLabel* lblMensaje_;
    QTimer* Timer1_;
};

}  // namespace veluma
