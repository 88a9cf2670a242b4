#include "core/clave.h"
#include "core/database.h"
#include "core/msgini.h"
#include "pantallas/frm_mensaje.h"
#include "shell/frm_cerrando.h"
#include "shell/frm_inicio_mensaje.h"
#include "shell/frm_splash.h"
#include "shell/mensajes_dialogo.h"
#include "shell/visor_ayuda.h"
#include "support/controles.h"
#include "support/filas.h"
#include "support/modal.h"
#include "support/sesion_de_prueba.h"

#include <QCheckBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace veluma;
using veluma::test::hijo;

namespace {

using AvisoDeInicio = veluma::test::SesionDePrueba;

// The notice shows the configured text; "Ver ayuda" opens the help at its section; the box, when ticked, is saved
// in the auxiliary file itself, read here without the session's link.
TEST_F(AvisoDeInicio, MuestraElMensajeAbreLaAyudaYGuardaLaCasilla)
{
    for (const bool noMostrar : {false, true}) {
        SCOPED_TRACE(noMostrar);
        CMsgIni configuracion(sesion.base);
        frmInicioMensaje aviso(configuracion, sesion.instalacion.rutaAyuda(), mensajes);
        aviso.setModal(true);  // as start-up shows it
        aviso.show();
        EXPECT_EQ(hijo<QLabel>(aviso, "lblMensaje")->text(), configuracion.Mensaje());
        EXPECT_FALSE(hijo<QCheckBox>(aviso, "chkNoMostrar")->isChecked());
        if (!noMostrar) {
            QTest::mouseClick(hijo<QPushButton>(aviso, "btnAyuda"), Qt::LeftButton);
            auto* visor = aviso.findChild<VisorAyuda*>();
            ASSERT_NE(visor, nullptr);
            EXPECT_TRUE(visor->isVisible());
            EXPECT_TRUE(visor->fuenteActual().endsWith("VELUMA.html#contexto1")) << visor->fuenteActual().toStdString();
            EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        }
        hijo<QCheckBox>(aviso, "chkNoMostrar")->setChecked(noMostrar);
        QTest::mouseClick(hijo<QPushButton>(aviso, "btnInicio"), Qt::LeftButton);
        EXPECT_EQ(aviso.result(), QDialog::Accepted);
        Database auxiliar = Database::open(sesion.instalacion.rutaBaseAuxiliar(), contrasenaBase());
        EXPECT_EQ(veluma::test::filasDeConsulta(auxiliar, "SELECT Activo FROM MsgConfig ORDER BY rowid LIMIT 1"),
                  QStringList{noMostrar ? "0" : "1"});
    }
    VisorAyuda::mostrar(sesion.instalacion.carpetaPrograma() + "/no-esta.html", 1, mensajes);
    EXPECT_EQ(mensajes.mensajes, QStringList{"Atención: No se encuentra el archivo de ayuda "
                                             + sesion.instalacion.carpetaPrograma() + "/no-esta.html."});
}

// The message's text is checked where printing shows it.
TEST(Pantallas, MensajeYPresentacionSeCierranSolosYLaPresentacionConEnter)
{
    frmMensaje mensaje("Información", "Impresión finalizada.");
    QSignalSpy cerrado(&mensaje, &QDialog::finished);
    mensaje.show();
    EXPECT_TRUE(cerrado.wait(frmMensaje::kDuracionMs + 3000));

    frmSplash presentacion;
    QSignalSpy fin(&presentacion, &QDialog::finished);
    presentacion.show();
    EXPECT_TRUE(fin.wait(frmSplash::kDuracionMs + 3000));

    frmSplash conEnter;
    conEnter.show();
    QTest::keyClick(&conEnter, Qt::Key_Return);
    EXPECT_EQ(conEnter.result(), QDialog::Accepted);
    EXPECT_FALSE(conEnter.isVisible());
}

TEST(Pantallas, PantallaDeCierreEsperaDosSegundosYNoSeDejaInterrumpir)
{
    int cierres = 0;
    frmCerrando cerrando(" VELUMA", QIcon(), [&] { ++cierres; });
    QSignalSpy fin(&cerrando, &QDialog::finished);
    cerrando.show();
    cerrando.close();
    QTest::keyClick(&cerrando, Qt::Key_Escape);
    EXPECT_TRUE(cerrando.isVisible());
    EXPECT_EQ(cierres, 0);
    EXPECT_TRUE(fin.wait(frmCerrando::kDemoraMs + 3000));
    EXPECT_EQ(cierres, 1);
}

// Title, icon and buttons of each kind of message, and what Enter (the default button) and Esc answer.
TEST(MensajesEnPantalla, TituloIconoBotonesYLaTeclaQueContesta)
{
    MensajesDialogo dialogo;
    struct Caso {
        const char* caso;
        std::function<int()> mostrar;  // 1 for yes, 0 for no, -1 when nothing is asked
        Qt::Key tecla;
        QString titulo;
        QMessageBox::Icon icono;
        QString botones;
        int respuesta;
    };
    const QString sino = "&Sí|&No";
    const Caso casos[] = {
        {"información", [&] { return dialogo.MensajeInformacion("Dato guardado."), -1; }, Qt::Key_Return,
         "Información", QMessageBox::Information, "Aceptar", -1},
        {"atención", [&] { return dialogo.MensajeAtencion("Falta el mes."), -1; }, Qt::Key_Escape, "Atención",
         QMessageBox::Warning, "Aceptar", -1},
        {"advertencia con Enter", [&] { return int(dialogo.ConfirmacionAdvertencia("¿Desea eliminar?")); },
         Qt::Key_Return, "Advertencia", QMessageBox::Warning, sino, 1},
        {"advertencia con Esc", [&] { return int(dialogo.ConfirmacionAdvertencia("¿Desea eliminar?")); },
         Qt::Key_Escape, "Advertencia", QMessageBox::Warning, sino, 0},
        {"pregunta que propone No",
         [&] { return int(dialogo.PreguntaSiNo("¿Reemplazar?", Respuesta::No) == Respuesta::Si); }, Qt::Key_Return,
         "Veluma", QMessageBox::Question, sino, 0},
        {"pregunta que propone Sí",
         [&] { return int(dialogo.PreguntaSiNo("¿Reemplazar?", Respuesta::Si) == Respuesta::Si); }, Qt::Key_Return,
         "Veluma", QMessageBox::Question, sino, 1},
        {"reintentar", [&] { return int(dialogo.PreguntaReintentarCancelar("Disco lleno.", "Atención...!!!")); },
         Qt::Key_Escape, "Atención...!!!", QMessageBox::Warning, "&Reintentar|Cancelar", 0},
        {"error", [&] { return dialogo.MensajeError("Disco lleno", 13), -1; }, Qt::Key_Return, "Veluma",
         QMessageBox::Critical, "Aceptar", -1},
        {"simple", [&] { return dialogo.MensajeSimple("Ingrese por el módulo T.E.Vo."), -1; }, Qt::Key_Return,
         "Veluma", QMessageBox::NoIcon, "Aceptar", -1},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.caso);
        QString titulo, texto, botones;
        QMessageBox::Icon icono = QMessageBox::NoIcon;
        veluma::test::alAparecerModalDe<QMessageBox>([&](QMessageBox* caja) {
            titulo = caja->windowTitle();
            texto = caja->text();
            icono = caja->icon();
            QStringList nombres;
            for (QAbstractButton* boton : caja->buttons())
                nombres += boton->text();
            botones = nombres.join('|');
            QTest::keyClick(caja, caso.tecla);
            // A key that does not close the box would leave the test waiting.
            QTimer::singleShot(200, caja, [caja] {
                ADD_FAILURE() << "la tecla no cerró el mensaje";
                caja->done(0);
            });
        });
        EXPECT_EQ(caso.mostrar(), caso.respuesta);
        EXPECT_EQ(titulo, caso.titulo);
        EXPECT_EQ(icono, caso.icono);
        EXPECT_EQ(botones, caso.botones);
        if (caso.icono == QMessageBox::Critical) {
            EXPECT_EQ(texto, "Ha ocurrido el error 13 con la siguiente descripción : \nDisco lleno");
        }
    }
}

}  // namespace
