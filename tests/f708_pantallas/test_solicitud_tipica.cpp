#include "generation/pantallas/frm_generar.h"
#include "generation/pantallas/generar_presentacion.h"
#include "generation/verificacion_archivo.h"
#include "pantallas/pantalla_ddjj.h"
#include "support/archivos.h"
#include "support/pdf.h"
#include "support/unidades_simuladas.h"
#include "support/verificador.h"

#include <QFileDialog>
#include <QProcess>
#include <QTabWidget>
#include <QTemporaryDir>

using namespace veluma;
using veluma::test::alAparecerModal;

namespace {

// The expected records of this declaration, written from the record layouts.
QStringList registrosEsperados()
{
    QString contenido =
        QString::fromLatin1(test::leerArchivo(QStringLiteral(VELUMA_DATOS_PRUEBA "/F0708_esperado.dat")));
    contenido.chop(2);  // the closing CR LF
    return contenido.split(QLatin1Char('\n'));
}

// The typical request from the host's start to the file: a declaration
// created in the manager, its rooms, tickets and payments typed in their
// screens, the balance shown, the form printed and the file generated for a
// CD and on a diskette.
class SolicitudTipica : public test::PantallaDDJJ {
protected:
    void SetUp() override
    {
        PantallaDDJJ::SetUp();
        reloj = QDateTime(QDate(2004, 4, 10), QTime(9, 47, 15));
        letra = unidades.agregar(QStringLiteral("USB"), 1'440'000);
        fijarUnidadesDeDestino(&unidades);
    }
    void TearDown() override
    {
        fijarUnidadesDeDestino(nullptr);
        PantallaDDJJ::TearDown();
    }

    static void agregarSala(QWidget* salas, const QString& nombre, const QString& domicilio, const QString& incaa)
    {
        test::pulsar(salas, "CmdNuevo");
        test::escribir(salas, "txtDenominacion", nombre);
        test::escribir(salas, "txtDomicilio", domicilio);
        test::escribir(salas, "txtCodINCAA", incaa);
        test::pulsar(salas, "cmdAceptar");
    }

    // Chooses the room in the grid, opens its week and types the lines.
    void venderEntradas(QWidget* salas, const QString& sala, const char* semana,
                        const QList<std::pair<QString, QString>>& lineas, QString* totalSemana = nullptr)
    {
        auto* grilla = test::hijo<QTableView>(*salas, "Grilla");
        for (int fila = 0; fila < grilla->model()->rowCount(); ++fila)
            if (grilla->model()->index(fila, 0).data().toString() == sala)
                grilla->setCurrentIndex(grilla->model()->index(fila, 0));
        ASSERT_EQ(test::texto(salas, "txtDenominacion"), sala);
        QTreeWidgetItem* nodo = test::nodoDeClave(*test::hijo<QTreeWidget>(*salas, "arbol"), QString::fromLatin1(semana));
        ASSERT_NE(nodo, nullptr);
        alAparecerModal([&](QWidget* entradas) {
            for (const auto& [precio, cantidad] : lineas) {
                test::pulsar(entradas, "CmdNuevo");
                test::escribir(entradas, "txtPrecioVenta", precio);
                test::escribir(entradas, "txtCantEntradas", cantidad);
                test::pulsar(entradas, "cmdAceptar");
            }
            if (totalSemana)
                *totalSemana = test::texto(entradas, "txtTotalImpuestoSemana");
            test::pulsar(entradas, "cmdSalir");
        });
        emit test::hijo<QTreeWidget>(*salas, "arbol")->itemDoubleClicked(nodo, 0);
        // The tree is built again once the tickets are in.
        nodo = test::nodoDeClave(*test::hijo<QTreeWidget>(*salas, "arbol"), QString::fromLatin1(semana));
        ASSERT_NE(nodo, nullptr);
        EXPECT_EQ(nodo->data(0, Qt::UserRole + 1).toString(), QStringLiteral("lleno"));
    }

    // Saves the preview as a PDF through the print screen's own dialog.
    void guardarPdf(QWidget* impresion, const QString& ruta)
    {
        ASSERT_TRUE(QTest::qWaitFor([&] { return test::hijo<QAbstractButton>(*impresion, "cmdPdf")->isEnabled(); }, 10000));
        std::function<void(QWidget*)> elegir = [&](QWidget* ventana) {
            auto* dialogo = qobject_cast<QFileDialog*>(ventana);
            if (!dialogo) {
                alAparecerModal(elegir);
                return;
            }
            dialogo->setDirectory(QFileInfo(ruta).absolutePath());
            test::hijo<QLineEdit>(*dialogo, "fileNameEdit")->setText(QFileInfo(ruta).fileName());
            static_cast<QDialog*>(dialogo)->accept();
        };
        alAparecerModal(elegir);
        test::pulsar(impresion, "cmdPdf");
        test::pulsar(impresion, "cmdSalir");
    }

    // The CD tab, then the diskette tab of the destination screen.
    void generarHaciaCdYDisquete(QWidget* pantalla)
    {
        auto* destino = qobject_cast<frmGenerar*>(pantalla);
        ASSERT_NE(destino, nullptr);
        destino->elegirCarpeta(DestinoGeneracion::CD, carpetaCD.path());
        test::hijo<QTabWidget>(*destino, "tabDestino")->setCurrentIndex(int(DestinoGeneracion::CD));
        test::pulsar(destino, "cmdAceptar");
        test::hijo<QTabWidget>(*destino, "tabDestino")->setCurrentIndex(int(DestinoGeneracion::Disquete));
        test::pulsar(destino, "cmdAceptar");
        test::pulsar(destino, "cmdSalir");
    }

