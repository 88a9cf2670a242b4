#include "shell/programa.h"

#include "core/cierre.h"
#include "core/clave.h"
#include "core/config_regional.h"
#include "core/mensajes.h"
#include "core/msgini.h"
#include "core/sesion.h"
#include "formularios_instalados.h"
#include "pantallas_instaladas.h"
#include "shell/aviso_terminacion.h"
#include "shell/cierre_sesion.h"
#include "shell/frm_inicio_mensaje.h"
#include "shell/frm_splash.h"
#include "shell/logotipo.h"
#include "shell/mdi_principal.h"
#include "shell/mensajes_dialogo.h"
#include "shell/retorno_del_teclado.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>

namespace veluma {

Programa::Programa(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(tituloPrograma());
    setWindowIcon(iconoPrograma());
    // Qt's own dialogs and buttons speak Spanish too, when the translations are installed.
    auto* traduccion = new QTranslator(this);
    if (traduccion->load(QLocale(QLocale::Spanish), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(traduccion);
    if (modoNoInteractivo())
        mensajes_ = std::make_unique<MensajesConsola>();
    else
        mensajes_ = std::make_unique<MensajesDialogo>();
}

Programa::~Programa() = default;

int Programa::Main()
{
    terminacion_ = new AvisoTerminacion(this);
    new RetornoDelTeclado(this);
    connect(terminacion_, &AvisoTerminacion::terminacionPedida, this, &Programa::alPedirTerminacion);
    try {
        return arrancar();
    } catch (const FinDelPrograma&) {
    } catch (const Error& error) {
        mensajes_->MensajeError(error.descripcion(), error.numero());
    } catch (const std::exception& error) {
        mensajes_->MensajeError(QString::fromUtf8(error.what()), 0);
    }
    cerrarTrasFallo();
    return 1;
}

// A start-up or a session that fails must not leave the database as it is
// while open: it rests scrambled whatever went wrong.
void Programa::cerrarTrasFallo()
{
    if (!sesion_)
        return;
    const ResultadoCierre cierre = CerrarBaseTrabajo(sesion_->base, sesion_->instalacion);
    if (!cierre.correcto())
        mensajes_->MensajeAtencion(mensajeCierre(cierre));
}

int Programa::arrancar()
{
    if (!instancia_.adquirir()) {
        mensajes_->MensajeInformacion(textoYaEnEjecucion());
        return 1;
    }
    const QString cuit = cuitDeArgumentos(arguments().mid(1));
    if (cuit.trimmed().isEmpty()) {
        mensajes_->MensajeSimple(textoSinCuit());
        return 1;
    }

    sesion_ = std::make_unique<Sesion>(Instalacion::delEjecutable(applicationFilePath()));
    sesion_->cuit = cuit;
    sesion_->clave = textoClave();
    abrirBaseDeTrabajo(*sesion_, *mensajes_);
    sesion_->rutaAyuda = sesion_->instalacion.rutaAyuda();

    if (!modoNoInteractivo()) {
        frmSplash presentacion;
        presentacion.exec();
    }
    mostrarAvisoInicio();
    ConfigurarSeparadores();
    registrarFormularios();
    registrarPantallas();

    principal_ = std::make_unique<mdiPrincipal>(*sesion_, *mensajes_);
    connect(principal_.get(), &mdiPrincipal::sesionCerrada, this,
            [this](bool correcto) { terminar(correcto ? 0 : 1); });
    principal_->show();
    return exec();
}

void Programa::mostrarAvisoInicio()
{
    CMsgIni configuracion(sesion_->base);
    if (!configuracion.configurado()) {
        mensajes_->MensajeAtencion(CMsgIni::textoSinConfiguracion());
        return;
    }
    if (!configuracion.Activo())
        return;
    if (modoNoInteractivo()) {
        MensajesConsola::escribir(configuracion.NombreAplicativo(), configuracion.Mensaje());
        return;
    }
    frmInicioMensaje aviso(configuracion, sesion_->rutaAyuda, *mensajes_);
    aviso.exec();
}

void Programa::alPedirTerminacion()
{
    if (cerrando_)
        return;
    cerrando_ = true;
    if (principal_) {
        principal_->close();
        return;
    }
    // Still starting: nothing but the database to close.
    const bool correcto = !sesion_ || cerrarSesion(*sesion_, *mensajes_, mdiPrincipal::titulo(), iconoPrograma());
    terminar(correcto ? 0 : 1);
}

// Ends at once, as the closing sequence requires: screens still open are
// dropped, not asked. The database is already closed by then.
void Programa::terminar(int codigo)
{
    if (sesion_)
        sesion_->base.close();
    instancia_.liberar();
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(codigo);
}

bool Programa::notify(QObject* receptor, QEvent* evento)
{
    try {
        return QApplication::notify(receptor, evento);
    } catch (const FinDelPrograma&) {
    } catch (const Error& error) {
        mensajes_->MensajeError(error.descripcion(), error.numero());
    } catch (const std::exception& error) {
        mensajes_->MensajeError(QString::fromUtf8(error.what()), 0);
    }
    cerrarTrasFallo();
    terminar(1);
}

}  // namespace veluma
