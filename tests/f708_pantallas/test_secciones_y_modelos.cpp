#include "f708/pantallas/modelo_impuesto.h"
#include "f708/pantallas/modelo_salas.h"
#include "pantallas/pantalla_ddjj.h"

#include <QAbstractItemModelTester>
#include <QLabel>

using namespace veluma;

namespace {

class Administrador708 : public veluma::test::PantallaDDJJ {
protected:
    // What the screen a node opens shows: its name, its title, whether the
    // week tree has the focus, the rate beside the weeks, the declared tax.
    QString abrirNodo(const QString& clave)
    {
        QString vista = QStringLiteral("no se abrió");
        abrirSeccion(clave, [&](QWidget* seccion) {
            const QWidget* foco = seccion->focusWidget();
            vista = seccion->objectName() + '|' + seccion->windowTitle() + '|'
                    + (foco && foco->objectName() == "arbol" ? "arbol" : "-");
            if (auto* alicuota = seccion->findChild<QLabel*>("lblAlicuota"))
                vista += '|' + alicuota->text();
            if (auto* saldo = seccion->findChild<QLineEdit*>("txtTotalImpuestoDeclarado"))
                vista += '|' + saldo->text();
            test::pulsar(seccion, "cmdSalir");
        });
        return vista;
    }
};

}  // namespace

TEST_F(Administrador708, CadaSeccionSeAbreSobreLaDeclaracionElegidaASuAlicuota)
{
    abrir(708);
    crear("05", "2004", 0, "21");
    sesion.base
        .prepare(QStringLiteral("INSERT INTO [708Salas](CUIT, PERIODO, SECUENCIA, COD_SALA, DENOMINACION_SALA, "
                                "DOMICILIO_SALA, COD_INCAA) VALUES (?, 200405, 0, 1, 'Atlas', 'Lavalle 869', '111')"))
        .bind(1, sesion.cuit)
        .run();
    sesion.base
        .prepare(QStringLiteral("INSERT INTO [708ImpuestoDeterminado](CUIT, PERIODO, SECUENCIA, COD_SALA, NRO_SEMANA, "
                                "PRECIO_VENTA, CANT_ENTRADAS_POR_PRECIO_VENTA) VALUES (?, 200405, 0, 1, 1, 5.5, 100)"))
        .bind(1, sesion.cuit)
        .run();
    mensajes.mensajes.clear();

    EXPECT_EQ(abrirNodo("frm708ListadoSalas"), "frm708ListadoSalas|Salas|-|Alícuota: 21,00 %");
    EXPECT_EQ(abrirNodo("frm708ImpuestoDeterminado"), "frm708ListadoSalas|Salas|arbol|Alícuota: 21,00 %");
    EXPECT_EQ(abrirNodo("frm708PagoCuenta"), "frm708PagoCuenta|Pagos a Cuenta|-");
    EXPECT_EQ(abrirNodo("frm708Saldos"), "frm708Saldos|Saldo a Pagar|-|95,46");
    EXPECT_TRUE(mensajes.mensajes.isEmpty()) << mensajes.mensajes.join('|').toStdString();
    EXPECT_TRUE(imagenesDelArbol().contains("frm708Saldos=lleno"));
}

TEST(Modelos708, LasListasDeSalasYDeEntradasSonModelosCorrectos)
{
    ModeloSalas salas;
    QAbstractItemModelTester probadorSalas(&salas, QAbstractItemModelTester::FailureReportingMode::Fatal);
    salas.cambiarFilas({Sala{4, "Atlas", "Lavalle 869", "111"}, Sala{9, "Zafiro", "Corrientes 1530", "222"}});
    EXPECT_EQ(salas.index(1, 0).data().toString(), "Zafiro");
    EXPECT_EQ(salas.index(1, 1).data().toString(), "Corrientes 1530");
    EXPECT_EQ(salas.buscar(9), 1);
    EXPECT_EQ(salas.buscar(5), -1);
    salas.cambiarFilas({});
    EXPECT_EQ(salas.rowCount(), 0);

    ModeloImpuesto entradas;
    QAbstractItemModelTester probadorEntradas(&entradas, QAbstractItemModelTester::FailureReportingMode::Fatal);
    entradas.cambiarFilas({LineaImpuesto{1, 2, 1250.5, 12345}, LineaImpuesto{1, 2, 0.5, 3}});
    EXPECT_EQ(entradas.index(0, 0).data().toString(), "1250,50");
    EXPECT_EQ(entradas.index(0, 1).data().toString(), "12.345");
    EXPECT_EQ(entradas.index(1, 0).data().toString(), ",50");
    EXPECT_EQ(entradas.index(1, 0).data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignRight | Qt::AlignVCenter));
    EXPECT_EQ(entradas.buscar(0.5), 1);
    EXPECT_EQ(entradas.buscar(0.51), -1);
}
