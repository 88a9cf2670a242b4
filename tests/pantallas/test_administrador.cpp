#include "core/clave.h"
#include "core/contextos_ayuda.h"
#include "core/inicio.h"
#include "declarations/pantallas/modelo_ddjj.h"
#include "declarations/pantallas/registro_secciones.h"
#include "pantalla_de_prueba.h"
#include "shell/mdi_principal.h"
#include "shell/visor_ayuda.h"
#include "support/archivos.h"
#include "support/declaracion_618.h"

#include <QAbstractItemModelTester>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

using namespace veluma;

namespace {

// The main window and the declaration manager it opens for each form.
class Administrador : public veluma::test::PantallaDePrueba {
protected:
    void SetUp() override
    {
        PantallaDePrueba::SetUp();
        sesion.rutaAyuda = sesion.instalacion.rutaAyuda();
    }

    // Nuevo, Modificar, Eliminar, Copiar, Aceptar, Cancelar, Salir: which are shown.
    QString botonesVisibles()
    {
        return botones(
            {"cmdNuevo", "cmdModificar", "cmdEliminar", "cmdCopiar", "cmdAceptar", "cmdCancelar", "cmdSalir"});
    }
    bool visible(const char* nombre) { return control(nombre)->isVisibleTo(pantalla); }
};

const QString kHora = QStringLiteral("2026-12-06 10:30:00");

}  // namespace

