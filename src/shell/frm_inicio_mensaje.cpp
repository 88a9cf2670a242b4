#include "shell/frm_inicio_mensaje.h"

#include "core/contextos_ayuda.h"
#include "core/msgini.h"
#include "shell/logotipo.h"
#include "shell/visor_ayuda.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace veluma {

namespace {

QLabel* etiquetaNombre(const QString& nombre, const QString& objeto, const QColor& color, QWidget* padre)
{
    auto* etiqueta = new QLabel(nombre, padre);
    etiqueta->setObjectName(objeto);
    QFont fuente = etiqueta->font();
    fuente.setPointSize(30);
    fuente.setBold(true);
    etiqueta->setFont(fuente);
    QPalette paleta = etiqueta->palette();
    paleta.setColor(QPalette::WindowText, color);
    etiqueta->setPalette(paleta);
    etiqueta->adjustSize();
    return etiqueta;
}

}  // namespace

frmInicioMensaje::frmInicioMensaje(CMsgIni& configuracion, const QString& rutaAyuda, Mensajes& mensajes,
                                   QWidget* parent)
    : QDialog(parent), configuracion_(configuracion), rutaAyuda_(rutaAyuda), mensajes_(mensajes)
{
    setObjectName(QStringLiteral("frmInicioMensaje"));
    setWindowTitle(configuracion.NombreAplicativo());
    setWindowIcon(iconoPrograma());

    // The name twice, one label over the other and slightly offset: a shadow.
    auto* nombre = new QWidget(this);
    lblNombreFondo_ = etiquetaNombre(configuracion.NombreAplicativo(), QStringLiteral("lblNombreFondo"),
                                     QColor(0x9a, 0xa5, 0xb1), nombre);
    lblNombreFrente_ = etiquetaNombre(configuracion.NombreAplicativo(), QStringLiteral("lblNombreFrente"),
                                      QColor(0x0d, 0x2b, 0x52), nombre);
    lblNombreFondo_->move(3, 3);
    lblNombreFrente_->move(0, 0);
    nombre->setFixedSize(lblNombreFrente_->size() + QSize(3, 3));

    lblMensaje_ = new QLabel(configuracion.Mensaje(), this);
    lblMensaje_->setObjectName(QStringLiteral("lblMensaje"));
    lblMensaje_->setWordWrap(true);
    lblMensaje_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblMensaje_->setFrameShape(QFrame::StyledPanel);
    lblMensaje_->setMargin(12);
    lblMensaje_->setMinimumWidth(460);

    chkNoMostrar_ = new QCheckBox(QStringLiteral("No mostrar esta ventana cada vez que inicia el sistema"), this);
    chkNoMostrar_->setObjectName(QStringLiteral("chkNoMostrar"));

    btnAyuda_ = new QPushButton(QStringLiteral("Ver ayuda"), this);
    btnAyuda_->setObjectName(QStringLiteral("btnAyuda"));
    btnAyuda_->setAutoDefault(false);
    btnInicio_ = new QPushButton(QStringLiteral("Salir y ejecutar el sistema"), this);
    btnInicio_->setObjectName(QStringLiteral("btnInicio"));
    btnInicio_->setDefault(true);

    auto* botones = new QHBoxLayout;
    botones->addWidget(btnAyuda_);
    botones->addStretch();
    botones->addWidget(btnInicio_);

    auto* capas = new QVBoxLayout(this);
    capas->addWidget(nombre, 0, Qt::AlignHCenter);
    capas->addWidget(lblMensaje_, 1);
    capas->addWidget(chkNoMostrar_);
    capas->addLayout(botones);

    connect(btnAyuda_, &QPushButton::clicked, this, &frmInicioMensaje::btnAyuda_Click);
    connect(btnInicio_, &QPushButton::clicked, this, &frmInicioMensaje::btnInicio_Click);
}

void frmInicioMensaje::keyPressEvent(QKeyEvent* evento)
{
    if (evento->key() == Qt::Key_F1) {
        btnAyuda_Click();
        return;
    }
    QDialog::keyPressEvent(evento);
}

void frmInicioMensaje::btnAyuda_Click()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    VisorAyuda::mostrar(rutaAyuda_, kAyudaAvisoInicio, mensajes_);
    QApplication::restoreOverrideCursor();
}

void frmInicioMensaje::btnInicio_Click()
{
    if (chkNoMostrar_->isChecked())
        configuracion_.NoMostrarMas();
    accept();
}

}  // namespace veluma
