#pragma once

#include <QDialog>

namespace veluma {

// The program's name, version and what it is for.
class frmAcerca : public QDialog {
    Q_OBJECT
public:
    explicit frmAcerca(QWidget* parent = nullptr);
};

}  // namespace veluma
