#include "declarations/pantallas/modelo_ddjj.h"
#include "declarations/pantallas/registro_secciones.h"
#include "pantalla_ddjj.h"

#include <QAbstractItemModelTester>
#include <QLabel>
#include <QRadioButton>

using namespace veluma;

namespace {

class AdministradorDDJJ : public veluma::test::PantallaDDJJ {
protected:
    // Nuevo, Modificar, Eliminar, Copiar, Aceptar, Cancelar, Salir: which are shown.
    QString botonesVisibles()
    {
        QString vistos;
        for (const char* nombre :
             {"cmdNuevo", "cmdModificar", "cmdEliminar", "cmdCopiar", "cmdAceptar", "cmdCancelar", "cmdSalir"})
            vistos += visible(nombre) ? QChar(QLatin1Char(nombre[3])) : QLatin1Char('-');
        return vistos;
    }

    void sala()
    {
        sesion.base
            .prepare(QStringLiteral("INSERT INTO [708Salas](CUIT, PERIODO, SECUENCIA, COD_SALA, DENOMINACION_SALA, "
                                    "DOMICILIO_SALA, COD_INCAA) VALUES (?, 200405, 0, 1, 'Sala 1', 'Calle 1', '1')"))
            .bindAll(sesion.cuit)
            .run();
    }

    void elegir(int periodo, int secuencia, const QString& campo1)
    {
        auto* lista = control<QTableView>("GridDDJJ");
        const int fila = static_cast<ModeloDDJJ*>(lista->model())->buscar(periodo, secuencia, campo1);
        lista->setCurrentIndex(lista->model()->index(fila, 0));
    }
};

const QString kHora = QStringLiteral("2026-12-06 10:30:00");

}  // namespace

TEST_F(AdministradorDDJJ, Formulario708CreaModificaYEliminaConLosBotonesDeCadaEstado)
{
    abrir(708);
    EXPECT_EQ(pantalla->windowTitle(), "Formulario 708 Entradas Cinematográficas");
    EXPECT_FALSE(menu.isEnabled());
    EXPECT_EQ(control<QLabel>("lblCampo1")->text(), "Alícuota:");
    EXPECT_FALSE(visible("fraServicio"));
    EXPECT_EQ(botonesVisibles(), "N-----S");

    pulsar("cmdNuevo");
    EXPECT_EQ(botonesVisibles(), "----AC-");
    EXPECT_EQ(control<QLineEdit>("txtCampo1")->text(), "10");
    EXPECT_EQ(control<QComboBox>("cboSecuencia")->currentText(), "Original");
    EXPECT_FALSE(control("TreDDJJ")->isEnabled());
    EXPECT_TRUE(control("txtMesFiscal")->hasFocus());
    escribir("txtMesFiscal", "5");
    escribir("txtAñoFiscal", "2004");
    pulsar("cmdAceptar");
    EXPECT_EQ(filasDDJJ(), QStringList{"200405/0/708/10/" + kHora});
    EXPECT_EQ(filasDeLaLista(), QStringList{"05/2004 0"});
    EXPECT_EQ(botonesVisibles(), "NME---S");
    EXPECT_TRUE(boton("cmdModificar")->isEnabled());
    EXPECT_EQ(sesion.declaracion.periodo, 200405);
    EXPECT_EQ(control<QLineEdit>("txtCampo1")->text(), "10,00");

    // A rate change replaces the row with a new time; the rooms stay, and the key carries the new rate.
    sala();
    reloj = reloj.addSecs(3600);
    pulsar("cmdModificar");
    EXPECT_FALSE(control("txtMesFiscal")->isEnabled());
    EXPECT_FALSE(control("cboSecuencia")->isEnabled());
    EXPECT_TRUE(control("txtCampo1")->hasFocus());
    escribir("txtCampo1", "21,5");
    pulsar("cmdAceptar");
    EXPECT_EQ(filasDDJJ(), QStringList{"200405/0/708/21.5/2026-12-06 11:30:00"});
    EXPECT_EQ(sesion.declaracion.campo1, "21.5");
    EXPECT_TRUE(imagenesDelArbol().contains("frm708ListadoSalas=lleno")) << imagenesDelArbol().join(',').toStdString();
    EXPECT_EQ(control<QLineEdit>("txtCampo1")->text(), "21,50");

    // A rate the field cannot hold: the message, and the row as it was.
    pulsar("cmdModificar");
    escribir("txtCampo1", "150");
    pulsar("cmdAceptar");
    EXPECT_EQ(mensajes.mensajes, QStringList{"Atención: La Alícuota debe ser un número entre 0 y 100, con hasta dos "
                                             "decimales"});
    EXPECT_EQ(botonesVisibles(), "----AC-");
    pulsar("cmdCancelar");
    EXPECT_EQ(control<QLineEdit>("txtCampo1")->text(), "21,50");
    EXPECT_EQ(filasDDJJ(), QStringList{"200405/0/708/21.5/2026-12-06 11:30:00"});

    // Deleting the only declaration takes its rooms and hides the buttons that need a row.
    mensajes.mensajes.clear();
    pulsar("cmdEliminar");
    EXPECT_EQ(mensajes.mensajes, QStringList{"Advertencia: ¿Desea eliminar la Declaración Jurada seleccionada?"});
    EXPECT_TRUE(filasDDJJ().isEmpty());
    Statement salas = sesion.base.prepare(QStringLiteral("SELECT COUNT(*) FROM [708Salas]"));
    salas.next();
    EXPECT_EQ(*salas.integer(0), 0);
    EXPECT_EQ(botonesVisibles(), "N-----S");
    EXPECT_TRUE(control<QLineEdit>("txtMesFiscal")->text().isEmpty());
}

