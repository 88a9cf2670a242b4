#include "core/respaldos.h"
#include "f618/ingresos_618.h"
#include "f618/pantallas/frm618_ingresos.h"
#include "f708/interfaz_708.h"
#include "f708/liquidacion_708.h"
#include "f708/pantallas/frm708_impuesto_determinado.h"
#include "f708/pantallas/frm708_listado_salas.h"
#include "generation/codificacion.h"
#include "generation/datos_generacion.h"
#include "intercambio/pantallas/frm_importar.h"
#include "pantallas/pantalla_de_prueba.h"
#include "support/archivos.h"
#include "support/declaracion_618.h"

#include <QComboBox>
#include <QLabel>
#include <QSettings>
#include <QTemporaryDir>

using namespace veluma;

namespace {

// The import button of an entry screen, driven as the user does: the file chosen in the dialog, then the preview.
class ImportarPantallas : public test::PantallaDePrueba {
protected:
    // Presses Ctrl+I on `pantalla`, picks `csv` and hands the preview to `enVista`.
    void importar(QWidget* pantalla, const QByteArray& csv, const std::function<void(frmImportar*)>& enVista)
    {
        const QString ruta = carpeta.filePath(QStringLiteral("lineas.csv"));
        test::escribirArchivo(ruta, csv);
        bool vista = false;
        test::alAparecerModalDe<QFileDialog>([&](QFileDialog* dialogo) {
            test::alAparecerModalDe<frmImportar>([&](frmImportar* importacion) {
                vista = true;
                enVista(importacion);
                // A preview left open would block the test.
                if (importacion->isVisible()) {
                    ADD_FAILURE() << "la vista previa quedó abierta";
                    importacion->reject();
                }
            });
            dialogo->setDirectory(carpeta.path());
            test::hijo<QLineEdit>(*dialogo, "fileNameEdit")->setText(QFileInfo(ruta).fileName());
            static_cast<QDialog*>(dialogo)->accept();
        });
        QTest::keyClick(pantalla, Qt::Key_I, Qt::ControlModifier);
        EXPECT_TRUE(vista);
    }
    static QString resumen(frmImportar* vista) { return test::hijo<QLabel>(*vista, "lblResumen")->text(); }

    // The records of the session's Form 708 declaration, as its file carries them.
    QByteArray registros708()
    {
        const Liquidacion708 liquidacion = Liquidacion708::calcular(sesion.base, sesion.declaracion);
        cls708Interfaz interfaz(sesion, liquidacion);
        EXPECT_TRUE(interfaz.GenerarDisquete(kArchivoRegistros, mensajes)) << mensajes.mensajes.join('|').toStdString();
        return test::leerArchivo(DirectorioWindows(sesion.instalacion) + kArchivoRegistros);
    }

    QTemporaryDir carpeta;
};

}  // namespace

TEST_F(ImportarPantallas, DoceSemanasDeTresSalasDanElMismoArchivoQueTipeadasYUnaLineaMalaNoGuardaNada)
{
    test::crearDeclaracion708(sesion);
    const QStringList incaa = {"1234", "000789", "55"};
    std::vector<qint32> salas;
    for (int i = 0; i < 3; ++i)
        salas.push_back(test::agregarSala708(sesion, QStringLiteral("Sala %1").arg(i + 1), "Calle 1", incaa[i]));
    QByteArray csv = "Código INCAA;Semana;Precio de venta;Entradas vendidas\r\n";
    for (int sala = 0; sala < 3; ++sala)
        for (int semana = 1; semana <= 4; ++semana)
            for (int precio = 1; precio <= 10; ++precio) {
                const double venta = precio * 2.25 + sala;
                const int entradas = 10 * precio + semana + 1000 * sala;
                test::agregarLinea708(sesion, salas[std::size_t(sala)], semana, venta, entradas);
                csv += QStringLiteral("%1;%2;%3;%4\r\n")
                           .arg(incaa[sala])
                           .arg(semana)
                           .arg(QString::number(venta, 'f', 2).replace('.', ','))
                           .arg(QLocale(QLocale::Spanish, QLocale::Argentina).toString(entradas))
                           .toUtf8();
            }
    const QByteArray tipeadas = registros708();
    sesion.base.execute(QStringLiteral("DELETE FROM [708ImpuestoDeterminado]"));

    auto& lista = mostrar(new frm708ListadoSalas(sesion, mensajes));
    // Letters for the tickets of line 58: the preview names it and nothing is stored.
    QList<QByteArray> lineas = csv.split('\n');
    lineas[57] = "55;1;12,00;abc\r";
    importar(&lista, lineas.join('\n'), [&](frmImportar* vista) {
        EXPECT_EQ(resumen(vista),
                  "No se puede importar la línea 58: La cantidad de Entradas vendidas debe ser un "
                  "número entero.");
        EXPECT_FALSE(test::hijo<QWidget>(*vista, "cmdImportar")->isEnabled());
        QTest::keyClick(vista, Qt::Key_Escape);
    });
    EXPECT_EQ(test::filasDeConsulta(sesion.base, "SELECT count(*) FROM [708ImpuestoDeterminado]"), QStringList{"0"});

    importar(&lista, csv, [&](frmImportar* vista) {
        EXPECT_EQ(resumen(vista), "120 líneas para importar.");
        test::pulsar(vista, "cmdImportar");
    });
    EXPECT_EQ(mensajes.mensajes.last(), "Información: Se importaron 120 líneas.");
    EXPECT_EQ(registros708(), tipeadas);
}

TEST_F(ImportarPantallas, LasColumnasElegidasSinTitulosSeRecuerdanParaElProximoArchivo)
{
    test::declaracionDeReferencia618(sesion);  // February 2004
    auto& ingresos = mostrar(new frm618Ingresos(sesion, mensajes, kIngresoVentas));
    const auto elegir = [](frmImportar* vista, int columna, const QString& campo) {
        auto* lista = test::hijo<QComboBox>(*vista, QStringLiteral("cboColumna_%1").arg(columna).toUtf8());
        lista->setCurrentIndex(lista->findText(campo));
        emit lista->activated(lista->currentIndex());
    };
    importar(&ingresos, "100;121;3\n5,5;6;4\n", [&](frmImportar* vista) {
        EXPECT_EQ(resumen(vista),
                  "No se pueden importar 2 líneas; la primera es la línea 1: El día ingresado no "
                  "corresponde al mes del periodo declarado.");
        elegir(vista, 0, "Neto cobrado");
        elegir(vista, 1, "Total cobrado");
        elegir(vista, 2, "Fecha");
        EXPECT_EQ(resumen(vista), "2 líneas para importar.");
        test::pulsar(vista, "cmdImportar");
    });
    EXPECT_EQ(test::filasDeConsulta(sesion.base,
                                    "SELECT Dia, NetoCobrado, TotalCobrado FROM [618Ingresos] "
                                    "WHERE TipoIngreso=0 AND Dia IN (3, 4) ORDER BY Dia"),
              QStringList({"3|100|121", "4|5.5|6"}));
    EXPECT_EQ(QSettings(rutaConfiguracionPrograma(sesion.instalacion), QSettings::IniFormat)
                  .value("Importacion/Ingresos618")
                  .toString(),
              "neto|total|dia");

    importar(&ingresos, "7;8;9\n", [&](frmImportar* vista) {
        EXPECT_EQ(test::hijo<QComboBox>(*vista, "cboColumna_2")->currentText(), "Fecha");
        EXPECT_EQ(resumen(vista), "1 línea para importar.");
        QTest::keyClick(vista, Qt::Key_Escape);
    });
}
