#include "core/error.h"
#include "declarations/pantallas/formularios.h"
#include "declarations/pantallas/registro_secciones.h"
#include "f708/pantallas/modelo_impuesto.h"
#include "f708/pantallas/modelo_salas.h"
#include "f708/pantallas/registro_708.h"
#include "pantallas/pantalla_ddjj.h"
#include "shell/modal.h"

#include <QAbstractItemModelTester>
#include <QLabel>
#include <QToolButton>
#include <QTreeWidget>

using namespace veluma;
using veluma::test::alAparecerModal;

namespace {

class Administrador708 : public veluma::test::PantallaDDJJ {
protected:
    // What the screen a node opens shows: its name, its title, whether the week tree has the focus.
    QString abrirNodo(const QString& clave)
    {
        QTreeWidgetItem* nodo = nullptr;
        auto* arbol = control<QTreeWidget>("TreDDJJ");
        for (QTreeWidgetItem* item : arbol->findItems(QStringLiteral("*"), Qt::MatchWildcard | Qt::MatchRecursive))
            if (item->data(0, Qt::UserRole).toString() == clave)
                nodo = item;
        EXPECT_NE(nodo, nullptr) << clave.toStdString();
        QString vista = QStringLiteral("no se abrió");
        alAparecerModal([&](QWidget* seccion) {
            const QWidget* foco = seccion->focusWidget();
            vista = seccion->objectName() + '|' + seccion->windowTitle() + '|'
                    + (foco && foco->objectName() == "arbol" ? "arbol" : "-");
            if (auto* alicuota = seccion->findChild<QLabel*>("lblAlicuota"))
                vista += '|' + alicuota->text();
            if (auto* saldo = seccion->findChild<QLineEdit*>("txtTotalImpuestoDeclarado"))
                vista += '|' + saldo->text();
            seccion->findChild<QToolButton*>("cmdSalir")->click();
        });
        emit arbol->itemDoubleClicked(nodo, 0);
        return vista;
    }
};

}  // namespace

TEST_F(Administrador708, ElAdministradorAbreCadaSeccionDelFormulario708)
{
    registrarPantallas708();
    abrir(708, QStringLiteral("Entradas Cinematográficas"));
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
    // The balance is computed at the rate in the manager's field.
    EXPECT_EQ(abrirNodo("frm708Saldos"), "frm708Saldos|Saldo a Pagar|-|95,46");
    EXPECT_TRUE(mensajes.mensajes.isEmpty()) << mensajes.mensajes.join('|').toStdString();
    for (const char* clave : {"frm708ListadoSalas", "frm708ImpuestoDeterminado", "frm708PagoCuenta", "frm708Saldos"})
        registrarSeccion(QString::fromLatin1(clave), {});
}

TEST(Formularios708, ElCambioEntreConsultaYEdicionMuestraLosBotonesDeCadaEstado)
{
    QWidget pantalla;
    QStringList nombres{"CMDNUEVO",   "cmdModificar", "CmdEliminarABM", "cmdEliminarTodos", "cmdImprimir",
                        "cmdAceptar", "CmdCancelar",  "cmdSalir",       "cmdGenerar"};
    for (const QString& nombre : nombres)
        crearBoton(&pantalla, nombre, nombre);
    QWidget datos(&pantalla);
    QWidget lista(&pantalla);
    QWidget arbol(&pantalla);
    auto visibles = [&] {
        QString vistos;
        for (const QString& nombre : nombres)
            vistos += pantalla.findChild<QWidget*>(nombre)->isVisibleTo(&pantalla) ? nombre.at(3) : QChar(u'-');
        return vistos + ' ' + (datos.isEnabled() ? 'D' : '-') + (lista.isEnabled() ? 'L' : '-')
               + (arbol.isEnabled() ? 'A' : '-');
    };
    pantalla.findChild<QWidget*>("cmdGenerar")->hide();

    HabilitarEdicionABM(pantalla, false, false, &datos, {&lista, &arbol});
    EXPECT_EQ(visibles(), "N------S- ---");
    HabilitarEdicionABM(pantalla, false, true, &datos, {&lista, &arbol});
    EXPECT_EQ(visibles(), "NMEEI--S- -LA");
    HabilitarEdicionABM(pantalla, true, true, &datos, {&lista, &arbol});
    EXPECT_EQ(visibles(), "-----AC-- D--");
    // A button of no known role is the screen's own.
    pantalla.findChild<QWidget*>("cmdGenerar")->show();
    HabilitarEdicionABM(pantalla, false, true, nullptr, {});
    EXPECT_EQ(visibles(), "NMEEI--SG D--");
}

TEST(Formularios708, UnErrorDeLaBaseSeMuestraComoMensajeDeError)
{
    veluma::test::MensajesGrabados mensajes;
    EXPECT_TRUE(conAvisoDeErrores(mensajes, [] {}));
    EXPECT_FALSE(conAvisoDeErrores(mensajes, [] { throw Error(53, QStringLiteral("No se encontró el archivo")); }));
    EXPECT_EQ(mensajes.mensajes,
              QStringList{tituloPrograma() + ": " + textoMensajeError("No se encontró el archivo", 53)});
}

TEST(Modelos708, LasListasDeSalasYDeEntradasSonModelosCorrectos)
{
    ModeloSalas salas;
    QAbstractItemModelTester probadorSalas(&salas, QAbstractItemModelTester::FailureReportingMode::Fatal);
    salas.cambiarFilas({Sala{4, "Atlas", "Lavalle 869", "111"}, Sala{9, "Zafiro", "Corrientes 1530", "222"}});
    EXPECT_EQ(salas.rowCount(), 2);
    EXPECT_EQ(salas.columnCount(), 2);
    EXPECT_EQ(salas.index(1, 0).data().toString(), "Zafiro");
    EXPECT_EQ(salas.index(1, 1).data().toString(), "Corrientes 1530");
    EXPECT_EQ(salas.headerData(0, Qt::Horizontal).toString(), "Razón Social ");
    EXPECT_EQ(salas.headerData(1, Qt::Horizontal).toString(), "Domicilio");
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
    EXPECT_EQ(entradas.headerData(0, Qt::Horizontal).toString(), "Precio Venta ");
    EXPECT_EQ(entradas.headerData(1, Qt::Horizontal).toString(), "Entradas   ");
    EXPECT_EQ(entradas.buscar(0.5), 1);
    EXPECT_EQ(entradas.buscar(0.51), -1);
}
