#include "f618/pantallas/frm618_ingresos.h"
#include "f618/pantallas/frm618_total_percepciones.h"
#include "f618/pantallas/modelo_ingresos.h"
#include "generation/verificacion_archivo.h"
#include "pantallas/pantalla_de_prueba.h"
#include "support/archivos.h"
#include "support/declaracion_618.h"
#include "support/pdf.h"

#include <QAbstractItemModelTester>
#include <QTemporaryDir>

using namespace veluma;
using veluma::test::alAparecerModal;

namespace {

// The screens of a Form 618 declaration of the session, on their own or through the manager's tree.
class Pantallas618 : public veluma::test::PantallaDePrueba {
protected:
    void cargarDia(QWidget* ingresos, const QString& dia, const QString& neto, const QString& total)
    {
        QTest::keyClick(ingresos, Qt::Key_N, Qt::ControlModifier);
        test::escribir(ingresos, "txtDia", dia);
        test::escribir(ingresos, "txtNetoCobrado", neto);
        test::escribir(ingresos, "txtTotalCobrado", total);
        test::pulsar(ingresos, "cmdAceptar");
    }
    // "TipoIngreso|Dia|NetoCobrado|TotalCobrado" of every stored day.
    QStringList dias()
    {
        return test::filasDeConsulta(sesion.base, "SELECT TipoIngreso, Dia, NetoCobrado, TotalCobrado FROM "
                                                  "[618Ingresos] ORDER BY TipoIngreso, Dia");
    }
};

}  // namespace