TEST_F(AdministradorDDJJ, LosMensajesDeValidacionYDeDuplicadoDejanLaPantallaEnEdicion)
{
    abrir(708);
    crear("12", "1993", 0, "10");
    crear("", "", 0, "10");
    pulsar("cmdCancelar");
    crear("01", "1994", 0, "10");
    crear("01", "1994", 0, "12");
    EXPECT_EQ(mensajes.mensajes,
              (QStringList{"Atención: El Periodo Fiscal no puede ser inferior al 01/1994",
                           "Atención: Debe especificar el Año del Período Fiscal\r\rEl Periodo Fiscal no puede ser "
                           "inferior al 01/1994",
                           "Atención: La Declaración Jurada que intenta ingresar ya existe."}));
    EXPECT_EQ(botonesVisibles(), "----AC-");
    EXPECT_EQ(control<QLineEdit>("txtCampo1")->text(), "12");
    EXPECT_EQ(filasDDJJ(), QStringList{"199401/0/708/10/" + kHora});
}

TEST_F(AdministradorDDJJ, Formulario617GuardaUnaDeclaracionPorServicio)
{
    abrir(617);
    EXPECT_TRUE(visible("fraServicio"));
    EXPECT_FALSE(visible("fraCampo1"));
    EXPECT_EQ(control<QRadioButton>("optServicio_1")->text(), "Servicio de Radio");
    crear("05", "2004", 0, {}, 1);
    crear("05", "2004", 0, {}, 0);
    crear("06", "2004", 2, {}, 0);
    EXPECT_EQ(filasDDJJ(), (QStringList{"200405/0/617/307/" + kHora, "200405/0/617/306/" + kHora,
                                         "200406/2/617/306/" + kHora}));
    EXPECT_EQ(filasDeLaLista(), (QStringList{"06/2004 2", "05/2004 0", "05/2004 0"}));
    EXPECT_EQ(botonesVisibles(), "NMEC--S");
    EXPECT_FALSE(boton("cmdModificar")->isEnabled());

    // Choosing the Radio declaration makes its service part of the session's key.
    elegir(200405, 0, QStringLiteral("307"));
    EXPECT_EQ(sesion.declaracion.campo1, "307");
    EXPECT_TRUE(control<QRadioButton>("optServicio_1")->isChecked());

    // Deleting the Radio declaration leaves the TV one of the same period; Copiar says it is not here yet.
    pulsar("cmdEliminar");
    EXPECT_EQ(filasDDJJ(), (QStringList{"200405/0/617/306/" + kHora, "200406/2/617/306/" + kHora}));
    mensajes.mensajes.clear();
    pulsar("cmdCopiar");
    EXPECT_EQ(mensajes.mensajes, QStringList{"Información: " + textoPantallaNoDisponible()});
}

