#include "f708/pantallas/frm708_listado_salas.h"
#include "pantalla_708.h"
#include "support/modal.h"

#include <QHeaderView>
#include <QTableView>
#include <QTreeWidget>

using namespace veluma;
using veluma::test::alAparecerModal;

namespace {

class PantallaSalas : public veluma::test::Pantalla708 {
protected:
    frm708ListadoSalas& abrir() { return mostrar(std::make_unique<frm708ListadoSalas>(sesion, mensajes)); }

    // Nuevo, Modificar, Eliminar, Eliminar todos, Imprimir, Aceptar, Cancelar, Salir; then the list and the weeks.
    QString estado()
    {
        return botones({"CmdNuevo", "CmdModificar", "CmdEliminarABM", "CmdEliminarTodos", "cmdImprimir", "cmdAceptar",
                        "CmdCancelar", "cmdSalir"})
               + (control("Grilla")->isEnabled() ? " L" : " -") + (control("FrArbol")->isEnabled() ? 'A' : '-');
    }

    QStringList salas(int periodo = 200405)
    {
        return test::filasDeConsulta(sesion.base, QStringLiteral("SELECT COD_SALA, DENOMINACION_SALA, DOMICILIO_SALA, "
                                                                 "COD_INCAA FROM [708Salas] WHERE PERIODO=%1 "
                                                                 "ORDER BY COD_SALA")
                                                      .arg(periodo));
    }

    // The names (or addresses) in the grid, top to bottom, the chosen one marked.
    QStringList grilla(int columna = 0)
    {
        QStringList nombres;
        auto* lista = control<QTableView>("Grilla");
        for (int i = 0; i < lista->model()->rowCount(); ++i)
            nombres += lista->model()->index(i, columna).data().toString()
                       + (lista->currentIndex().row() == i ? "*" : "");
        return nombres;
    }

    QStringList arbol() { return test::imagenesDe(*control<QTreeWidget>("arbol")); }
    QTreeWidgetItem* semana(int numero) { return control<QTreeWidget>("arbol")->topLevelItem(0)->child(numero - 1); }
};

const QStringList kVacio{"Salas=abierto", "Primero=vacio", "Segundo=vacio", "Tercero=vacio", "Cuarto=vacio"};

}  // namespace

TEST_F(PantallaSalas, ValidacionAltaModificacionYCancelacion)
{
    abrir();
    EXPECT_EQ(estado(), "N------S --");
    // The three checks in one box; the typed data stays and nothing is stored.
    pulsar("CmdNuevo");
    escribir("txtDenominacion", QStringLiteral("  "));
    escribir("txtCodINCAA", QStringLiteral("000"));
    pulsar("cmdAceptar");
    EXPECT_EQ(mensajes.mensajes, QStringList{"Información: El campo Denominación, no puede estar vacío\rEl campo "
                                             "Domicilio, no puede estar vacío\rEl campo Código INCAA no puede estar "
                                             "vacío y no puede ser cero."});
    EXPECT_EQ(estado(), "-----AC- --");
    EXPECT_EQ(texto("txtCodINCAA"), "000");
    EXPECT_TRUE(salas().isEmpty());

    escribir("txtDenominacion", QStringLiteral("Atlas"));
    escribir("txtDomicilio", QStringLiteral("Lavalle 869"));
    escribir("txtCodINCAA", QStringLiteral("222"));
    pulsar("cmdAceptar");
    sala(5, QStringLiteral("Cine Sol"), QStringLiteral("Av. Siempreviva 742"), QStringLiteral("123456"));
    EXPECT_EQ(estado(), "NMEEI--S LA");
    EXPECT_EQ(arbol(), kVacio);

    // Modifying changes only the chosen room, blanks trimmed, and keeps its code; Cancelar throws away what was typed.
    pulsar("CmdModificar");
    EXPECT_EQ(estado(), "-----AC- --");
    escribir("txtDenominacion", QStringLiteral("Zafiro"));
    escribir("txtDomicilio", QStringLiteral("Corrientes 1530 "));
    pulsar("cmdAceptar");
    EXPECT_EQ(salas(), (QStringList{"1|Zafiro|Corrientes 1530|222", "5|Cine Sol|Av. Siempreviva 742|123456"}));
    EXPECT_EQ(grilla(), (QStringList{"Zafiro*", "Cine Sol"}));  // from Z to A, the room just saved chosen
    pulsar("CmdModificar");
    escribir("txtDenominacion", QStringLiteral("Otro"));
    pulsar("CmdCancelar");
    EXPECT_EQ(texto("txtDenominacion"), "Zafiro");
    EXPECT_EQ(salas().size(), 2);
    EXPECT_EQ(mensajes.mensajes.size(), 1);
}

