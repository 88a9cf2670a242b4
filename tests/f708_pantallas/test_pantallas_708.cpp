#include "f708/pantallas/frm708_impuesto_determinado.h"
#include "f708/pantallas/frm708_listado_salas.h"
#include "f708/pantallas/frm708_pago_cuenta.h"
#include "f708/pantallas/frm708_saldos.h"
#include "f708/pantallas/modelo_impuesto.h"
#include "generation/verificacion_archivo.h"
#include "pantallas/pantalla_de_prueba.h"
#include "support/archivos.h"
#include "support/pdf.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QLabel>
#include <QTemporaryDir>

using namespace veluma;
using veluma::test::alAparecerModal;

namespace {

// The screens of a Form 708 declaration (05/2004, original, at 10 %) of the session, each opened on its own or
// through the manager's tree.
class Pantallas708 : public veluma::test::PantallaDePrueba {
protected:
    void SetUp() override
    {
        PantallaDePrueba::SetUp();
        usarDeclaracion(200405, 0);
        test::crearDeclaracion708(sesion);
    }

    void abrirSalas() { mostrar(new frm708ListadoSalas(sesion, mensajes)); }

    // Of Nuevo, Modificar, Eliminar, Eliminar todos, Imprimir, Aceptar, Cancelar and Salir, those the screen has, as
    // botones() shows them; for the rooms, whether the list and the weeks can be reached.
    QString estado()
    {
        QString vistos;
        for (const char* nombre : {"CmdNuevo", "CmdModificar", "CmdEliminarABM", "CmdEliminarTodos", "cmdImprimir",
                                   "cmdAceptar", "CmdCancelar", "cmdSalir"})
            if (pantalla->findChild<QWidget*>(nombre))
                vistos += botones({nombre});
        if (auto* arbol = pantalla->findChild<QWidget*>("FrArbol"))
            vistos += QString(control("Grilla")->isEnabled() ? " L" : " -") + (arbol->isEnabled() ? 'A' : '-');
        return vistos;
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

    QStringList salas()
    {
        return test::filasDeConsulta(sesion.base, "SELECT COD_SALA, DENOMINACION_SALA, DOMICILIO_SALA, COD_INCAA FROM "
                                                  "[708Salas] WHERE PERIODO=200405 ORDER BY COD_SALA");
    }
    // The names (or addresses) in the rooms' grid, top to bottom, the chosen one marked.
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

    QStringList semanas() { return {texto("txtuno"), texto("txtdos"), texto("txttres"), texto("txtCuatro")}; }
    QStringList pagos()
    {
        return test::filasDeConsulta(sesion.base, "SELECT SEMANA1, SEMANA2, SEMANA3, SEMANA4 FROM [708PagoCuenta] "
                                                  "WHERE PERIODO=200405");
    }
    // Declared tax, payments and pending balance as shown; then whether the form and the file are offered.
    QStringList saldos()
    {
        return {texto("txtTotalImpuestoDeclarado"), texto("TxtPagoCuenta"), texto("txtSaldoPendienteIngreso"),
                control("cmdFormulario")->isEnabled() && control("cmdGenerar")->isEnabled() ? "habilitados" : "-"};
    }
};

const QStringList kVacio{"Salas=abierto", "Primero=vacio", "Segundo=vacio", "Tercero=vacio", "Cuarto=vacio"};

}  // namespace

TEST_F(Pantallas708, CadaLineaMuestraSuPrecioBasicoSuImpuestoYLosTotalesDeLaSalaHastaQueSeElimina)
{
    test::agregarLinea708(sesion, 5, 1, 11, 20);   // week 1 of the same room: 20 × 10 × 10 % = 20
    test::agregarLinea708(sesion, 6, 3, 2, 1000);  // another room: not in this room's totals
    mostrar(new frm708ImpuestoDeterminado(sesion, mensajes, 3, 5));  // week 3 of room 5
    EXPECT_EQ(pantalla->windowTitle() + '|' + estado(), "Impuesto Determinado 3º Periodo|N-----S");
    EXPECT_EQ(cajas().join(""), "");  // no lines: every box empty, the totals too

    // A price that cannot be read leaves the screen editing what was typed (each box's messages are checked where
    // the line is read); base price and tax show while the line is typed.
    pulsar("CmdNuevo");
    EXPECT_EQ(estado() + ' ' + foco(), "----AC- txtPrecioVenta");
    QTest::keyClicks(control("txtPrecioVenta"), "5,505");
    pulsar("cmdAceptar");
    EXPECT_EQ(avisos(), "Atención: El Precio de Venta debe ser un número con hasta dos decimales.");
    EXPECT_EQ(estado() + texto("txtPrecioVenta"), "----AC-5,505");
    QTest::keyClick(control("txtPrecioVenta"), Qt::Key_Backspace);
    QTest::keyClicks(control("txtCantEntradas"), "100");
    EXPECT_EQ(texto("txtPrecioBasico") + '|' + texto("txtImpuestoDeterminado"), "5|50");
    pulsar("cmdAceptar");
    cargar(QStringLiteral("10"), QStringLiteral("3"));
    EXPECT_EQ(cajas(), (QStringList{"10", "3", "9,0909", "2,73", "52,73", "72,73"}));
    EXPECT_EQ(lineas(), (QStringList{"5|1|11|20", "5|3|5.5|100", "5|3|10|3", "6|3|2|1000"}));

    // A price already entered is refused; back in the list on the line stored at that price.
    cargar(QStringLiteral("5,5"), QStringLiteral("7"));
    EXPECT_EQ(avisos() + ' ' + estado(), "Información: El registro que está intentando Cargar ya Existe NMEE--S");
    EXPECT_EQ(cajas(), (QStringList{"5,5", "100", "5", "50", "52,73", "72,73"}));

    // Modificar changes the tickets only: the price names the line.
    pulsar("CmdModificar");
    EXPECT_TRUE(control<QLineEdit>("txtPrecioVenta")->isReadOnly());
    EXPECT_EQ(foco(), "txtCantEntradas");
    escribir("txtCantEntradas", QStringLiteral("200"));
    pulsar("cmdAceptar");
    EXPECT_EQ(lineas(), (QStringList{"5|1|11|20", "5|3|5.5|200", "5|3|10|3", "6|3|2|1000"}));
    EXPECT_EQ(cajas(), (QStringList{"5,5", "200", "5", "100", "102,73", "122,73"}));
    EXPECT_FALSE(control<QLineEdit>("txtPrecioVenta")->isReadOnly());

    // Eliminar takes the chosen line once confirmed; Eliminar todos, the week's lines of this room only.
    mensajes.respuestas = {false};
    pulsar("CmdEliminarABM");
    pulsar("CmdEliminarABM");
    EXPECT_EQ(avisos(), "Advertencia: ¿Confirma la eliminación?|Advertencia: ¿Confirma la eliminación?");
    EXPECT_EQ(lineas(), (QStringList{"5|1|11|20", "5|3|10|3", "6|3|2|1000"}));
    EXPECT_EQ(cajas(), (QStringList{"10", "3", "9,0909", "2,73", "2,73", "22,73"}));
    pulsar("CmdEliminarTodos");
    EXPECT_EQ(avisos(), "Eliminación de todos: Confirma eliminación de todos los elementos?");
    EXPECT_EQ(lineas(), (QStringList{"5|1|11|20", "6|3|2|1000"}));
    EXPECT_EQ(cajas().join("") + estado(), "N-----S");
}

TEST_F(Pantallas708, ValidacionAltaModificacionYCancelacion)
{
    abrirSalas();
    EXPECT_EQ(estado(), "N------S --");
    // The three checks in one box; the typed data stays and nothing is stored.
    pulsar("CmdNuevo");
    escribir("txtDenominacion", QStringLiteral("  "));
    escribir("txtCodINCAA", QStringLiteral("000"));
    pulsar("cmdAceptar");
    EXPECT_EQ(avisos(), "Información: El campo Denominación, no puede estar vacío\rEl campo Domicilio, no puede estar "
                        "vacío\rEl campo Código INCAA no puede estar vacío y no puede ser cero.");
    EXPECT_EQ(estado() + texto("txtCodINCAA"), "-----AC- --000");
    EXPECT_TRUE(salas().isEmpty());

    escribir("txtDenominacion", QStringLiteral("Atlas"));
    escribir("txtDomicilio", QStringLiteral("Lavalle 869"));
    escribir("txtCodINCAA", QStringLiteral("222"));
    pulsar("cmdAceptar");
    test::agregarSala708(sesion, "Cine Sol", "Av. Siempreviva 742", "123456");
    EXPECT_EQ(estado() + ' ' + arbol().join(','), "NMEEI--S LA " + kVacio.join(','));

    // Modifying changes only the chosen room, blanks trimmed, and keeps its code; Cancelar throws away what was typed.
    pulsar("CmdModificar");
    escribir("txtDenominacion", QStringLiteral("Zafiro"));
    escribir("txtDomicilio", QStringLiteral("Corrientes 1530 "));
    pulsar("cmdAceptar");
    EXPECT_EQ(salas(), (QStringList{"1|Zafiro|Corrientes 1530|222", "2|Cine Sol|Av. Siempreviva 742|123456"}));
    EXPECT_EQ(grilla(), (QStringList{"Zafiro*", "Cine Sol"}));  // from Z to A, the room just saved chosen
    pulsar("CmdModificar");
    escribir("txtDenominacion", QStringLiteral("Otro"));
    pulsar("CmdCancelar");
    EXPECT_EQ(texto("txtDenominacion") + QString::number(salas().size()) + avisos(), "Zafiro2");
}

TEST_F(Pantallas708, EliminarUnaSalaBorraSusEntradasYEliminarTodasLasDeLaDeclaracion)
{
    test::agregarSala708(sesion, "Atlas", "Lavalle 869", "111");
    test::agregarSala708(sesion, "Zafiro", "Corrientes 1530", "222");
    test::agregarLinea708(sesion, 1, 1, 5.5, 100);
    test::agregarLinea708(sesion, 1, 4, 8, 10);
    test::agregarLinea708(sesion, 2, 1, 5.5, 7);
    usarDeclaracion(200404, 0);  // another declaration's room 3 and its tickets
    test::agregarLinea708(sesion, test::agregarSala708(sesion, "Otro mes", "Florida 1", "333"), 1, 5.5, 9);
    usarDeclaracion(200405, 0, 708, "10");
    ASSERT_EQ(test::pagos708(sesion, 1, 2, 3, 4).Agregar(sesion.base), QString());
    abrirSalas();

    mensajes.respuestas = {false};
    pulsar("CmdEliminarABM");
    EXPECT_EQ(grilla(), (QStringList{"Zafiro*", "Atlas"}));
    control<QTableView>("Grilla")->setCurrentIndex(control<QTableView>("Grilla")->model()->index(1, 0));
    EXPECT_EQ(texto("txtCodINCAA"), "111");
    pulsar("CmdEliminarABM");
    const QString confirmar = tituloPrograma() + ": ¿ Confirma la eliminación de la sala seleccionada?";
    EXPECT_EQ(avisos(), confirmar + '|' + confirmar);
    EXPECT_EQ(grilla().join(',') + ' ' + lineas().join(','), "Zafiro* 2|1|5.5|7");

    pulsar("CmdEliminarTodos");
    EXPECT_EQ(avisos(), "Eliminación de todos: ¿ Confirma eliminación de todas las salas ingresadas?");
    EXPECT_TRUE(grilla().isEmpty());
    // The declaration and its payments stay, and so do another declaration's rooms and tickets.
    EXPECT_EQ(test::filasDeConsulta(sesion.base, "SELECT COD_SALA FROM [708Salas] UNION ALL SELECT COD_SALA FROM "
                                                 "[708ImpuestoDeterminado] UNION ALL SELECT SEMANA4 FROM "
                                                 "[708PagoCuenta] UNION ALL SELECT CAMPO1 FROM DDJJ"),
              (QStringList{"3", "3", "4", "10"}));
    EXPECT_EQ(texto("txtDenominacion") + arbol().join(',') + estado(), "N------S --");
}

TEST_F(Pantallas708, ElTituloDeUnaColumnaInvierteElOrdenYLaListaDeEntradasMuestraLosImportesComoSeEscriben)
{
    test::agregarSala708(sesion, "beta", "Bolívar 2", "1");
    test::agregarSala708(sesion, "Álamo", "Uruguay 3", "2");
    test::agregarSala708(sesion, "Zeta", "Alsina 1", "3");
    abrirSalas();
    QAbstractItemModelTester probador(control<QTableView>("Grilla")->model(),
                                      QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(grilla(), (QStringList{"Zeta*", "beta", "Álamo"}));
    auto* titulos = control<QTableView>("Grilla")->horizontalHeader();
    emit titulos->sectionClicked(0);
    EXPECT_EQ(grilla().join(',') + ' ' + texto("txtDenominacion"), "Álamo*,beta,Zeta Álamo");
    emit titulos->sectionClicked(1);  // each click turns the order round, whatever the column
    EXPECT_EQ(grilla(1), (QStringList{"Uruguay 3*", "Bolívar 2", "Alsina 1"}));
    emit titulos->sectionClicked(1);
    EXPECT_EQ(grilla(1), (QStringList{"Alsina 1*", "Bolívar 2", "Uruguay 3"}));

    // The tickets list, with the same tester.
    ModeloImpuesto entradas;
    QAbstractItemModelTester probadorEntradas(&entradas, QAbstractItemModelTester::FailureReportingMode::Fatal);
    entradas.cambiarFilas({LineaImpuesto{1, 2, 1250.5, 12345}, LineaImpuesto{1, 2, 0.5, 3}});
    EXPECT_EQ(entradas.index(0, 0).data().toString() + '|' + entradas.index(0, 1).data().toString() + '|'
                  + entradas.index(1, 0).data().toString(),
              "1250,50|12.345|,50");
    EXPECT_EQ(QList<int>({entradas.buscar(0.5), entradas.buscar(0.51)}), QList<int>({1, -1}));
}

TEST_F(Pantallas708, ElArbolDeSemanasYLaListaSeAlcanzanConElTecladoYMuestranSiHayEntradas)
{
    test::agregarLinea708(sesion, test::agregarSala708(sesion, "Atlas", "Lavalle 869", "111"), 2, 5.5, 100);
    abrirSalas();
    EXPECT_EQ(arbol().join(','), "Salas=abierto,Primero=vacio,Segundo=lleno,Tercero=vacio,Cuarto=vacio");
    // The root opens nothing.
    emit control<QTreeWidget>("arbol")->itemDoubleClicked(control<QTreeWidget>("arbol")->topLevelItem(0), 0);

    // A takes to the weeks and L to the list; Esc while editing cancels, and the screen stays.
    QTest::keyClick(pantalla, Qt::Key_A);
    QString focos = foco();
    QTest::keyClick(control("arbol"), Qt::Key_L);
    focos += ' ' + foco();
    QTest::keyClick(control("Grilla"), Qt::Key_M, Qt::ControlModifier);
    QTest::keyClicks(control("txtDenominacion"), "la");  // letters typed while editing stay in the box
    EXPECT_EQ(focos + ' ' + foco() + ' ' + estado() + texto("txtDenominacion"),
              "arbol Grilla txtDenominacion -----AC- --Atlasla");
    QTest::keyClick(control("txtDenominacion"), Qt::Key_Escape);
    EXPECT_TRUE(pantalla->isVisible());
    EXPECT_EQ(estado() + texto("txtDenominacion"), "NMEEI--S LAAtlas");

    // Enter on a week opens it; its last line deleted, the week is empty again.
    alAparecerModal([&](QWidget* entradas) {
        test::pulsar(entradas, "CmdEliminarABM");
        test::pulsar(entradas, "cmdSalir");
    });
    auto* arbolSemanas = control<QTreeWidget>("arbol");
    arbolSemanas->setFocus();
    arbolSemanas->setCurrentItem(arbolSemanas->topLevelItem(0)->child(1));  // the second week
    QTest::keyClick(arbolSemanas, Qt::Key_Return);
    EXPECT_EQ(lineas().join(',') + arbol().join(',') + (pantalla->focusWidget() == arbolSemanas ? " arbol" : " -"),
              kVacio.join(',') + " arbol");
    EXPECT_EQ(avisos(), "Advertencia: ¿Confirma la eliminación?");
}

TEST_F(Pantallas708, LosPagosSeGuardanEnUnaSolaFilaYElSaldoLosDescuentaDelImpuestoALaAlicuotaGuardada)
{
    mostrar(new frm708PagoCuenta(sesion, mensajes));
    EXPECT_FALSE(control("frDatos")->isEnabled());
    const int ancho = pantalla->width();

    pulsar("CmdNuevo");
    EXPECT_EQ(foco(), "txtuno");
    escribir("txtdos", QStringLiteral("  "));
    pulsar("cmdAceptar");
    EXPECT_EQ(avisos() + '|' + estado() + pagos().join(','), "Atención: Los campos no pueden estar todos vacíos|---AC-")
        << "nothing stored";
    escribir("txttres", QStringLiteral("25,5"));
    pulsar("cmdAceptar");
    EXPECT_EQ(pagos().join(',') + ' ' + estado(), "0|0|25.5|0 NME--S");
    QCoreApplication::processEvents();
    EXPECT_EQ(pantalla->width(), ancho);  // the buttons that appeared fit in the strip as it was

    // Reopened, only the third week shows; saving again replaces the row.
    mostrar(new frm708PagoCuenta(sesion, mensajes));
    EXPECT_EQ(semanas(), (QStringList{"", "", "25,5", ""}));
    pulsar("CmdModificar");
    escribir("txtuno", QStringLiteral("1.000,1234"));
    pulsar("cmdAceptar");
    EXPECT_EQ(pagos(), QStringList{"1000.1234|0|25.5|0"});
    // Each amount's messages are checked where the payments are read.

    pulsar("CmdEliminarTodos");
    EXPECT_EQ(avisos(), tituloPrograma() + ": Confirma eliminación de todos los Pagos?");
    EXPECT_EQ(pagos().join(',') + semanas().join("") + estado(), "N----S");

    // The balance. No tickets: nothing declared, nothing to print or generate.
    mostrar(new frm708Saldos(sesion, mensajes));
    EXPECT_EQ(saldos(), (QStringList{"0", "0", "0", "-"}));
    // Payments above the tax leave nothing pending.
    test::agregarLinea708(sesion, 1, 2, 5.5, 100);
    ASSERT_EQ(test::pagos708(sesion, 30, 40, 0, 0).Agregar(sesion.base), QString());
    mostrar(new frm708Saldos(sesion, mensajes));
    EXPECT_EQ(saldos(), (QStringList{"50", "70", "0", "habilitados"}));
    sesion.base.execute(QStringLiteral("UPDATE DDJJ SET CAMPO1 = '21'"));
    mostrar(new frm708Saldos(sesion, mensajes));
    EXPECT_EQ(saldos(), (QStringList{"95,46", "70", "25,46", "habilitados"}));
    EXPECT_TRUE(mensajes.mensajes.isEmpty()) << mensajes.mensajes.join('|').toStdString();
}

// Both room nodes of the manager open the rooms' list over the chosen declaration, at its rate; the determined-tax
// node with the focus on the weeks. The balance node is opened by the typical request below.
TEST_F(Pantallas708, LasSalasSeAbrenDesdeElArbolSobreLaDeclaracionElegidaASuAlicuota)
{
    abrir(708);
    crear("06", "2004", 0, "21");
    test::agregarLinea708(sesion, test::agregarSala708(sesion, "Atlas", "Lavalle 869", "111"), 1, 5.5, 100);
    QStringList vistas;
    for (const char* clave : {"frm708ListadoSalas", "frm708ImpuestoDeterminado"})
        abrirSeccion(QString::fromLatin1(clave), [&](QWidget* salas) {
            const bool enSemanas = salas->focusWidget() && salas->focusWidget()->objectName() == "arbol";
            vistas += salas->objectName() + ' ' + test::hijo<QLabel>(*salas, "lblAlicuota")->text()
                      + (enSemanas ? " arbol" : "");
            test::pulsar(salas, "cmdSalir");
        });
    EXPECT_EQ(vistas.join(','), "frm708ListadoSalas Alícuota: 21,00 %,frm708ListadoSalas Alícuota: 21,00 % arbol");
    EXPECT_TRUE(mensajes.mensajes.isEmpty()) << mensajes.mensajes.join('|').toStdString();
}

// The rooms' list is checked on its screen, with the same tester.
TEST_F(Pantallas708, SolicitudTipicaDeLaDeclaracionNuevaAlArchivoEnCd)
{
    reloj = QDateTime(QDate(2004, 4, 10), QTime(9, 47, 15));
    QTemporaryDir carpetaCD, salida;
    // Rooms, tickets and payments as their screens store them (typed there in the tests above).
    usarDeclaracion(200403, 0);
    test::declaracionDeReferencia708(sesion);
    abrir(708);
    auto* lista = control<QTableView>("GridDDJJ");
    lista->setCurrentIndex(lista->model()->index(1, 0));
    ASSERT_EQ(filasDeLaLista().join(',') + ' ' + QString::number(sesion.declaracion.periodo),
              "05/2004 0,03/2004 0 200403");

    const QString pdf = salida.filePath(QStringLiteral("f708.pdf"));
    QStringList saldos;
    abrirSeccion(QStringLiteral("frm708Saldos"), [&](QWidget* saldo) {
        for (const char* caja : {"txtTotalImpuestoDeclarado", "TxtPagoCuenta", "txtSaldoPendienteIngreso"})
            saldos += test::texto(saldo, caja);
        imprimirYGenerarEnCd(saldo, pdf, carpetaCD.path());
    });
    EXPECT_EQ(saldos, (QStringList{"288,18", "15,5", "272,68"}));
    EXPECT_EQ(mensajes.mensajes.count(QStringLiteral("Información: El proceso finalizó correctamente.")), 1)
        << mensajes.mensajes.join('|').toStdString();

    // The form carries the figures and the verification number of the file.
    ASSERT_TRUE(QFileInfo(pdf).size() > 0);
    const QString textoPdf = test::textoDelPdf(pdf).value_or(QString());
    for (const char* esperado : {"30-70451826-5", "03/2004", "288,18", "15,50", "272,68", "715773"})
        EXPECT_TRUE(textoPdf.contains(QString::fromUtf8(esperado))) << esperado;

    // The file decodes to exactly the records of the layouts (its header and the verifier's word on a CD file are
    // checked with the generation screen).
    const QString cd = carpetaCD.filePath(QStringLiteral("715773F07083070451826520040300.dat"));
    EXPECT_EQ(VerificarPresentacion({cd}).registros.join('\n') + "\r\n",
              QString::fromLatin1(test::leerArchivo(QStringLiteral(VELUMA_DATOS_PRUEBA "/F0708_esperado.dat"))));
}
