#include "shell/mensajes_dialogo.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace veluma {

namespace {

QWidget* ventanaActual()
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

// Messages may break lines with a bare carriage return; the box only breaks on line feeds.
QString textoEnPantalla(QString texto)
{
    texto.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    texto.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return texto;
}

void mostrarAceptar(QMessageBox::Icon icono, const QString& titulo, const QString& texto)
{
    QMessageBox caja(icono, titulo, textoEnPantalla(texto), QMessageBox::NoButton, ventanaActual());
    caja.setObjectName(QStringLiteral("cajaMensaje"));
    caja.addButton(QStringLiteral("Aceptar"), QMessageBox::AcceptRole);
    caja.exec();
}

bool preguntar(QMessageBox::Icon icono, const QString& titulo, const QString& texto, bool siPorDefecto)
{
    QMessageBox caja(icono, titulo, textoEnPantalla(texto), QMessageBox::NoButton, ventanaActual());
    caja.setObjectName(QStringLiteral("cajaMensaje"));
    QPushButton* si = caja.addButton(QStringLiteral("&Sí"), QMessageBox::YesRole);
    QPushButton* no = caja.addButton(QStringLiteral("&No"), QMessageBox::NoRole);
    caja.setDefaultButton(siPorDefecto ? si : no);
    caja.setEscapeButton(no);
    caja.exec();
    return caja.clickedButton() == si;
}

}  // namespace

void MensajesDialogo::MensajeInformacion(const QString& texto)
{
    mostrarAceptar(QMessageBox::Information, QStringLiteral("Información"), texto);
}

void MensajesDialogo::MensajeAtencion(const QString& texto)
{
    mostrarAceptar(QMessageBox::Warning, QStringLiteral("Atención"), texto);
}

bool MensajesDialogo::ConfirmacionAdvertencia(const QString& texto)
{
    return preguntar(QMessageBox::Warning, QStringLiteral("Advertencia"), texto, true);
}

Respuesta MensajesDialogo::PreguntaSiNo(const QString& texto, Respuesta porDefecto)
{
    return preguntar(QMessageBox::Question, tituloPrograma(), texto, porDefecto == Respuesta::Si) ? Respuesta::Si
                                                                                                 : Respuesta::No;
}

void MensajesDialogo::MensajeError(const QString& descripcion, int numero)
{
    mostrarAceptar(QMessageBox::Critical, tituloPrograma(), textoMensajeError(descripcion, numero));
}

void MensajesDialogo::MensajeSimple(const QString& texto)
{
    mostrarAceptar(QMessageBox::NoIcon, tituloPrograma(), texto);
}

void MensajesDialogo::MensajeCritico(const QString& texto, const QString& titulo)
{
    mostrarAceptar(QMessageBox::Critical, titulo, texto);
}

}  // namespace veluma