    test::UnidadesSimuladas unidades;
    QChar letra;
    QTemporaryDir carpetaCD;
    QTemporaryDir salida;
};

}  // namespace

TEST_F(SolicitudTipica, DeLaDeclaracionNuevaAlArchivoEnCdYEnDisquete)
{
    abrir(708);
    pulsar("cmdNuevo");
    EXPECT_EQ(control<QLineEdit>("txtCampo1")->text(), QStringLiteral("10"));
    escribir("txtMesFiscal", QStringLiteral("03"));
    escribir("txtAñoFiscal", QStringLiteral("2004"));
    pulsar("cmdAceptar");
    ASSERT_EQ(filasDDJJ(), QStringList{"200403/0/708/10/2004-04-10 09:47:15"});

    QString semanaOpera;
    abrirSeccion(QStringLiteral("frm708ListadoSalas"), [&](QWidget* salas) {
        agregarSala(salas, QStringLiteral("Cine Ópera"), QStringLiteral("Av. Corrientes 860"), QStringLiteral("1234"));
        agregarSala(salas, QStringLiteral("Atlas Flores"), QStringLiteral("Rivadavia 7000"), QStringLiteral("000789"));
        venderEntradas(salas, QStringLiteral("Cine Ópera"), "Primero", {{"5,50", "100"}, {"10", "3"}}, &semanaOpera);
        venderEntradas(salas, QStringLiteral("Cine Ópera"), "Tercero", {{"12,75", "40"}});
        venderEntradas(salas, QStringLiteral("Atlas Flores"), "Primero", {{"8", "250"}});
        venderEntradas(salas, QStringLiteral("Atlas Flores"), "Segundo", {{"8,00", "10"}});
        test::pulsar(salas, "cmdSalir");
    });
    EXPECT_EQ(semanaOpera, QStringLiteral("52,73"));

    abrirSeccion(QStringLiteral("frm708PagoCuenta"), [&](QWidget* pagos) {
        test::pulsar(pagos, "CmdNuevo");
        test::escribir(pagos, "txtuno", QStringLiteral("10"));
        test::escribir(pagos, "txttres", QStringLiteral("5,5"));
        test::pulsar(pagos, "cmdAceptar");
        test::pulsar(pagos, "cmdSalir");
    });
    EXPECT_TRUE(imagenesDelArbol().contains(QStringLiteral("frm708Saldos=lleno")));

    const QString pdf = salida.filePath(QStringLiteral("f708.pdf"));
    QStringList saldos;
    abrirSeccion(QStringLiteral("frm708Saldos"), [&](QWidget* saldo) {
        for (const char* caja : {"txtTotalImpuestoDeclarado", "TxtPagoCuenta", "txtSaldoPendienteIngreso"})
            saldos += test::texto(saldo, caja);
        ASSERT_TRUE(test::hijo<QAbstractButton>(*saldo, "cmdFormulario")->isEnabled());
        alAparecerModal([&](QWidget* impresion) { guardarPdf(impresion, pdf); });
        test::pulsar(saldo, "cmdFormulario");
        alAparecerModal([&](QWidget* destino) { generarHaciaCdYDisquete(destino); });
        test::pulsar(saldo, "cmdGenerar");
        test::pulsar(saldo, "cmdSalir");
    });
    EXPECT_EQ(saldos, (QStringList{"288,18", "15,5", "272,68"}));
    EXPECT_EQ(mensajes.mensajes.count(QStringLiteral("Información: El proceso finalizó correctamente.")), 2)
        << mensajes.mensajes.join('|').toStdString();

    // The form carries the figures and the verification number of the file.
    ASSERT_TRUE(QFileInfo(pdf).size() > 0);
    const QString textoPdf = test::textoDelPdf(pdf).value_or(QString());
    for (const char* esperado : {"30-70451826-5", "03/2004", "288,18", "15,50", "272,68", "715773"})
        EXPECT_TRUE(textoPdf.contains(QString::fromUtf8(esperado))) << esperado;

    // Both destinations decode to exactly the records of the layouts.
    const QString cd = carpetaCD.filePath(QStringLiteral("715773F07083070451826520040300.dat"));
    const QString disquete = unidades.medios(letra).value(0) + QStringLiteral("/715773F0708.dat");
    for (const QString& archivo : {cd, disquete}) {
        const ResultadoVerificacion leido = VerificarPresentacion({archivo});
        ASSERT_TRUE(leido.valido) << archivo.toStdString() << ": " << leido.problema.toStdString();
        EXPECT_EQ(leido.cabecera, QStringLiteral("HEAD10 01 01 000019"));
        EXPECT_EQ(leido.registros, registrosEsperados());
        EXPECT_TRUE(test::salidaDelVerificador(instalacion.carpetaPrograma(), {archivo}).startsWith(QStringLiteral("Archivo válido: 19 registros.")));
    }

    // The command-line companion writes the same bytes for the same declaration.
    delete pantalla.data();
    sesion.base.close();
    QProcess lote;
    lote.start(instalacion.carpetaPrograma() + QStringLiteral("/veluma-lote"),
               {"--instalacion", instalacion.carpetaPrograma(), "--cuit", sesion.cuit, "--formulario", "708",
                "--periodo", "200403", "--secuencia", "0", "--destino", salida.path()});
    ASSERT_TRUE(lote.waitForFinished(60000));
    EXPECT_EQ(lote.exitCode(), 0) << lote.readAllStandardError().toStdString();
    const QString escrito = QString::fromUtf8(lote.readAllStandardOutput()).trimmed();
    EXPECT_EQ(escrito, salida.filePath(QStringLiteral("715773F07083070451826520040300.dat")));
    EXPECT_EQ(test::leerArchivo(escrito), test::leerArchivo(cd));
}
