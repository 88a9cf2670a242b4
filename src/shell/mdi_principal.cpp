#include "shell/mdi_principal.h"

#include "shell/cierre_sesion.h"
#include "shell/logotipo.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMenuBar>

namespace veluma {

mdiPrincipal::mdiPrincipal(Sesion& sesion, Mensajes& mensajes, QWidget* parent)
    : QMainWindow(parent), sesion_(sesion), mensajes_(mensajes), area_(new QMdiArea(this))
{
    setObjectName(QStringLiteral("mdiPrincipal"));
    setWindowTitle(titulo());
    setWindowIcon(iconoPrograma());
    area_->setObjectName(QStringLiteral("areaDocumentos"));
    setCentralWidget(area_);
    crearMenu();
    resize(1024, 720);
}

QString mdiPrincipal::titulo() { return QStringLiteral(" VELUMA"); }

void mdiPrincipal::crearMenu()
{
    QMenu* mnuArchivo = menuBar()->addMenu(QStringLiteral("&Archivo"));
    mnuArchivo->setObjectName(QStringLiteral("mnuArchivo"));
    QAction* mnuSalir = mnuArchivo->addAction(QStringLiteral("&Salir"));
    mnuSalir->setObjectName(QStringLiteral("mnuSalir"));
    connect(mnuSalir, &QAction::triggered, this, &QWidget::close);
}

void mdiPrincipal::closeEvent(QCloseEvent* evento)
{
    evento->accept();
    if (cerrada_)
        return;
    cerrada_ = true;
    cerrarSesion(sesion_, mensajes_, windowTitle(), windowIcon(), this);
    emit sesionCerrada();
}

}  // namespace veluma
