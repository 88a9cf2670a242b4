#include "core/error.h"
#include "pantallas/atajos.h"
#include "pantallas/botones.h"
#include "pantallas/contexto_ayuda.h"
#include "pantallas/edicion.h"
#include "pantallas/listas.h"
#include "support/mensajes_grabados.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace veluma;

namespace {

// A screen with buttons of several roles, one of them named in capitals as some screens name theirs, a list and a
// text field. How the editing states show the buttons is checked on each screen.
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
            boton->setToolTip("propio");
            connect(boton, &QToolButton::clicked, this, [this, nombre] { pulsados += QString::fromLatin1(nombre); });
        }
        campo = new QLineEdit(this);
        grilla = new QListWidget(this);
        grilla->setObjectName("Grilla");
        resize(400, 300);
    }

    QToolButton* boton(const char* nombre) { return findChild<QToolButton*>(nombre); }

    QStringList pulsados;
    QLineEdit* campo;
    QListWidget* grilla;
};

}  // namespace

TEST(Convenciones, LosBotonesTomanTooltipImagenYContextoPorSuPapel)
{
    PantallaDePrueba pantalla;
    ConfigurarBotones(pantalla, 42);
    EXPECT_EQ(pantalla.boton("CMDELIMINAR")->toolTip(), "Eliminar (Ctrl + Supr)");
    EXPECT_EQ(pantalla.boton("CmdNuevo")->toolTip(), "Nuevo (Ctrl + N)");
    EXPECT_EQ(pantalla.boton("cmdTodos")->toolTip(), "Eliminar Todos (Ctrl + T)");
    // Buttons with no conventional tooltip keep theirs; every one gets its picture.
    EXPECT_EQ(pantalla.boton("cmdImprimir")->toolTip(), "propio");
    for (QToolButton* boton : pantalla.findChildren<QToolButton*>())
        EXPECT_FALSE(boton->icon().isNull()) << boton->objectName().toStdString();
    EXPECT_EQ(contextoAyudaDe(pantalla.campo), 42);
    EXPECT_EQ(crearBoton(&pantalla, Boton::Detallar, "D")->objectName(), "cmdDetallar");
}

TEST(Convenciones, LosAtajosRespetanModificadoresYBotonesDisponibles)
{
    PantallaDePrueba pantalla;
    ConfigurarBotones(pantalla, 1);
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

    // L typed in a field moves to the list; A finds no tree and does nothing.
    pantalla.campo->setFocus();
    QTest::keyClick(pantalla.campo, Qt::Key_A);
    EXPECT_TRUE(pantalla.campo->hasFocus());
    QTest::keyClick(pantalla.campo, Qt::Key_L);
    EXPECT_TRUE(pantalla.grilla->hasFocus());
    EXPECT_TRUE(pantalla.campo->text().endsWith("al"));  // the letters still reach the field
}

TEST(Convenciones, SecuenciasYErroresDeLosManejadores)
{
    QComboBox lista;
    lista.addItem("vieja");
    CargarSecuencias(lista, 3);
    QStringList textos;
    for (int i = 0; i < lista.count(); ++i)
        textos += lista.itemText(i);
    EXPECT_EQ(textos, (QStringList{"Original", "Rectificativa 1", "Rectificativa 2", "Rectificativa 3"}));

    test::MensajesGrabados mensajes;
    EXPECT_TRUE(conAvisoDeErrores(mensajes, [] {}));
    EXPECT_FALSE(conAvisoDeErrores(mensajes, [] { throw Error(53, QStringLiteral("No se encontró el archivo")); }));
    EXPECT_EQ(mensajes.mensajes,
              QStringList{tituloPrograma() + ": " + textoMensajeError("No se encontró el archivo", 53)});
}
