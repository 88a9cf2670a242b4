#include "core/arranque.h"
#include "core/clave.h"
#include "core/database.h"
#include "core/inicio.h"
#include "core/msgini.h"
#include "core/sesion.h"
#include "shell/frm_cerrando.h"
#include "shell/frm_inicio_mensaje.h"
#include "pantallas/frm_mensaje.h"
#include "shell/frm_splash.h"
#include "shell/mdi_principal.h"
#include "shell/mensajes_dialogo.h"
#include "shell/visor_ayuda.h"
#include "support/instalacion_temporal.h"
#include "support/sesion_de_prueba.h"
#include "support/mensajes_grabados.h"
#include "support/modal.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace veluma;
using veluma::test::alAparecerModal;

namespace {

class Pantallas : public veluma::test::SesionDePrueba {
protected:
    void SetUp() override
    {
        SesionDePrueba::SetUp();
        sesion.rutaAyuda = sesion.instalacion.rutaAyuda();
    }

    int activoEnArchivo()
    {
        Database auxiliar = Database::open(sesion.instalacion.rutaBaseAuxiliar(), contrasenaBase());
        Statement activo = auxiliar.prepare("SELECT Activo FROM MsgConfig ORDER BY rowid LIMIT 1");
        return activo.next() ? int(*activo.integer(0)) : -1;
    }

