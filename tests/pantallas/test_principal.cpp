#include "core/clave.h"
#include "core/contextos_ayuda.h"
#include "core/inicio.h"
#include "shell/mdi_principal.h"
#include "pantalla_ddjj.h"
#include "support/modal.h"
#include "support/archivos.h"

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>

using namespace veluma;

namespace {

class VentanaPrincipal : public veluma::test::SesionDePrueba {
protected:
    void SetUp() override
    {
        SesionDePrueba::SetUp();
        sesion.contribuyente = {};  // the main window reads it
        sesion.rutaAyuda = sesion.instalacion.rutaAyuda();
    }

    static QAction* accion(QWidget& ventana, const char* nombre)
    {
        auto* encontrada = ventana.findChild<QAction*>(QString::fromLatin1(nombre));
        EXPECT_NE(encontrada, nullptr) << nombre;
        return encontrada;
    }
};

}  // namespace

TEST_F(VentanaPrincipal, BannerMenusYValoresDeLaSesion)
{
    mdiPrincipal principal(sesion, mensajes);
    EXPECT_EQ(principal.windowTitle(), " VELUMA");
    EXPECT_EQ(principal.findChild<QLabel*>("lblPrincipal")->text(),
              "C.U.I.T Nº 30-70451826-5   Denominación: Cines del Plata S.A.   Actividad: 591300");
    EXPECT_EQ(sesion.contribuyente.denominacion, "Cines del Plata S.A.");
    EXPECT_TRUE(sesion.contribuyente.domicilioFiscal.startsWith("Calle: "));
    EXPECT_EQ(sesion.contribuyente.domicilioSAD.size(), 147);

    QStringList menus;
    for (QAction* menu : principal.menuBar()->actions()) {
        QStringList items;
        for (QAction* item : menu->menu()->actions())
            items += item->objectName() + '=' + item->text();
        menus += menu->menu()->objectName() + '=' + menu->text() + " [" + items.join(", ") + ']';
    }
    EXPECT_EQ(menus, (QStringList{
                         "mnuArchivo=&Archivo [mnuSalir=&Salir]",
                         "mnuFormulario=&Impuestos [mnu708=Entradas Cinematográficas, mnu617=Servicios de "
                         "Radiodifusión, mnu618=Videogramas Grabados]",
                         "mnuAyuda=A&yuda [mnuContenido=Contenido, mnuAcerca=Acerca de]",
                         "mnuherr=&Herramientas [mnucalc=&Calculadora, mnubackup=Configuración de &Backup]",
                     }));
}

TEST_F(VentanaPrincipal, LaDenominacionLargaSeCortaEnElBannerYUnContribuyenteDesconocidoNoAbreLaSesion)
{
    sesion.cuit = instalacion.cuits().at(3);
    {
        mdiPrincipal principal(sesion, mensajes);
        EXPECT_EQ(principal.findChild<QLabel*>("lblPrincipal")->text(),
                  "C.U.I.T Nº 30708251638   Denominación: " + sesion.contribuyente.denominacion.left(60)
                      + "   Actividad: 602200");
        EXPECT_GT(sesion.contribuyente.denominacion.size(), 60);
    }
    sesion.cuit = QStringLiteral("20-00000000-'1");
    EXPECT_THROW(mdiPrincipal principal(sesion, mensajes), Error);
}

TEST_F(VentanaPrincipal, ElMenuDeImpuestosSeBloqueaMientrasHayUnFormularioAbierto)
{
    mdiPrincipal principal(sesion, mensajes);
    principal.show();
    QAction* impuestos = principal.findChild<QMenu*>("mnuFormulario")->menuAction();
    accion(principal, "mnu708")->trigger();
    ASSERT_NE(principal.administrador(), nullptr);
    EXPECT_EQ(sesion.formulario, 708);
    EXPECT_EQ(principal.administrador()->windowTitle(), "Formulario 708 Entradas Cinematográficas");
    EXPECT_FALSE(impuestos->isEnabled());

    principal.administrador()->findChild<QToolButton*>("cmdSalir")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(impuestos->isEnabled());
    EXPECT_EQ(principal.administrador(), nullptr);

    accion(principal, "mnu617")->trigger();
    ASSERT_NE(principal.administrador(), nullptr);
    EXPECT_EQ(sesion.formulario, 617);
    EXPECT_EQ(principal.administrador()->windowTitle(), "Formulario 617 Servicios de Radiodifusión");
    EXPECT_TRUE(mensajes.mensajes.isEmpty()) << mensajes.mensajes.join('|').toStdString();
}

TEST_F(VentanaPrincipal, SalirCierraLaSesionYLasDeclaracionesSiguenAlVolver)
{
    {
        mdiPrincipal principal(sesion, mensajes);
        principal.show();
        accion(principal, "mnu708")->trigger();
        auto* pantalla = principal.administrador();
        pantalla->findChild<QToolButton*>("cmdNuevo")->click();
        pantalla->findChild<QLineEdit*>("txtMesFiscal")->setText("03");
        pantalla->findChild<QLineEdit*>("txtAñoFiscal")->setText("2004");
        pantalla->findChild<QToolButton*>("cmdAceptar")->click();

        QSignalSpy cerrada(&principal, &mdiPrincipal::sesionCerrada);
        accion(principal, "mnuSalir")->trigger();
        ASSERT_EQ(cerrada.count(), 1);
        EXPECT_FALSE(sesion.base.isOpen());
        principal.close();  // a second close does not run the sequence again
        EXPECT_EQ(cerrada.count(), 1);
    }
    EXPECT_THROW(Database::open(sesion.instalacion.rutaBaseTrabajo(), contrasenaBase()), DbError);

    veluma::test::abrirSesion(sesion, mensajes);
    Statement filas = sesion.base.prepare(QStringLiteral("SELECT PERIODO, CAMPO1 FROM DDJJ WHERE FORMULARIO=708"));
    ASSERT_TRUE(filas.next());
    EXPECT_EQ(*filas.integer(0), 200403);
    EXPECT_EQ(*filas.text(1), "10");
}

TEST_F(VentanaPrincipal, AcercaDeYLaAyudaDeCadaPantalla)
{
    mdiPrincipal principal(sesion, mensajes);
    principal.show();
    QString titulo;
    veluma::test::alAparecerModal([&](QWidget* acerca) {
        titulo = acerca->windowTitle();
        acerca->findChild<QAbstractButton*>("cmdAceptar")->click();
    });
    accion(principal, "mnuAcerca")->trigger();
    EXPECT_EQ(titulo, "Acerca de VELUMA");

    // Every help context the screens use has its section in the help document.
    const QString ayuda = QString::fromUtf8(veluma::test::leerArchivo(sesion.rutaAyuda));
    for (int contexto :
         {kAyudaAvisoInicio, kAyudaPrincipal, kAyudaDDJJ, kAyudaRespaldo, kAyudaAcerca, kAyudaGenerar, kAyudaImpresion,
          kAyudaSalas708, kAyudaImpuestoDeterminado708, kAyudaPagoCuenta708, kAyudaSaldos708})
        EXPECT_TRUE(ayuda.contains(QStringLiteral("name=\"contexto%1\"").arg(contexto))) << contexto;
}