TEST_F(PantallaSalas, EliminarUnaSalaBorraSusEntradasYEliminarTodasLasDeLaDeclaracion)
{
    sala(1, QStringLiteral("Atlas"), QStringLiteral("Lavalle 869"), QStringLiteral("111"));
    sala(2, QStringLiteral("Zafiro"), QStringLiteral("Corrientes 1530"), QStringLiteral("222"));
    sala(3, QStringLiteral("Otro mes"), QStringLiteral("Florida 1"), QStringLiteral("333"), 200404);
    linea(1, 1, 5.5, 100);
    linea(1, 4, 8, 10);
    linea(2, 1, 5.5, 7);
    linea(3, 1, 5.5, 9, 200404);
    abrir();

    mensajes.respuestas = {false};
    pulsar("CmdEliminarABM");
    EXPECT_EQ(grilla(), (QStringList{"Zafiro*", "Atlas"}));
    control<QTableView>("Grilla")->setCurrentIndex(control<QTableView>("Grilla")->model()->index(1, 0));
    EXPECT_EQ(texto("txtCodINCAA"), "111");
    pulsar("CmdEliminarABM");
    EXPECT_EQ(mensajes.mensajes, QStringList(2, tituloPrograma() + ": ¿ Confirma la eliminación de la sala seleccionada?"));
    EXPECT_EQ(grilla(), QStringList{"Zafiro*"});
    EXPECT_EQ(lineas(), QStringList{"2|1|5.5|7"});

    mensajes.mensajes.clear();
    pulsar("CmdEliminarTodos");
    EXPECT_EQ(mensajes.mensajes,
              QStringList{"Eliminación de todos: ¿ Confirma eliminación de todas las salas ingresadas?"});
    EXPECT_TRUE(grilla().isEmpty() && lineas().isEmpty() && salas().isEmpty());
    EXPECT_EQ(salas(200404).size() + lineas(200404).size(), 2);  // another declaration's rows stay
    EXPECT_TRUE(texto("txtDenominacion").isEmpty());
    EXPECT_TRUE(arbol().isEmpty());
    EXPECT_EQ(estado(), "N------S --");
}

TEST_F(PantallaSalas, ElTituloDeUnaColumnaInvierteElOrden)
{
    sala(1, QStringLiteral("beta"), QStringLiteral("Bolívar 2"), QStringLiteral("1"));
    sala(2, QStringLiteral("Álamo"), QStringLiteral("Uruguay 3"), QStringLiteral("2"));
    sala(3, QStringLiteral("Zeta"), QStringLiteral("Alsina 1"), QStringLiteral("3"));
    abrir();
    EXPECT_EQ(grilla(), (QStringList{"Zeta*", "beta", "Álamo"}));
    auto* titulos = control<QTableView>("Grilla")->horizontalHeader();
    emit titulos->sectionClicked(0);
    EXPECT_EQ(grilla(), (QStringList{"Álamo*", "beta", "Zeta"}));
    EXPECT_EQ(texto("txtDenominacion"), "Álamo");
    emit titulos->sectionClicked(0);
    EXPECT_EQ(grilla(), (QStringList{"Zeta*", "beta", "Álamo"}));
    emit titulos->sectionClicked(1);
    EXPECT_EQ(grilla(1), (QStringList{"Alsina 1*", "Bolívar 2", "Uruguay 3"}));
    emit titulos->sectionClicked(1);
    EXPECT_EQ(grilla(1), (QStringList{"Uruguay 3*", "Bolívar 2", "Alsina 1"}));
}

TEST_F(PantallaSalas, ElArbolDeSemanasAbreLasEntradasConEnterYMuestraSiTienenDatos)
{
    sala(7, QStringLiteral("Atlas"), QStringLiteral("Lavalle 869"), QStringLiteral("111"));
    linea(7, 2, 5.5, 100);
    abrir();
    EXPECT_EQ(semana(2)->text(0), "2º Periodo");
    EXPECT_EQ(arbol(), (QStringList{"Salas=abierto", "Primero=vacio", "Segundo=lleno", "Tercero=vacio", "Cuarto=vacio"}));
    // The root opens nothing.
    emit control<QTreeWidget>("arbol")->itemDoubleClicked(control<QTreeWidget>("arbol")->topLevelItem(0), 0);

    // Enter on the week opens it; its last line deleted, the week is empty again.
    QString titulo;
    alAparecerModal([&](QWidget* entradas) {
        titulo = entradas->windowTitle();
        test::pulsar(entradas, "CmdEliminarABM");
        test::pulsar(entradas, "cmdSalir");
    });
    auto* arbolSemanas = control<QTreeWidget>("arbol");
    arbolSemanas->setFocus();
    arbolSemanas->setCurrentItem(semana(2));
    QTest::keyClick(arbolSemanas, Qt::Key_Return);
    EXPECT_EQ(titulo, "Impuesto Determinado 2º Periodo");
    EXPECT_TRUE(lineas().isEmpty());
    EXPECT_EQ(arbol(), kVacio);
    EXPECT_EQ(pantalla->focusWidget(), arbolSemanas);
    EXPECT_EQ(mensajes.mensajes, QStringList{"Advertencia: ¿Confirma la eliminación?"});
}

TEST_F(PantallaSalas, LosAtajosDeTecladoLlevanALaListaYAlArbolYEscCancela)
{
    sala(1, QStringLiteral("Atlas"), QStringLiteral("Lavalle 869"), QStringLiteral("111"));
    abrir();
    QTest::keyClick(pantalla.get(), Qt::Key_A);
    EXPECT_TRUE(control("arbol")->hasFocus());
    QTest::keyClick(control("arbol"), Qt::Key_L);
    EXPECT_TRUE(control("Grilla")->hasFocus());

    QTest::keyClick(control("Grilla"), Qt::Key_M, Qt::ControlModifier);
    EXPECT_EQ(estado(), "-----AC- --");
    auto* nombre = control<QLineEdit>("txtDenominacion");
    EXPECT_TRUE(nombre->hasFocus());
    QTest::keyClicks(nombre, "la");  // letters typed while editing stay in the box
    EXPECT_EQ(nombre->text(), "Atlasla");
    QTest::keyClick(nombre, Qt::Key_Escape);
    EXPECT_TRUE(pantalla->isVisible());
    EXPECT_EQ(estado(), "NMEEI--S LA");
    EXPECT_EQ(texto("txtDenominacion"), "Atlas");
}
