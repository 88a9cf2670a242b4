#pragma once

#include <QLineEdit>

namespace veluma {

// A box for a CUIT: it shows the dashes ("20-12345678-6") in their places and
// takes only digits, so the user types the eleven digits alone.
class CajaCuit : public QLineEdit {
    Q_OBJECT
public:
    CajaCuit(QWidget* padre, const QString& nombre);

    // The CUIT as shown, with its dashes; empty while no digit is typed.
    QString cuit() const;
    // Shows a CUIT written with or without dashes.
    void ponerCuit(const QString& cuit);
    // Whether the eleven digits are typed and the last one checks the others.
    bool esValido() const;
};

}  // namespace veluma
