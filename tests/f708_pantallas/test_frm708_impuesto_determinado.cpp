#include "f708/pantallas/frm708_impuesto_determinado.h"
#include "pantalla_708.h"

#include <QTableView>

using namespace veluma;

namespace {

class PantallaImpuesto : public veluma::test::Pantalla708 {
protected:
    frm708ImpuestoDeterminado& abrir(int semana = 3, qint32 codigoSala = 5)
    {
        return mostrar(std::make_unique<frm708ImpuestoDeterminado>(sesion, mensajes, semana, codigoSala));
    }

    // Nuevo, Modificar, Eliminar, Eliminar todos, Aceptar, Cancelar, Salir.
    QString estado()
    {
        return botones({"CmdNuevo", "CmdModificar", "CmdEliminarABM", "CmdEliminarTodos", "cmdAceptar", "CmdCancelar",
                        "cmdSalir"});
    }

    void cargar(const QString& precio, const QString& entradas)
    {
        pulsar("CmdNuevo");
        escribir("txtPrecioVenta", precio);
        escribir("txtCantEntradas", entradas);
        pulsar("cmdAceptar");
    }

    // Sale price, tickets, base price, line tax, week total, month total.
    QStringList cajas()
    {
        return {texto("txtPrecioVenta"),         texto("txtCantEntradas"),        texto("txtPrecioBasico"),
                texto("txtImpuestoDeterminado"), texto("txtTotalImpuestoSemana"), texto("TotalImpuestoMes")};
    }
};

}  // namespace

TEST_F(PantallaImpuesto, CadaLineaMuestraSuPrecioBasicoSuImpuestoYLosTotalesDeLaSala)
{
    linea(5, 1, 11, 20);   // week 1 of the same room: 20 × 10 × 10 % = 20
    linea(6, 3, 2, 1000);  // another room: not in this room's totals
    abrir();
    EXPECT_EQ(pantalla->windowTitle(), "Impuesto Determinado 3º Periodo");
    EXPECT_EQ(estado(), "N-----S");
    EXPECT_EQ(cajas(), (QStringList{"", "", "", "", "0", "20"}));

    // Base price and tax show while the line is typed.
    pulsar("CmdNuevo");
    EXPECT_EQ(estado(), "----AC-");
    EXPECT_TRUE(control("txtPrecioVenta")->hasFocus());
    QTest::keyClicks(control("txtPrecioVenta"), "5,50");
    QTest::keyClicks(control("txtCantEntradas"), "100");
    EXPECT_EQ(texto("txtPrecioBasico"), "5");
    EXPECT_EQ(texto("txtImpuestoDeterminado"), "50");
    pulsar("cmdAceptar");
    cargar(QStringLiteral("10"), QStringLiteral("3"));
    EXPECT_EQ(cajas(), (QStringList{"10", "3", "9,0909", "2,73", "52,73", "72,73"}));
    EXPECT_EQ(lineas(), (QStringList{"5|1|11|20", "5|3|5.5|100", "5|3|10|3", "6|3|2|1000"}));
    EXPECT_TRUE(mensajes.mensajes.isEmpty()) << mensajes.mensajes.join('|').toStdString();

    // A price already entered is refused; back in the list on the line stored at that price.
    cargar(QStringLiteral("5,5"), QStringLiteral("7"));
    EXPECT_EQ(mensajes.mensajes, QStringList{"Información: El registro que está intentando Cargar ya Existe"});
    EXPECT_EQ(estado(), "NMEE--S");
    EXPECT_EQ(cajas(), (QStringList{"5,5", "100", "5", "50", "52,73", "72,73"}));

    // Modificar changes the tickets only: the price names the line.
    pulsar("CmdModificar");
    EXPECT_TRUE(control<QLineEdit>("txtPrecioVenta")->isReadOnly());
    EXPECT_TRUE(control("txtCantEntradas")->hasFocus());
    escribir("txtCantEntradas", QStringLiteral("200"));
    pulsar("cmdAceptar");
    EXPECT_EQ(lineas(), (QStringList{"5|1|11|20", "5|3|5.5|200", "5|3|10|3", "6|3|2|1000"}));
    EXPECT_EQ(cajas(), (QStringList{"5,5", "200", "5", "100", "102,73", "122,73"}));
    EXPECT_FALSE(control<QLineEdit>("txtPrecioVenta")->isReadOnly());
}

TEST_F(PantallaImpuesto, LosDatosQueNoSirvenDejanLaPantallaEnEdicion)
{
    abrir();
    const struct {
        const char *precio, *entradas;
        QString mensaje;
    } casos[] = {
        {"", "5", "El Precio de Venta debe ser mayor a cero."},
        {"0", "0", "El Precio de Venta debe ser mayor a cero."},
        {"4", "", "La cantidad de Entradas vendidas debe ser mayor a cero."},
        {"4,125", "", "El Precio de Venta debe ser un número con hasta dos decimales."},
    };
    pulsar("CmdNuevo");
    for (const auto& caso : casos) {
        mensajes.mensajes.clear();
        escribir("txtPrecioVenta", caso.precio);
        escribir("txtCantEntradas", caso.entradas);
        pulsar("cmdAceptar");
        EXPECT_EQ(mensajes.mensajes, QStringList{"Atención: " + caso.mensaje}) << caso.precio;
        EXPECT_EQ(estado(), "----AC-");
        EXPECT_EQ(texto("txtPrecioVenta"), caso.precio);
    }
    EXPECT_TRUE(lineas().isEmpty());
    pulsar("CmdCancelar");
    EXPECT_EQ(estado(), "N-----S");
    EXPECT_EQ(cajas(), (QStringList{"", "", "", "", "0", "0"}));
}

TEST_F(PantallaImpuesto, EliminarBorraLaLineaElegidaYEliminarTodosLasDeLaSemana)
{
    linea(5, 3, 5.5, 100);
    linea(5, 3, 10, 3);
    linea(5, 2, 5.5, 40);
    linea(8, 3, 5.5, 1);
    abrir();
    EXPECT_EQ(cajas(), (QStringList{"10", "3", "9,0909", "2,73", "52,73", "72,73"}));

    mensajes.respuestas = {false};
    pulsar("CmdEliminarABM");
    EXPECT_EQ(lineas().size(), 4);
    pulsar("CmdEliminarABM");
    EXPECT_EQ(mensajes.mensajes, QStringList(2, "Advertencia: ¿Confirma la eliminación?"));
    EXPECT_EQ(lineas(), (QStringList{"5|2|5.5|40", "5|3|5.5|100", "8|3|5.5|1"}));
    EXPECT_EQ(cajas(), (QStringList{"5,5", "100", "5", "50", "50", "70"}));

    mensajes.mensajes.clear();
    pulsar("CmdEliminarTodos");
    EXPECT_EQ(mensajes.mensajes, QStringList{"Eliminación de todos: Confirma eliminación de todos los elementos?"});
    EXPECT_EQ(lineas(), (QStringList{"5|2|5.5|40", "8|3|5.5|1"}));
    EXPECT_EQ(cajas(), (QStringList{"", "", "", "", "0", "20"}));
    EXPECT_EQ(estado(), "N-----S");
}