TEST_F(Pantallas618, LosDiasSeCarganYSeBorranLasPercepcionesSoloSeEscribenConIngresosYLaListaEsUnModeloCorrecto)
{
    test::crearDeclaracion618(sesion, 200402, QStringLiteral("I"));
    test::guardarPercepciones618(sesion, 0, 3, 0, 10);
    auto& ingresos = mostrar(new frm618Ingresos(sesion, mensajes, 1));
    const auto estado = [&] {
        return botones({"CmdNuevo", "CmdModificar", "CmdEliminarABM", "cmdAceptar", "CmdCancelar", "cmdSalir"});
    };
    EXPECT_EQ(ingresos.windowTitle() + '|' + estado(), "Ingresos por Alquiler|N----S");

    cargarDia(&ingresos, "30", "100", "121");
    EXPECT_EQ(avisos() + '|' + foco() + '|' + estado(),
              "Información: El día ingresado no corresponde al mes del periodo declarado.|txtDia|---AC-");
    test::escribir(&ingresos, "txtDia", "29");
    pulsar("cmdAceptar");
    EXPECT_EQ(estado() + ' ' + texto("txtTotalNetoCobrado"), "NME--S 100");

    // A day already there is refused and left as it was; what was typed stays to correct the day.
    cargarDia(&ingresos, "29", "5", "6");
    EXPECT_EQ(avisos() + '|' + texto("txtNetoCobrado"), "Información: El día que intenta ingresar ya existe.|5");
    QTest::keyClick(&ingresos, Qt::Key_Escape);
    EXPECT_EQ(dias(), QStringList{"1|29|100|121"});

    // Modifying keeps the day, which identifies the row.
    QTest::keyClick(&ingresos, Qt::Key_M, Qt::ControlModifier);
    EXPECT_FALSE(control("txtDia")->isEnabled());
    EXPECT_EQ(foco(), "txtNetoCobrado");
    test::escribir(&ingresos, "txtNetoCobrado", "150,25");
    test::escribir(&ingresos, "txtTotalCobrado", "150,25");
    pulsar("cmdAceptar");
    EXPECT_EQ(dias().join(',') + ' ' + texto("txtTotalNetoCobrado"), "1|29|150.25|150.25 150,25");

    mensajes.respuestas = {false, true};
    QTest::keyClick(&ingresos, Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(dias().size(), 1);
    QTest::keyClick(&ingresos, Qt::Key_E, Qt::ControlModifier);
    const QString confirmar = QStringLiteral("Advertencia: ¿Confirma la eliminación del día seleccionado?");
    EXPECT_EQ(avisos() + '|' + dias().join(',') + estado(), confirmar + '|' + confirmar + "|N----S");

    // Leaving without rentals: no rented videograms, and without sales ones the row goes.
    pulsar("cmdSalir");
    EXPECT_EQ(test::filasDeConsulta(sesion.base, "SELECT count(*) FROM [618TotalPercepcionesEfectuadas]"),
              QStringList{"0"});

    // Perceptions: none to modify without incomes; only the kind with incomes is typed, its count is asked for.
    auto& vacia = mostrar(new frm618TotalPercepcionesEfectuadas(sesion, mensajes));
    QTest::keyClick(&vacia, Qt::Key_M, Qt::ControlModifier);
    EXPECT_EQ(avisos(), "Información: No existen datos para modificar.");
    pulsar("cmdSalir");

    test::agregarIngreso618(sesion, 1, 3, 1000, 1210);
    auto& percepciones = mostrar(new frm618TotalPercepcionesEfectuadas(sesion, mensajes));
    EXPECT_EQ(QStringList({texto("txtNetoCobradoA"), texto("txtTasaA"), texto("txtTasaV"), texto("txtTotalDepositar")}),
              QStringList({"1000", "10", "", ""}));
    QTest::keyClick(&percepciones, Qt::Key_M, Qt::ControlModifier);
    EXPECT_EQ(foco() + (control("txtCantidadV")->isEnabled() ? " ventas" : ""), "txtCantidadA");
    test::escribir(&percepciones, "txtTasaA", "101");
    pulsar("cmdAceptar");
    EXPECT_EQ(avisos() + '|' + foco(),
              "Atención: La Tasa de Alquiler debe ser un número entre 0 y 100, con hasta dos decimales.|txtTasaA");
    test::escribir(&percepciones, "txtTasaA", "12,5");
    pulsar("cmdAceptar");
    mensajes.mensajes.clear();
    pulsar("cmdSalir");
    EXPECT_EQ(avisos(), "Información: Debe ingresar la cantidad de Videogramas en Alquiler.\r\n");
    EXPECT_EQ(test::filasDeConsulta(sesion.base, "SELECT VideogramasV, VideogramasA, TasaV, TasaA FROM "
                                                 "[618TotalPercepcionesEfectuadas]"),
              QStringList{"0|0|0|12.5"});

    // The days list is a correct model, its amounts as printed.
    ModeloIngresos lista;
    QAbstractItemModelTester probador(&lista, QAbstractItemModelTester::FailureReportingMode::Fatal);
    lista.cambiarFilas({IngresoDia{0, 3, 1250.5, 1300}, IngresoDia{0, 9, 0.5, 0.5}});
    EXPECT_EQ(lista.index(0, 1).data().toString() + '|' + lista.index(1, 2).data().toString(), "1.250,50|0,50");
    EXPECT_EQ(lista.buscar(9), 1);
}

TEST_F(Pantallas618, SolicitudTipicaDeLaDeclaracionNuevaAlArchivoEnCd)
{
    reloj = QDateTime(QDate(2004, 3, 5), QTime(10, 20, 30));
    QTemporaryDir carpetaCD, salida;
    abrir(618);
    crear("02", "2004", 0, QStringLiteral("D'Ávila 7"));
    ASSERT_EQ(sesion.declaracion.campo1, "D'Ávila 7");

    const std::pair<const char*, std::vector<QStringList>> tipos[] = {
        {"frm618Ingresos1", {{"15", "250,50", "303,11"}, {"1", "1000", "1210"}, {"29", "99,99", "120,99"}}},
        {"frm618Ingresos2", {{"28", "45,25", "54,75"}, {"2", "300", "363"}}}};
    for (const auto& [seccion, filas] : tipos)
        abrirSeccion(QString::fromLatin1(seccion), [&](QWidget* ingresos) {
            for (const QStringList& fila : filas)
                cargarDia(ingresos, fila[0], fila[1], fila[2]);
            test::pulsar(ingresos, "cmdSalir");
        });
    QStringList totales;  // rounded only when printed or written
    abrirSeccion(QStringLiteral("frm618TotalPercepcionesEfectuadas"), [&](QWidget* percepciones) {
        QTest::keyClick(percepciones, Qt::Key_M, Qt::ControlModifier);
        test::escribir(percepciones, "txtCantidadV", "12");
        test::escribir(percepciones, "txtCantidadA", "7");
        test::escribir(percepciones, "txtTasaA", "12,5");
        test::pulsar(percepciones, "cmdAceptar");
        totales += test::texto(percepciones, "txtTotalDepositar");
        test::pulsar(percepciones, "cmdSalir");
    });
    EXPECT_TRUE(imagenesDelArbol().contains("frm618TotalADepositar=lleno"));

    const QString pdf = salida.filePath(QStringLiteral("f618.pdf"));
    abrirSeccion(QStringLiteral("frm618TotalADepositar"), [&](QWidget* pagar) {
        totales += test::texto(pagar, "txtPercepcionesEfectuadas");
        imprimirYGenerarEnCd(pagar, pdf, carpetaCD.path());
    });
    EXPECT_EQ(totales, QStringList(2, "178,20525"));
    EXPECT_EQ(mensajes.mensajes, QStringList({"Información: El archivo PDF se guardó en " + pdf + '.',
                                              "Información: El proceso finalizó correctamente."}));

    const QString textoPdf = test::textoDelPdf(pdf).value_or(QString());
    for (const char* esperado : {"D'Ávila 7", "02/2004", "047129", "250,50", "363,00", "1.634,10", "178,21"})
        EXPECT_TRUE(textoPdf.contains(QString::fromUtf8(esperado))) << esperado;
    const QString cd = carpetaCD.filePath(QStringLiteral("047129F06183070451826520040200.dat"));
    const ResultadoVerificacion archivo = VerificarPresentacion({cd});
    ASSERT_TRUE(archivo.valido) << archivo.problema.toStdString();
    EXPECT_EQ(archivo.registros.join('\n') + "\r\n",
              QString::fromLatin1(test::leerArchivo(QStringLiteral(VELUMA_DATOS_PRUEBA "/F0618_esperado.dat"))));
}
