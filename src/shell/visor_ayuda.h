#pragma once

#include <QDialog>

class QTextBrowser;

namespace veluma {

class Mensajes;

// The program's help document, opened at the section of a help context.
class VisorAyuda : public QDialog {
    Q_OBJECT
public:
    // Shows the one help window at the anchor "contexto<N>", loading the
    // document when needed; a missing document is reported, not fatal.
    static VisorAyuda* mostrar(const QString& rutaAyuda, int contexto, Mensajes& mensajes);

    static QString ancla(int contexto);
    QString fuenteActual() const;

private:
    explicit VisorAyuda(QWidget* parent);

    QTextBrowser* texto_;
};

}  // namespace veluma
