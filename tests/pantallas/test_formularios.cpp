#include "declarations/pantallas/formularios.h"
#include "declarations/pantallas/modelo_ddjj.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace veluma;

namespace {

// A screen with some conventional buttons, a list and a text field.
class PantallaDePrueba : public QWidget {
public:
    PantallaDePrueba()
    {
        auto* barra = new QWidget(this);
        barra->setObjectName("picBarra");
        for (const char* nombre : {"CMDELIMINAR", "cmdNuevo", "cmdDetallar", "cmdImprimir", "cmdOtro"}) {
            auto* boton = crearBoton(this, QString::fromLatin1(nombre), QString::fromLatin1(nombre));
            boton->setToolTip("propio");
            connect(boton, &QToolButton::clicked, this, [this, nombre] { pulsados += QString::fromLatin1(nombre); });
        }
        campo = new QLineEdit(this);
        grilla = new QListWidget(this);
        grilla->setObjectName("Grilla");
        resize(400, 300);
    }

    QStringList pulsados;
    QLineEdit* campo;
    QListWidget* grilla;
};

}  // namespace

TEST(Formularios, LosBotonesTomanTooltipImagenYContextoPorSuNombre)
{
    PantallaDePrueba pantalla;
    ConfigurarBotones(pantalla, 42);
    auto* eliminar = pantalla.findChild<QToolButton*>("CMDELIMINAR");
    EXPECT_EQ(eliminar->toolTip(), "Eliminar (Ctrl + Supr)");
    EXPECT_FALSE(eliminar->icon().isNull());
    EXPECT_EQ(pantalla.findChild<QToolButton*>("cmdNuevo")->toolTip(), "Nuevo (Ctrl + N)");
    EXPECT_EQ(pantalla.findChild<QToolButton*>("cmdDetallar")->toolTip(), "Detalle (Ctrl + D)");
    // Buttons with no conventional tooltip keep theirs; unknown ones get no picture.
    EXPECT_EQ(pantalla.findChild<QToolButton*>("cmdImprimir")->toolTip(), "propio");
    EXPECT_FALSE(pantalla.findChild<QToolButton*>("cmdImprimir")->icon().isNull());
    EXPECT_TRUE(pantalla.findChild<QToolButton*>("cmdOtro")->icon().isNull());
    EXPECT_EQ(contextoAyudaDe(eliminar), 42);
    EXPECT_EQ(contextoAyudaDe(pantalla.campo), 42);
    EXPECT_TRUE(pantalla.findChild<QWidget*>("picBarra")->autoFillBackground());
}

TEST(Formularios, LosAtajosRespetanModificadoresYControlesDisponibles)
{
    PantallaDePrueba pantalla;
    ConfigurarBotones(pantalla, 1);
    pantalla.show();
    pantalla.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&pantalla));

    QTest::keyClick(pantalla.campo, Qt::Key_N, Qt::ShiftModifier);
    QTest::keyClick(pantalla.campo, Qt::Key_N, Qt::ControlModifier | Qt::AltModifier);
    QTest::keyClick(pantalla.campo, Qt::Key_I, Qt::ControlModifier);  // no cmdImportar here
    EXPECT_TRUE(pantalla.pulsados.isEmpty());
    QTest::keyClick(pantalla.campo, Qt::Key_N, Qt::ControlModifier);
    QTest::keyClick(pantalla.campo, Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(pantalla.pulsados, (QStringList{"cmdNuevo", "CMDELIMINAR"}));

    pantalla.findChild<QToolButton*>("CMDELIMINAR")->setEnabled(false);
    pantalla.findChild<QToolButton*>("cmdNuevo")->hide();
    EXPECT_FALSE(ControlDisponible(pantalla, "cmdeliminar"));
    EXPECT_FALSE(ControlDisponible(pantalla, "CMDNUEVO"));
    EXPECT_TRUE(ControlDisponible(pantalla, "CMDDETALLAR"));
    QTest::keyClick(pantalla.campo, Qt::Key_Delete, Qt::ControlModifier);
    QTest::keyClick(pantalla.campo, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(pantalla.pulsados.size(), 2);

    // L typed in a field moves to the list; A finds no tree and does nothing.
    pantalla.campo->setFocus();
    QTest::keyClick(pantalla.campo, Qt::Key_A);
    EXPECT_TRUE(pantalla.campo->hasFocus());
    QTest::keyClick(pantalla.campo, Qt::Key_L);
    EXPECT_TRUE(pantalla.grilla->hasFocus());
    EXPECT_TRUE(pantalla.campo->text().endsWith("al"));  // the letters still reach the field
}

TEST(Formularios, SecuenciasYModeloDeLaLista)
{
    QComboBox lista;
    lista.addItem("vieja");
    CargarSecuencias(lista, 3);
    QStringList textos;
    for (int i = 0; i < lista.count(); ++i)
        textos += lista.itemText(i);
    EXPECT_EQ(textos, (QStringList{"Original", "Rectificativa 1", "Rectificativa 2", "Rectificativa 3"}));

    ModeloDDJJ modelo;
    QAbstractItemModelTester probador(&modelo, QAbstractItemModelTester::FailureReportingMode::Warning);
    modelo.cambiarFilas({FilaDDJJ{"121994", "x", 199412, 3, 708, "10", {}}, FilaDDJJ{"012005", "x", 200501, 0, 708, "10", {}}});
    EXPECT_EQ(modelo.headerData(0, Qt::Horizontal).toString(), "Período Fiscal   ");
    EXPECT_EQ(modelo.headerData(1, Qt::Horizontal).toString(), "Secuencia   ");
    EXPECT_EQ(modelo.index(0, 0).data().toString(), "12/1994");
    EXPECT_EQ(modelo.index(1, 0).data().toString(), "01/2005");
    EXPECT_EQ(modelo.index(0, 1).data().toInt(), 3);
    EXPECT_EQ(modelo.buscar(200501, 0, "10"), 1);
    EXPECT_EQ(modelo.buscar(200501, 0, "11"), -1);
}
