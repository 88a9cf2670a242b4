#include "core/error.h"
#include "pantallas/atajos.h"
#include "pantallas/botones.h"
#include "pantallas/contexto_ayuda.h"
#include "pantallas/edicion.h"
#include "support/mensajes_grabados.h"

#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace veluma;

namespace {

// A screen with buttons of several roles, one of them named in capitals as some screens name theirs, and a text
// field. How the editing states show the buttons is checked on each screen.
class PantallaDePrueba : public QWidget {
public:
    PantallaDePrueba()
    {
        const std::pair<Boton, const char*> botones[] = {
            {Boton::Nuevo, "CmdNuevo"},          {Boton::Modificar, "cmdModificar"}, {Boton::Eliminar, "CMDELIMINAR"},
            {Boton::EliminarTodos, "cmdTodos"},  {Boton::Imprimir, "cmdImprimir"},   {Boton::Aceptar, "cmdAceptar"},
            {Boton::Cancelar, "CmdCancelar"},    {Boton::Salir, "cmdSalir"},         {Boton::Generar, "cmdGenerar"}};
        for (const auto& [rol, nombre] : botones) {
            QToolButton* boton = crearBoton(this, rol, QString::fromLatin1(nombre), QString::fromLatin1(nombre));
            connect(boton, &QToolButton::clicked, this, [this, nombre] { pulsados += QString::fromLatin1(nombre); });
        }
        campo = new QLineEdit(this);
        resize(400, 300);
    }

    QToolButton* boton(const char* nombre) { return findChild<QToolButton*>(nombre); }

    QStringList pulsados;
    QLineEdit* campo;
};

}  // namespace

TEST(Convenciones, LosAtajosRespetanModificadoresYBotonesDisponiblesYUnErrorSeMuestraConSuNumero)
{
    PantallaDePrueba pantalla;
    ConfigurarBotones(pantalla, 42);
    EXPECT_EQ(contextoAyudaDe(pantalla.campo), 42);  // F1 on any field opens the screen's section
    pantalla.show();
    pantalla.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&pantalla));

    QTest::keyClick(pantalla.campo, Qt::Key_N, Qt::ShiftModifier);
    QTest::keyClick(pantalla.campo, Qt::Key_N, Qt::ControlModifier | Qt::AltModifier);
    QTest::keyClick(pantalla.campo, Qt::Key_I, Qt::ControlModifier);  // no Importar here
    EXPECT_TRUE(pantalla.pulsados.isEmpty());
    QTest::keyClick(pantalla.campo, Qt::Key_N, Qt::ControlModifier);
    QTest::keyClick(pantalla.campo, Qt::Key_Delete, Qt::ControlModifier);
    QTest::keyClick(pantalla.campo, Qt::Key_T, Qt::ControlModifier);
    QTest::keyClick(pantalla.campo, Qt::Key_Escape);
    // Acting on the press: letting go of Ctrl before the letter still counts.
    QTest::keyPress(pantalla.campo, Qt::Key_N, Qt::ControlModifier);
    QTest::keyRelease(pantalla.campo, Qt::Key_Control, Qt::NoModifier);
    QTest::keyRelease(pantalla.campo, Qt::Key_N, Qt::NoModifier);
    EXPECT_EQ(pantalla.pulsados,
              (QStringList{"CmdNuevo", "CMDELIMINAR", "cmdTodos", "CmdCancelar", "CmdNuevo"}));

    // A disabled or hidden button is not pressed by its key.
    pantalla.boton("CMDELIMINAR")->setEnabled(false);
    pantalla.boton("CmdNuevo")->hide();
    QTest::keyClick(pantalla.campo, Qt::Key_Delete, Qt::ControlModifier);
    QTest::keyClick(pantalla.campo, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(pantalla.pulsados.size(), 5);
    // A and L, to the tree and the list, are checked on the rooms' screen.

    // An error thrown by a handler is shown with its number.
    test::MensajesGrabados mensajes;
    EXPECT_TRUE(conAvisoDeErrores(mensajes, [] {}));
    EXPECT_FALSE(conAvisoDeErrores(mensajes, [] { throw Error(53, QStringLiteral("No se encontró el archivo")); }));
    EXPECT_EQ(mensajes.mensajes,
              QStringList{tituloPrograma() + ": " + textoMensajeError("No se encontró el archivo", 53)});
}

// The sequences offered are checked through the declarations the manager stores.