TEST_F(Administrador, Formulario708CreaModificaYEliminaConBotonesOTecladoYUnBorradoQueFallaNoBorraNada)
{
    abrir(708);
    EXPECT_EQ(pantalla->windowTitle() + '|' + botonesVisibles(), "Formulario 708 Entradas Cinematográficas|N-----S");
    EXPECT_FALSE(menu.isEnabled() || visible("fraServicio"));

    pulsar("cmdNuevo");
    EXPECT_EQ(botonesVisibles() + ' ' + texto("txtCampo1") + ' ' + foco(), "----AC- 10 txtMesFiscal");
    EXPECT_FALSE(control("TreDDJJ")->isEnabled());
    escribir("txtMesFiscal", "5");
    escribir("txtAñoFiscal", "2004");
    pulsar("cmdAceptar");
    EXPECT_EQ(filasDDJJ(), QStringList{"200405/0/708/10/" + kHora});
    EXPECT_EQ(filasDeLaLista().join(',') + ' ' + botonesVisibles(), "05/2004 0 NME---S");
    EXPECT_TRUE(control("cmdModificar")->isEnabled() && sesion.declaracion.periodo == 200405);

    // A rate change replaces the row with a new time; the rooms stay, and the key carries the new rate.
    test::agregarSala708(sesion, "Sala 1", "Calle 1", "1");
    reloj = reloj.addSecs(3600);
    pulsar("cmdModificar");
    EXPECT_FALSE(control("txtMesFiscal")->isEnabled() || control("cboSecuencia")->isEnabled());
    EXPECT_EQ(foco(), "txtCampo1");
    escribir("txtCampo1", "21,5");
    pulsar("cmdAceptar");
    const QStringList guardada{"200405/0/708/21.5/2026-12-06 11:30:00"};
    EXPECT_EQ(filasDDJJ(), guardada);
    EXPECT_EQ(sesion.declaracion.campo1 + ' ' + texto("txtCampo1"), "21.5 21,50");
    EXPECT_TRUE(imagenesDelArbol().contains("frm708ListadoSalas=lleno")) << imagenesDelArbol().join(',').toStdString();

    // Letters never reach the rate; a rate the field cannot hold: the message, and the row as it was.
    pulsar("cmdModificar");
    control<QLineEdit>("txtCampo1")->clear();
    QTest::keyClicks(control("txtCampo1"), "2x0");
    EXPECT_EQ(texto("txtCampo1"), "20");
    escribir("txtCampo1", "150");
    pulsar("cmdAceptar");
    EXPECT_EQ(avisos() + '|' + botonesVisibles(),
              "Atención: La Alícuota debe ser un número entre 0 y 100, con hasta dos decimales|----AC-");
    pulsar("cmdCancelar");
    EXPECT_EQ(texto("txtCampo1"), "21,50");
    EXPECT_EQ(filasDDJJ(), guardada);

    // Deleting the only declaration (its rows go with it, as the data tests check) hides the buttons that need a row.
    pulsar("cmdEliminar");
    EXPECT_EQ(avisos(), "Advertencia: ¿Desea eliminar la Declaración Jurada seleccionada?");
    EXPECT_EQ(filasDDJJ().join(',') + texto("txtMesFiscal") + botonesVisibles(), "N-----S");

    // The keyboard: Ctrl+N, two digits of month move on to the year, Esc cancels.
    QTest::keyClick(pantalla, Qt::Key_N, Qt::ControlModifier);
    QTest::keyClicks(control("txtMesFiscal"), "07");  // two digits of month move on to the year
    EXPECT_EQ(botonesVisibles() + ' ' + foco(), "----AC- txtAñoFiscal");
    QTest::keyClicks(control("txtAñoFiscal"), "2005");
    QTest::keyClick(control("txtAñoFiscal"), Qt::Key_Escape);
    EXPECT_EQ(botonesVisibles() + filasDDJJ().join(','), "N-----S");

    crear("07", "2005", 0, "10");
    mensajes.respuestas = {false};
    QTest::keyClick(control("GridDDJJ"), Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(filasDDJJ().size(), 1);

    // Confirmed, a deletion that fails on the way says so and leaves the declaration.
    test::agregarSala708(sesion, "Sala 1", "Calle 1", "1");
    sesion.base.execute(QStringLiteral(
        "CREATE TEMP TRIGGER bloqueo BEFORE DELETE ON [708Salas] BEGIN SELECT RAISE(ABORT, 'sala bloqueada'); END"));
    mensajes.mensajes.clear();
    pulsar("cmdEliminar");
    EXPECT_EQ(mensajes.mensajes.value(1), "Veluma: Ha ocurrido el error 0 con la siguiente descripción : \r\n"
                                          "Un valor no cumple las reglas de la base de datos. (sala bloqueada)");
    EXPECT_EQ(QString::number(filasDDJJ().size()) + ' ' + filasDeLaLista().join(','), "1 07/2005 0");
}

TEST_F(Administrador, Formulario617GuardaUnaDeclaracionPorServicioYElBannerCortaLaDenominacionLarga)
{
    abrir(617);
    auto* lista = control<QTableView>("GridDDJJ");
    QAbstractItemModelTester probador(lista->model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_TRUE(visible("fraServicio") && !visible("fraCampo1"));
    crear("05", "2004", 0, {}, 1);
    crear("05", "2004", 0, {}, 0);
    crear("06", "2004", 2, {}, 0);
    crear("05", "2004", 0, {}, 1);  // the Radio one again: refused, still editing
    EXPECT_EQ(avisos() + '|' + botonesVisibles(),
              "Atención: La Declaración Jurada que intenta ingresar ya existe.|----AC-");
    pulsar("cmdCancelar");
    EXPECT_EQ(filasDDJJ(), (QStringList{"200405/0/617/307/" + kHora, "200405/0/617/306/" + kHora,
                                         "200406/2/617/306/" + kHora}));
    EXPECT_EQ(filasDeLaLista().join(',') + ' ' + botonesVisibles(), "06/2004 2,05/2004 0,05/2004 0 NMEC--S");
    EXPECT_FALSE(control("cmdModificar")->isEnabled());

    // Choosing the Radio declaration makes its service part of the session's key.
    const int radio = static_cast<ModeloDDJJ*>(lista->model())->buscar(200405, 0, "307");
    lista->setCurrentIndex(lista->model()->index(radio, 0));
    EXPECT_TRUE(sesion.declaracion.campo1 == "307" && control<QRadioButton>("optServicio_1")->isChecked());

    // Deleting the Radio declaration leaves the TV one of the same period; Copiar opens the copy screen.
    pulsar("cmdEliminar");
    EXPECT_EQ(filasDDJJ(), (QStringList{"200405/0/617/306/" + kHora, "200406/2/617/306/" + kHora}));
    QString copia;
    test::alAparecerModal([&](QWidget* pantallaCopia) {
        copia = pantallaCopia->windowTitle();
        test::pulsar(pantallaCopia, "cmdsalir");
    });
    pulsar("cmdCopiar");
    EXPECT_EQ(copia + '|' + avisos(),
              "Copiar Declaraciones Juradas|Advertencia: ¿Desea eliminar la Declaración Jurada seleccionada?");

    // The main window's banner, the long name cut at 60; an unknown taxpayer opens no session.
    sesion.contribuyente = {};  // the main window reads it
    QStringList vistas;
    for (const QString& cuit : {sesion.cuit, instalacion.cuits().at(3)}) {
        sesion.cuit = cuit;
        mdiPrincipal principal(sesion, mensajes);
        vistas += principal.windowTitle() + principal.findChild<QLabel*>("lblPrincipal")->text();
    }
    // The long name cut at 60 characters.
    EXPECT_EQ(vistas,
              (QStringList{" VELUMAC.U.I.T Nº 30-70451826-5   Denominación: Cines del Plata S.A.   Actividad: 591300",
                           " VELUMAC.U.I.T Nº 30708251638   Denominación: Compañía Argentina de Radiodifusión y "
                           "Televisión por Cable d   Actividad: 602200"}));
    sesion.cuit = QStringLiteral("20-00000000-'1");
    EXPECT_THROW(mdiPrincipal principal(sesion, mensajes), Error);
}

TEST_F(Administrador, Formulario618CodigoDelInstitutoEstadosDelArbolYSeccionesQueFaltan)
{
    abrir(618);
    abrirSeccion(QStringLiteral("frm618Ingresos2"));
    EXPECT_EQ(avisos(), "Atención: No hay ninguna DDJJ seleccionada.");

    crear("05", "2004", 1, QStringLiteral(" 0123 "));
    crear("05", "2004", 1, QStringLiteral("O'Higgins"));
    EXPECT_EQ(filasDDJJ(), (QStringList{"200405/1/618/0123/" + kHora, "200405/1/618/O'Higgins/" + kHora}));
    EXPECT_EQ(sesion.declaracion.campo1, "O'Higgins");

    test::agregarIngreso618(sesion, 0, 3, 10, 12);
    test::guardarPercepciones618(sesion, 0, 0, 0, 0);
    pulsar("cmdNuevo");
    pulsar("cmdCancelar");
    EXPECT_EQ(imagenesDelArbol(),
              (QStringList{"Detalle=abierto", "frm618Ingresos1=lleno", "frm618Ingresos2=vacio", "Resultado=abierto",
                           "frm618TotalPercepcionesEfectuadas=lleno", "frm618TotalADepositar=lleno"}));

    // A root opens nothing; Enter on a section opens its screen over the chosen declaration.
    abrirSeccion(QStringLiteral("Detalle"));
    EXPECT_EQ(avisos(), "");
    auto* arbol = control<QTreeWidget>("TreDDJJ");
    arbol->setCurrentItem(test::nodoDeClave(*arbol, QStringLiteral("frm618Ingresos1")));
    QString abierta;
    test::alAparecerModal([&](QWidget* ingresos) {
        abierta = ingresos->windowTitle() + '|'
                  + QString::number(test::hijo<QTableView>(*ingresos, "dbgIngresos")->model()->rowCount());
        static_cast<QDialog*>(ingresos)->reject();
    });
    QTest::keyClick(arbol, Qt::Key_Return);
    EXPECT_EQ(abierta, "Ingresos por Ventas|1");
}

TEST_F(Administrador, EnLaVentanaPrincipalElMenuSeBloqueaYElTecladoEsDelAdministrador)
{
    mdiPrincipal principal(sesion, mensajes);
    principal.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&principal));
    QAction* impuestos = principal.findChild<QMenu*>("mnuFormulario")->menuAction();
    principal.findChild<QAction*>("mnu708")->trigger();
    ASSERT_NE(principal.administrador(), nullptr);
    EXPECT_EQ(QString::number(sesion.formulario) + ' ' + principal.administrador()->windowTitle(),
              "708 Formulario 708 Entradas Cinematográficas");
    EXPECT_FALSE(impuestos->isEnabled());

    const auto enfocado = [] { return QApplication::focusWidget(); };
    QTest::keyClick(principal.administrador(), Qt::Key_N, Qt::ControlModifier);
    QTest::keyClick(enfocado(), Qt::Key_Escape);
    QString focos = foco();  // no list yet
    QTest::keyClick(enfocado(), Qt::Key_N, Qt::ControlModifier);
    QTest::keyClicks(enfocado(), "05");  // the month moves on to the year by itself
    QTest::keyClicks(enfocado(), "2004");
    QTest::keyClick(enfocado(), Qt::Key_A, Qt::AltModifier);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(filasDDJJ().size(), 1);
    focos += ' ' + foco();
    QTest::keyClick(enfocado(), Qt::Key_Tab);
    EXPECT_NE(foco(), "GridDDJJ");
    QTest::keyClick(enfocado(), Qt::Key_A);
    EXPECT_EQ(focos + ' ' + foco(), "TreDDJJ GridDDJJ TreDDJJ");

    principal.administrador()->findChild<QToolButton*>("cmdSalir")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(impuestos->isEnabled() && !principal.administrador());
    principal.findChild<QAction*>("mnu617")->trigger();
    ASSERT_NE(principal.administrador(), nullptr);
    EXPECT_EQ(sesion.formulario, 617);
    principal.administrador()->close();  // any other way out gives the menu back too
    EXPECT_TRUE(impuestos->isEnabled());
    EXPECT_TRUE(mensajes.mensajes.isEmpty()) << mensajes.mensajes.join('|').toStdString();
}

