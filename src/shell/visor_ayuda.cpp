#include "shell/visor_ayuda.h"

#include "core/mensajes.h"
#include "shell/logotipo.h"

#include <QApplication>
#include <QFileInfo>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace veluma {

VisorAyuda::VisorAyuda(QWidget* parent) : QDialog(parent, Qt::Window), texto_(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("VisorAyuda"));
    setWindowTitle(QStringLiteral("Ayuda de Veluma"));
    setWindowIcon(iconoPrograma());
    setAttribute(Qt::WA_DeleteOnClose);
    texto_->setObjectName(QStringLiteral("txtAyuda"));
    texto_->setOpenExternalLinks(true);
    auto* capas = new QVBoxLayout(this);
    capas->setContentsMargins(0, 0, 0, 0);
    capas->addWidget(texto_);
    resize(720, 560);
}

QString VisorAyuda::ancla(int contexto) { return QStringLiteral("contexto") + QString::number(contexto); }

QString VisorAyuda::fuenteActual() const { return texto_->source().toString(); }

VisorAyuda* VisorAyuda::mostrar(const QString& rutaAyuda, int contexto, Mensajes& mensajes)
{
    if (!QFileInfo(rutaAyuda).isFile()) {
        mensajes.MensajeAtencion(QStringLiteral("No se encuentra el archivo de ayuda ") + rutaAyuda + QLatin1Char('.'));
        return nullptr;
    }
    static QPointer<VisorAyuda> visor;
    // A window opened from a modal screen must belong to it to be usable.
    QWidget* duena = QApplication::activeModalWidget();
    if (visor && visor->parentWidget() != duena) {
        visor->close();
        visor = nullptr;
    }
    if (!visor)
        visor = new VisorAyuda(duena);
    QUrl direccion = QUrl::fromLocalFile(rutaAyuda);
    direccion.setFragment(ancla(contexto));
    visor->texto_->setSource(direccion);
    visor->show();
    visor->raise();
    visor->activateWindow();
    return visor;
}

}  // namespace veluma
