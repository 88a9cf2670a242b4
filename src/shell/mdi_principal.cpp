#include "shell/mdi_principal.h"

#include "core/contextos_ayuda.h"
#include "core/sesion.h"
#include "declarations/contribuyente.h"
#include "declarations/formulario.h"
#include "declarations/pantallas/frm_ddjj.h"
#include "declarations/registro_formularios.h"
#include "pantallas/botones.h"
#include "pantallas/contexto_ayuda.h"
#include "shell/ayuda_contextual.h"
#include "shell/calculadora.h"
#include "shell/cierre_sesion.h"
#include "shell/frm_acerca.h"
#include "shell/frm_configuracion_backup.h"
#include "shell/logotipo.h"
#include "shell/prioridad_pantalla.h"
#include "shell/visor_ayuda.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QTimer>
#include <QVBoxLayout>

namespace veluma {

namespace {
constexpr int kLargoDenominacionBanner = 60;
}

mdiPrincipal::mdiPrincipal(Sesion& sesion, Mensajes& mensajes, QWidget* parent)
    : QMainWindow(parent), sesion_(sesion), mensajes_(mensajes), area_(new QMdiArea(this))
{
    setObjectName(QStringLiteral("mdiPrincipal"));
    setWindowTitle(titulo());
    setWindowIcon(iconoPrograma());
    area_->setObjectName(QStringLiteral("areaDocumentos"));
    crearBanner();
    crearMenu();
    ponerContextoAyuda(*this, kAyudaPrincipal);
    new AyudaContextual(sesion_.rutaAyuda, mensajes_, kAyudaPrincipal, this);
    new PrioridadDeLaPantalla(*area_);
    MDIForm_Load();
    resize(1024, 720);
}

QString mdiPrincipal::titulo() { return QStringLiteral(" VELUMA"); }

frmDDJJ* mdiPrincipal::administrador() const { return administrador_; }

void mdiPrincipal::crearBanner()
{
    auto* central = new QWidget(this);
    auto* picBarra = new QWidget(central);
    picBarra->setObjectName(QStringLiteral("picBarra"));
    pintarBarra(*picBarra);
    lblPrincipal_ = new QLabel(picBarra);
    lblPrincipal_->setObjectName(QStringLiteral("lblPrincipal"));
    lblPrincipal_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont letra = lblPrincipal_->font();
    letra.setBold(true);
    lblPrincipal_->setFont(letra);
    auto* barra = new QHBoxLayout(picBarra);
    barra->setContentsMargins(8, 6, 8, 6);
    barra->addWidget(lblPrincipal_);

    auto* disposicion = new QVBoxLayout(central);
    disposicion->setContentsMargins(0, 0, 0, 0);
    disposicion->setSpacing(0);
    disposicion->addWidget(picBarra);
    disposicion->addWidget(area_, 1);
    setCentralWidget(central);
}

void mdiPrincipal::crearMenu()
{
    auto item = [](QMenu* menu, const char* nombre, const QString& titulo) {
        QAction* accion = menu->addAction(titulo);
        accion->setObjectName(QString::fromLatin1(nombre));
        return accion;
    };
    auto menu = [this](const char* nombre, const QString& titulo) {
        QMenu* nuevo = menuBar()->addMenu(titulo);
        nuevo->setObjectName(QString::fromLatin1(nombre));
        return nuevo;
    };

    QMenu* mnuArchivo = menu("mnuArchivo", QStringLiteral("&Archivo"));
    connect(item(mnuArchivo, "mnuSalir", QStringLiteral("&Salir")), &QAction::triggered, this, &QWidget::close);

    mnuFormulario_ = menu("mnuFormulario", QStringLiteral("&Impuestos"));
    for (const Formulario* formulario : formulariosRegistrados()) {
        QAction* accion = mnuFormulario_->addAction(formulario->tituloMenu());
        accion->setObjectName(QStringLiteral("mnu%1").arg(formulario->numero()));
        connect(accion, &QAction::triggered, this, [this, numero = formulario->numero()] { abrirFormulario(numero); });
    }

    QMenu* mnuAyuda = menu("mnuAyuda", QStringLiteral("A&yuda"));
    connect(item(mnuAyuda, "mnuContenido", QStringLiteral("Contenido")), &QAction::triggered, this,
            &mdiPrincipal::mnuContenido_Click);
    connect(item(mnuAyuda, "mnuAcerca", QStringLiteral("Acerca de")), &QAction::triggered, this,
            &mdiPrincipal::mnuAcerca_Click);

    QMenu* mnuherr = menu("mnuherr", QStringLiteral("&Herramientas"));
    connect(item(mnuherr, "mnucalc", QStringLiteral("&Calculadora")), &QAction::triggered, this,
            [this] { abrirCalculadora(mensajes_); });
    connect(item(mnuherr, "mnubackup", QStringLiteral("Configuración de &Backup")), &QAction::triggered, this,
            &mdiPrincipal::mnubackup_Click);
}

void mdiPrincipal::MDIForm_Load()
{
    cargarContribuyente(sesion_);
    const DatosContribuyente& contribuyente = sesion_.contribuyente;
    lblPrincipal_->setText(QStringLiteral("C.U.I.T Nº ") + sesion_.cuit + QStringLiteral("   Denominación: ")
                           + contribuyente.denominacion.left(kLargoDenominacionBanner) + QStringLiteral("   Actividad: ")
                           + contribuyente.actividad);
}

bool mdiPrincipal::event(QEvent* evento)
{
    // The first thing to do is choose a form: offer the menu whenever the
    // window comes back to the front and no form is open.
    if (evento->type() == QEvent::WindowActivate)
        QTimer::singleShot(0, this, &mdiPrincipal::desplegarImpuestos);
    return QMainWindow::event(evento);
}

void mdiPrincipal::desplegarImpuestos()
{
    if (cerrada_ || !isActiveWindow() || !mnuFormulario_->isEnabled() || QApplication::activeModalWidget()
        || QApplication::activePopupWidget())
        return;
    menuBar()->setActiveAction(mnuFormulario_->menuAction());
}

void mdiPrincipal::abrirFormulario(int formulario)
{
    if (administrador_)
        return;
    sesion_.formulario = formulario;
    administrador_ = new frmDDJJ(sesion_, mensajes_, mnuFormulario_->menuAction());
    QMdiSubWindow* ventana = area_->addSubWindow(administrador_);
    ventana->setAttribute(Qt::WA_DeleteOnClose);
    ventana->setWindowIcon(iconoPrograma());
    ventana->resize(900, 580);
    ventana->show();
    administrador_->setFocus();
}

// The help opens beside the declaration manager, opened for the form in use,
// or the first of the menu when none was chosen yet.
void mdiPrincipal::mnuContenido_Click()
{
    if (!administrador_) {
        const Formulario* formulario = buscarFormulario(sesion_.formulario);
        if (!formulario && !formulariosRegistrados().empty())
            formulario = formulariosRegistrados().front();
        if (formulario)
            abrirFormulario(formulario->numero());
    }
    if (administrador_)
        if (auto* mes = administrador_->findChild<QLineEdit*>(QStringLiteral("txtMesFiscal")))
            mes->setFocus();
    VisorAyuda::mostrar(sesion_.rutaAyuda, kAyudaDDJJ, mensajes_);
}

void mdiPrincipal::mnuAcerca_Click()
{
    frmAcerca acerca(this);
    acerca.exec();
}

void mdiPrincipal::mnubackup_Click()
{
    frmConfiguracionBackup configuracion(sesion_.instalacion, mensajes_, this);
    configuracion.exec();
}

void mdiPrincipal::closeEvent(QCloseEvent* evento)
{
    evento->accept();
    if (cerrada_)
        return;
    cerrada_ = true;
    // The program's own title: a maximized screen adds its own to the window's.
    emit sesionCerrada(cerrarSesion(sesion_, mensajes_, titulo(), windowIcon(), this));
}

}  // namespace veluma