TEST_F(Administrador, SalirCierraLaSesionLasDeclaracionesSiguenAlVolverYLaAyudaAbreSuSeccion)
{
    veluma::test::crearDeclaracion708(sesion);
    {
        mdiPrincipal principal(sesion, mensajes);
        principal.show();
        principal.findChild<QAction*>("mnu708")->trigger();
        principal.administrador()->parentWidget()->showMaximized();  // its title joins the window's
        QString cerrando;
        veluma::test::alAparecerModal([&](QWidget* pantalla) { cerrando = pantalla->windowTitle(); });
        QSignalSpy cerrada(&principal, &mdiPrincipal::sesionCerrada);
        principal.findChild<QAction*>("mnuSalir")->trigger();
        ASSERT_EQ(cerrada.count(), 1);
        EXPECT_TRUE(cerrada.at(0).at(0).toBool());  // closed well
        EXPECT_EQ(cerrando, " VELUMA - Cerrando el sistema");
        EXPECT_FALSE(sesion.base.isOpen());
        principal.close();  // a second close does not run the sequence again
        EXPECT_EQ(cerrada.count(), 1);
    }
    EXPECT_THROW(Database::open(sesion.instalacion.rutaBaseTrabajo(), contrasenaBase()), DbError);

    veluma::test::abrirSesion(sesion, mensajes);
    EXPECT_EQ(veluma::test::filasDeConsulta(sesion.base, "SELECT PERIODO, FORMULARIO, CAMPO1 FROM DDJJ"),
              QStringList{"200403|708|10"});

    // Back in, Ayuda > Contenido with no form open opens the manager for the first form, beside the help.
    mdiPrincipal principal(sesion, mensajes);
    principal.show();
    sesion.formulario = 0;
    principal.findChild<QAction*>("mnuContenido")->trigger();
    ASSERT_NE(principal.administrador(), nullptr);
    EXPECT_EQ(principal.administrador()->windowTitle(), "Formulario 708 Entradas Cinematográficas");
    QString ayudaAbierta;
    for (QWidget* ventana : QApplication::topLevelWidgets())
        if (auto* visor = qobject_cast<VisorAyuda*>(ventana); visor && visor->isVisible())
            ayudaAbierta = visor->fuenteActual();
    EXPECT_TRUE(ayudaAbierta.endsWith(QStringLiteral("#contexto%1").arg(kAyudaDDJJ))) << ayudaAbierta.toStdString();

    // Every help context the screens use has its section in the help document.
    const QString ayuda = QString::fromUtf8(veluma::test::leerArchivo(sesion.rutaAyuda));
    for (int contexto :
         {kAyudaAvisoInicio, kAyudaPrincipal, kAyudaDDJJ, kAyudaCopiaDDJJ, kAyudaRespaldo, kAyudaAcerca, kAyudaGenerar,
          kAyudaImpresion, kAyudaSalas708, kAyudaImpuestoDeterminado708, kAyudaPagoCuenta708, kAyudaSaldos708})
        EXPECT_TRUE(ayuda.contains(QStringLiteral("name=\"contexto%1\"").arg(contexto))) << contexto;
}