TEST_F(AdministradorDDJJ, Formulario618CodigoDelInstitutoEstadosDelArbolYSeccionesQueFaltan)
{
    abrir(618);
    EXPECT_EQ(control<QLabel>("lblCampo1")->text(), "Código del Instituto:");
    abrirSeccion(QStringLiteral("frm618Ingresos2"));
    EXPECT_EQ(mensajes.mensajes, QStringList{"Atención: No hay ninguna DDJJ seleccionada."});

    crear("05", "2004", 1, QStringLiteral(" 0123 "));
    crear("05", "2004", 1, QStringLiteral("O'Higgins"));
    EXPECT_EQ(filasDDJJ(), (QStringList{"200405/1/618/0123/" + kHora, "200405/1/618/O'Higgins/" + kHora}));
    EXPECT_EQ(sesion.declaracion.campo1, "O'Higgins");

    sesion.base
        .prepare(QStringLiteral("INSERT INTO [618Ingresos](CUIT, Periodo, Secuencia, CodInstituto, TipoIngreso, Dia) "
                                "VALUES (?, 200405, 1, 'O''Higgins', 0, 3)"))
        .bind(1, sesion.cuit)
        .run();
    sesion.base
        .prepare(QStringLiteral("INSERT INTO [618TotalPercepcionesEfectuadas](CUIT, Periodo, Secuencia, "
                                "CodInstituto) VALUES (?, 200405, 1, 'O''Higgins')"))
        .bind(1, sesion.cuit)
        .run();
    pulsar("cmdNuevo");
    pulsar("cmdCancelar");
    EXPECT_EQ(imagenesDelArbol(),
              (QStringList{"Detalle=abierto", "frm618Ingresos1=lleno", "frm618Ingresos2=vacio", "Resultado=abierto",
                           "frm618TotalPercepcionesEfectuadas=lleno", "frm618TotalADepositar=lleno"}));

    // A root opens nothing; a section this version has no screen for says so.
    mensajes.mensajes.clear();
    abrirSeccion(QStringLiteral("Detalle"));
    EXPECT_TRUE(mensajes.mensajes.isEmpty());
    auto* arbol = control<QTreeWidget>("TreDDJJ");
    arbol->setCurrentItem(test::nodoDeClave(*arbol, QStringLiteral("frm618Ingresos1")));
    QTest::keyClick(arbol, Qt::Key_Return);
    EXPECT_EQ(mensajes.mensajes, QStringList{"Información: " + textoPantallaNoDisponible()});
}

TEST_F(AdministradorDDJJ, ElTecladoLlevaDeUnCampoAlOtroYLosAtajosActuanComoLosBotones)
{
    abrir(708);
    QTest::keyClick(pantalla, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(botonesVisibles(), "----AC-");
    QTest::keyClicks(control("txtMesFiscal"), "07");  // two digits of month move on to the year
    EXPECT_TRUE(control("txtAñoFiscal")->hasFocus());
    QTest::keyClicks(control("txtAñoFiscal"), "2005");
    QTest::keyClick(control("txtAñoFiscal"), Qt::Key_Escape);
    EXPECT_EQ(botonesVisibles(), "N-----S");
    EXPECT_TRUE(filasDDJJ().isEmpty());

    crear("07", "2005", 0, "10");
    mensajes.respuesta = Respuesta::No;
    QTest::keyClick(control("GridDDJJ"), Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(filasDDJJ().size(), 1);
    QTest::keyClick(control("GridDDJJ"), Qt::Key_M, Qt::ControlModifier);
    EXPECT_EQ(botonesVisibles(), "----AC-");
    EXPECT_TRUE(control("txtCampo1")->hasFocus());
}

TEST_F(AdministradorDDJJ, UnBorradoQueFallaNoBorraNadaYLoDice)
{
    abrir(708);
    crear("05", "2004", 0, "10");
    sala();
    sesion.base.execute(QStringLiteral(
        "CREATE TEMP TRIGGER bloqueo BEFORE DELETE ON [708Salas] BEGIN SELECT RAISE(ABORT, 'sala bloqueada'); END"));
    mensajes.mensajes.clear();
    pulsar("cmdEliminar");
    EXPECT_EQ(mensajes.mensajes.value(1), "Veluma: Ha ocurrido el error 0 con la siguiente descripción : \r\n"
                                          "Un valor no cumple las reglas de la base de datos. (sala bloqueada)");
    EXPECT_EQ(filasDDJJ().size(), 1);
    EXPECT_EQ(filasDeLaLista(), QStringList{"05/2004 0"});
}

TEST_F(AdministradorDDJJ, SalirYCualquierOtroCierreDevuelvenElMenuDeFormularios)
{
    abrir(617);
    pulsar("cmdSalir");
    EXPECT_TRUE(menu.isEnabled());
    QTest::qWait(0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(pantalla.isNull());

    abrir(618);
    EXPECT_FALSE(menu.isEnabled());
    pantalla->close();
    EXPECT_TRUE(menu.isEnabled());
}

TEST(ModeloDDJJ, EsUnModeloCorrectoQueMuestraElPeriodoComoMesYAnio)
{
    ModeloDDJJ modelo;
    QAbstractItemModelTester probador(&modelo, QAbstractItemModelTester::FailureReportingMode::Fatal);
    modelo.cambiarFilas({FilaDDJJ{"121994", "x", 199412, 3, 708, "10", {}},
                         FilaDDJJ{"012005", "x", 200501, 0, 708, "10", {}}});
    EXPECT_EQ(modelo.index(0, 0).data().toString(), "12/1994");
    EXPECT_EQ(modelo.index(1, 0).data().toString(), "01/2005");
    EXPECT_EQ(modelo.index(0, 1).data().toInt(), 3);
    EXPECT_EQ(modelo.buscar(200501, 0, "10"), 1);
    EXPECT_EQ(modelo.buscar(200501, 0, "11"), -1);
}
