#pragma once

#include <QDialog>

namespace veluma {

// Shown while the session starts; closes itself after a moment or on Enter.
class frmSplash : public QDialog {
    Q_OBJECT
public:
    explicit frmSplash(QWidget* parent = nullptr);

    static constexpr int kDuracionMs = 1800;

protected:
    void keyPressEvent(QKeyEvent* evento) override;
};

}  // namespace veluma
