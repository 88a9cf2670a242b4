#pragma once

#include <QObject>
#include <QString>

class QWidget;

namespace veluma {

class Mensajes;

// F1 anywhere in the program opens the help at the context of the control
// that has the focus (its own or its screen's).
class AyudaContextual : public QObject {
    Q_OBJECT
public:
    AyudaContextual(const QString& rutaAyuda, Mensajes& mensajes, int contextoGeneral, QObject* parent);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    QString rutaAyuda_;
    Mensajes& mensajes_;
    int contextoGeneral_;
};

}  // namespace veluma