    template <class T>
    static T* hijo(QWidget& pantalla, const char* nombre)
    {
        T* control = pantalla.findChild<T*>(QString::fromLatin1(nombre));
        EXPECT_NE(control, nullptr) << nombre;
        return control;
    }
};

TEST_F(Pantallas, AvisoDeInicioMuestraElNombreConSombraYRespetaLaCasilla)
{
    {
        CMsgIni configuracion(sesion.base);
        frmInicioMensaje aviso(configuracion, sesion.rutaAyuda, mensajes);
        auto* fondo = hijo<QLabel>(aviso, "lblNombreFondo");
        auto* frente = hijo<QLabel>(aviso, "lblNombreFrente");
        EXPECT_EQ(fondo->text(), "Veluma");
        EXPECT_EQ(frente->text(), "Veluma");
        EXPECT_EQ(fondo->pos() - frente->pos(), QPoint(3, 3));
        EXPECT_NE(fondo->palette().color(QPalette::WindowText), frente->palette().color(QPalette::WindowText));
        EXPECT_EQ(hijo<QLabel>(aviso, "lblMensaje")->text(), configuracion.Mensaje());
        EXPECT_EQ(hijo<QPushButton>(aviso, "btnAyuda")->text(), "Ver ayuda");
        EXPECT_EQ(hijo<QPushButton>(aviso, "btnInicio")->text(), "Salir y ejecutar el sistema");
        auto* casilla = hijo<QCheckBox>(aviso, "chkNoMostrar");
        EXPECT_EQ(casilla->text(), "No mostrar esta ventana cada vez que inicia el sistema");
        EXPECT_FALSE(casilla->isChecked());

        aviso.show();
        QTest::mouseClick(hijo<QPushButton>(aviso, "btnInicio"), Qt::LeftButton);
        EXPECT_EQ(aviso.result(), QDialog::Accepted);
        EXPECT_EQ(activoEnArchivo(), 1);
    }
    {
        CMsgIni configuracion(sesion.base);
        frmInicioMensaje aviso(configuracion, sesion.rutaAyuda, mensajes);
        aviso.show();
        hijo<QCheckBox>(aviso, "chkNoMostrar")->setChecked(true);
        QTest::mouseClick(hijo<QPushButton>(aviso, "btnInicio"), Qt::LeftButton);
        EXPECT_EQ(activoEnArchivo(), 0);
        EXPECT_FALSE(configuracion.Activo());
    }
}

TEST_F(Pantallas, VerAyudaAbreLaAyudaEnElContextoUno)
{
    CMsgIni configuracion(sesion.base);
    frmInicioMensaje aviso(configuracion, sesion.rutaAyuda, mensajes);
    aviso.setModal(true);  // as start-up shows it
    aviso.show();
    QTest::mouseClick(hijo<QPushButton>(aviso, "btnAyuda"), Qt::LeftButton);
    auto* visor = aviso.findChild<VisorAyuda*>();
    ASSERT_NE(visor, nullptr);
    EXPECT_TRUE(visor->isVisible());
    EXPECT_TRUE(visor->fuenteActual().endsWith("VELUMA.html#contexto1")) << visor->fuenteActual().toStdString();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    VisorAyuda::mostrar(sesion.instalacion.carpetaPrograma() + "/no-esta.html", 1, mensajes);
    EXPECT_EQ(mensajes.mensajes, QStringList{"Atención: No se encuentra el archivo de ayuda "
                                             + sesion.instalacion.carpetaPrograma() + "/no-esta.html."});
}

TEST_F(Pantallas, MensajeYPresentacionSeCierranSolos)
{
    frmMensaje mensaje("Información", "Impresión finalizada.");
    EXPECT_EQ(mensaje.windowTitle(), "Información");
    EXPECT_EQ(mensaje.findChild<QLabel*>("lblMensaje")->text(), "Impresión finalizada.");
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

TEST_F(Pantallas, PantallaDeCierreEsperaDosSegundosYNoSeDejaInterrumpir)
{
    int cierres = 0;
    frmCerrando cerrando(mdiPrincipal::titulo(), QIcon(), [&] { ++cierres; });
    EXPECT_EQ(cerrando.windowTitle(), " VELUMA - Cerrando el sistema");
    EXPECT_EQ(cerrando.findChild<QLabel*>("lblRespaldo")->text(),
              "Recuerde que debe realizar diariamente un respaldo de la información.");
    EXPECT_EQ(cerrando.findChild<QLabel*>("lblEspera")->text(),
              "Esta operación puede tardar unos minutos. Por favor espere mientras se cierra el sistema...");
    QSignalSpy fin(&cerrando, &QDialog::finished);
    cerrando.show();
    cerrando.close();
    QTest::keyClick(&cerrando, Qt::Key_Escape);
    EXPECT_TRUE(cerrando.isVisible());
    EXPECT_EQ(cierres, 0);
    EXPECT_TRUE(fin.wait(frmCerrando::kDemoraMs + 3000));
    EXPECT_EQ(cierres, 1);
}

// Title, icon and buttons of each kind of message, and what each answers.
TEST(MensajesEnPantalla, TitulosIconosYBotones)
{
    MensajesDialogo dialogo;
    struct Visto {
        QString titulo, texto;
        QMessageBox::Icon icono = QMessageBox::NoIcon;
        QStringList botones;
        QString porDefecto;
    };
    auto mirar = [](Visto& visto, const QString& pulsar) {
        alAparecerModal([&visto, pulsar](QWidget* ventana) {
            auto* caja = qobject_cast<QMessageBox*>(ventana);
            ASSERT_NE(caja, nullptr);
            visto.titulo = caja->windowTitle();
            visto.texto = caja->text();
            visto.icono = caja->icon();
            for (QAbstractButton* boton : caja->buttons())
                visto.botones += boton->text();
            visto.porDefecto = caja->defaultButton() ? caja->defaultButton()->text() : QString();
            for (QAbstractButton* boton : caja->buttons()) {
                if (boton->text() == pulsar)
                    boton->click();
            }
        });
    };

    Visto informacion;
    mirar(informacion, "Aceptar");
    dialogo.MensajeInformacion("Dato guardado.");
    EXPECT_EQ(informacion.titulo, "Información");
    EXPECT_EQ(informacion.icono, QMessageBox::Information);
    EXPECT_EQ(informacion.botones, QStringList{"Aceptar"});

    Visto atencion;
    mirar(atencion, "Aceptar");
    dialogo.MensajeAtencion("Falta el mes.");
    EXPECT_EQ(atencion.titulo, "Atención");
    EXPECT_EQ(atencion.icono, QMessageBox::Warning);

    Visto advertencia;
    mirar(advertencia, "&No");
    EXPECT_FALSE(dialogo.ConfirmacionAdvertencia("¿Desea eliminar?"));
    EXPECT_EQ(advertencia.titulo, "Advertencia");
    EXPECT_EQ(advertencia.icono, QMessageBox::Warning);
    EXPECT_EQ(advertencia.botones.size(), 2);
    EXPECT_EQ(advertencia.porDefecto, "&Sí");

    Visto pregunta;
    mirar(pregunta, "&Sí");
    EXPECT_EQ(dialogo.PreguntaSiNo("¿Reemplazar?", Respuesta::No), Respuesta::Si);
    EXPECT_EQ(pregunta.titulo, "Veluma");
    EXPECT_EQ(pregunta.icono, QMessageBox::Question);
    EXPECT_EQ(pregunta.porDefecto, "&No");

    Visto error;
    mirar(error, "Aceptar");
    dialogo.MensajeError("Disco lleno", 13);
    EXPECT_EQ(error.titulo, "Veluma");
    EXPECT_EQ(error.icono, QMessageBox::Critical);
    EXPECT_EQ(error.texto, "Ha ocurrido el error 13 con la siguiente descripción : \nDisco lleno");

    Visto simple;
    mirar(simple, "Aceptar");
    dialogo.MensajeSimple("El ingreso al sistema se debe realizar por medio del módulo T.E.Vo.");
    EXPECT_EQ(simple.titulo, "Veluma");
    EXPECT_EQ(simple.icono, QMessageBox::NoIcon);
}

}  // namespace
