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

// Two buttons; true when the first is pressed. Escape presses the second.
bool preguntar(QMessageBox::Icon icono, const QString& titulo, const QString& texto, const QString& primero,
               const QString& segundo, bool primeroPorDefecto)
{
    QMessageBox caja(icono, titulo, textoEnPantalla(texto), QMessageBox::NoButton, ventanaActual());
    caja.setObjectName(QStringLiteral("cajaMensaje"));
    QPushButton* si = caja.addButton(primero, QMessageBox::AcceptRole);
    QPushButton* no = caja.addButton(segundo, QMessageBox::RejectRole);
    caja.setDefaultButton(primeroPorDefecto ? si : no);
    caja.setEscapeButton(no);
    caja.exec();
    return caja.clickedButton() == si;
}

bool preguntar(QMessageBox::Icon icono, const QString& titulo, const QString& texto, bool siPorDefecto)
{
    return preguntar(icono, titulo, texto, QStringLiteral("&Sí"), QStringLiteral("&No"), siPorDefecto);
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

// The warnings ask before deleting or replacing: No, the safe answer, is the default.
bool MensajesDialogo::ConfirmacionAdvertencia(const QString& texto)
{
    return preguntar(QMessageBox::Warning, QStringLiteral("Advertencia"), texto, false);
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

bool MensajesDialogo::PreguntaSiNoAdvertencia(const QString& texto, const QString& titulo)
{
    return preguntar(QMessageBox::Warning, titulo, texto, false);
}

bool MensajesDialogo::PreguntaAceptarCancelar(const QString& texto, const QString& titulo)
{
    return preguntar(QMessageBox::Warning, titulo, texto, QStringLiteral("Aceptar"), QStringLiteral("Cancelar"), true);
}

bool MensajesDialogo::PreguntaReintentarCancelar(const QString& texto, const QString& titulo)
{
    return preguntar(QMessageBox::Warning, titulo, texto, QStringLiteral("&Reintentar"), QStringLiteral("Cancelar"),
                     true);
}

}  // namespace veluma
