#pragma once

#include <QDialog>

namespace veluma {

// An entry screen with a list to edit, opened over the declaration manager.
// Esc is its Cancelar shortcut, so unlike a plain dialog Esc never closes it.
class PantallaEntrada : public QDialog {
    Q_OBJECT
public:
    using QDialog::QDialog;

protected:
    void keyPressEvent(QKeyEvent* evento) override;
};

}  // namespace veluma
