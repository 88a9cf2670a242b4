#include "declaracion_708.h"
#include "declarations/contribuyente.h"
#include "f708/reportes_708.h"
#include "printing/configuracion_reporte.h"
#include "printing/formulas.h"
#include "printing/pantallas/pdf.h"
#include "printing/pantallas/reporte_armado.h"
#include "printing/plantilla.h"
#include "printing/reporte.h"
#include "support/pdf.h"
#include "support/sesion_de_prueba.h"

#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

using namespace veluma;

namespace {

// The templates installed in the program folder, filled from a declaration
// of the taxpayer whose name carries an apostrophe and an eñe.
class Plantillas708 : public test::SesionDePrueba {
protected:
    void SetUp() override
    {
        sesion.cuit = instalacion.cuits().at(2);
        test::SesionDePrueba::SetUp();
        clsContribuyente contribuyente(sesion.instalacion, sesion.clave);
        contribuyente.Inicializar(sesion.cuit);
        sesion.denominacion = contribuyente.descripcion();
        sesion.domicilioFiscal = contribuyente.DomicilioFiscal();
        sesion.formulario = 708;
        sesion.periodo = test::kPeriodo;
        ASSERT_TRUE(carpeta.isValid());
    }

    QString plantilla(const QString& nombre) const
    {
        return sesion.instalacion.carpetaPrograma() + QLatin1Char('/') + nombre;
    }

    QString imprimir(const ConfiguracionReporte& configuracion)
    {
        const QString ruta = carpeta.filePath(QStringLiteral("reporte.pdf"));
        guardarPdf(armarReporte(configuracion, sesion.base), ruta);
        return test::textoDelPdf(ruta, true).value_or(QString());
    }

    // The rooms list as its print button lays it out: once to count the pages,
    // then with the count.
    ConfiguracionReporte listaDeSalas()
    {
        ConfiguracionReporte configuracion = reporteSalas(sesion);
        configuracion.Formula(10, formulaUltimaHoja(paginas(armarReporte(configuracion, sesion.base))));
        return configuracion;
    }

    QTemporaryDir carpeta;
};

// The names of the tags outside and inside the rows section.
struct Etiquetas {
    QSet<QString> sueltas;
    QSet<QString> deFilas;
};

Etiquetas etiquetasDe(const QString& texto)
{
    static const QRegularExpression etiqueta(QStringLiteral("\\{\\{\\s*([#/^]?)\\s*([^}\\s]+)\\s*\\}\\}"));
    Etiquetas etiquetas;
    bool enFilas = false;
    for (const QRegularExpressionMatch& m : etiqueta.globalMatch(texto)) {
        if (m.captured(1) == QLatin1String("#") && m.captured(2) == QLatin1String("filas"))
            enFilas = true;
        else if (m.captured(1) == QLatin1String("/") && m.captured(2) == QLatin1String("filas"))
            enFilas = false;
        else if (m.captured(1).isEmpty())
            (enFilas ? etiquetas.deFilas : etiquetas.sueltas).insert(m.captured(2));
        else
            ADD_FAILURE() << "sección inesperada " << m.captured(0).toStdString();
    }
    return etiquetas;
}

QSet<QString> nombresDeFormulas(const ConfiguracionReporte& configuracion)
{
    QSet<QString> nombres;
    for (const auto& [nombre, valor] : valoresDeFormulas(configuracion.formulas()))
        nombres.insert(nombre);
    return nombres;
}

TEST_F(Plantillas708, CadaEtiquetaEsUnaFormulaOUnaColumna)
{
    test::cargarDeclaracion708(sesion);

    const ConfiguracionReporte form = reporteForm708(sesion, QStringLiteral("10,00"));
    const PlantillaReporte form708 = leerPlantilla(plantilla(QStringLiteral("Form708.rpt")));
    EXPECT_EQ(form708.origen, QStringLiteral("DDJJ"));
    const Etiquetas delForm = etiquetasDe(form708.texto);
    EXPECT_EQ(delForm.sueltas, nombresDeFormulas(form));
    EXPECT_EQ(delForm.sueltas.size(), 15);
    EXPECT_TRUE(delForm.deFilas.isEmpty());

    const ConfiguracionReporte salas = listaDeSalas();
    const PlantillaReporte salas708 = leerPlantilla(plantilla(QStringLiteral("Salas.rpt")));
    EXPECT_EQ(salas708.origen, QStringLiteral("708DetalledeSalas"));
    const Etiquetas deSalas = etiquetasDe(salas708.texto);
    EXPECT_EQ(deSalas.sueltas, nombresDeFormulas(salas));
    QSet<QString> columnas;
    const Statement consulta = sesion.base.prepare(QStringLiteral("SELECT * FROM [708DetalledeSalas]"));
    for (int columna = 0; columna < consulta.columnCount(); ++columna)
        columnas.insert(consulta.columnName(columna));
    EXPECT_TRUE(columnas.contains(deSalas.deFilas)) << QStringList(deSalas.deFilas.values()).join(' ').toStdString();
    EXPECT_EQ(deSalas.deFilas, (QSet<QString>{"DENOMINACION_SALA", "COD_INCAA", "PV", "CANT", "PB", "IMPDETER"}));

    // Nothing is left unfilled.
    EXPECT_FALSE(htmlDelReporte(form, sesion.base).contains(QStringLiteral("{{")));
    EXPECT_FALSE(htmlDelReporte(salas, sesion.base).contains(QStringLiteral("{{")));
}

TEST_F(Plantillas708, ElFormularioMuestraLosImportesDeLaDeclaracion)
{
    test::cargarDeclaracion708(sesion);
    const ConfiguracionReporte form = reporteForm708(sesion, QStringLiteral("10,00"));
    const std::map<QString, QString> valores = valoresDeFormulas(form.formulas());
    const QString texto = imprimir(form);

    for (const QString& esperado :
         {QStringLiteral("Impuesto a las Entradas de Espectáculos Cinematográficos"), QStringLiteral("F.708"),
          QStringLiteral("30-69587412-6"), QStringLiteral("Ñandú Producciones de O'Higgins S.R.L."),
          QStringLiteral("03/2004"), QStringLiteral("0 - Original"), QStringLiteral("10,00 %"),
          QStringLiteral("$ 96,37"), QStringLiteral("$ 30,00"), QStringLiteral("$ 20,00"), QStringLiteral("$ 50,00"),
          QStringLiteral("$ 46,37"), valores.at(QStringLiteral("NVerif")), QStringLiteral("Veluma versión 1.00.00")})
        EXPECT_TRUE(texto.contains(esperado)) << esperado.toStdString() << "\n" << texto.toStdString();
    // Weeks 3 and 4 had no payment.
    EXPECT_EQ(texto.count(QStringLiteral("$ 0,00")), 2) << texto.toStdString();
    // The fiscal address as the host keeps it, one line on the form.
    EXPECT_FALSE(sesion.domicilioFiscal.isEmpty());
    EXPECT_TRUE(texto.simplified().contains(sesion.domicilioFiscal.simplified())) << texto.toStdString();
    EXPECT_EQ(paginas(armarReporte(form, sesion.base)), 1);
}

TEST_F(Plantillas708, LaListaDeSalasMuestraCadaLineaYLasHojas)
{
    test::cargarDeclaracion708(sesion);
    const QString texto = imprimir(listaDeSalas());

    for (const QString& esperado : {QStringLiteral("Detalle de Salas"), QStringLiteral("30-69587412-6"),
                                    QStringLiteral("Ñandú Producciones de O'Higgins S.R.L."), QStringLiteral("03/2004"),
                                    QStringLiteral("0 - Original"), QStringLiteral("Hojas: 1")})
        EXPECT_TRUE(texto.contains(esperado)) << esperado.toStdString() << "\n" << texto.toStdString();
    // One printed line per price: room, INCAA code, price, tickets, base price, tax.
    const QStringList lineas = texto.split(QLatin1Char('\n'));
    const auto fila = [&](const QStringList& celdas) {
        QStringList escapadas;
        for (const QString& celda : celdas)
            escapadas += QRegularExpression::escape(celda);
        const QRegularExpression patron(escapadas.join(QStringLiteral("\\s+")));
        return std::count_if(lineas.begin(), lineas.end(),
                             [&](const QString& l) { return patron.match(l).hasMatch(); });
    };
    EXPECT_EQ(fila({"Sala Ñandú", "123456", "5,50", "100", "5,0000", "50,00"}), 1) << texto.toStdString();
    EXPECT_EQ(fila({"Sala Ñandú", "123456", "10,00", "3", "9,0909", "2,73"}), 1) << texto.toStdString();
    EXPECT_EQ(fila({"Sala 2 d'Orsay", "654321", "12,00", "40", "10,9091", "43,64"}), 1) << texto.toStdString();
}

TEST_F(Plantillas708, UnaListaLargaDiceEnLaUltimaHojaCuantasSon)
{
    test::cargarDeclaracion708(sesion);
    cls708ImpuestoDeterminado linea;
    linea.Cuit = sesion.cuit;
    linea.Periodo = test::kPeriodo;
    linea.CodSala = 1;
    linea.NroSemana = 4;
    linea.EntradasVendidas = 7;
    for (int precio = 1; precio <= 150; ++precio) {
        linea.PrecioVenta = precio + 0.25;
        ASSERT_EQ(linea.Agregar(sesion.base), QString());
    }

    const ConfiguracionReporte salas = listaDeSalas();
    const int hojas = paginas(armarReporte(salas, sesion.base));
    ASSERT_GE(hojas, 3);
    const QString texto = imprimir(salas);
    // pdftotext ends every page with a form feed; the count is on the last one.
    const QStringList paginasImpresas = texto.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    ASSERT_EQ(paginasImpresas.size(), hojas);
    EXPECT_TRUE(paginasImpresas.last().contains(QStringLiteral("Hojas: %1").arg(hojas))) << texto.toStdString();
    EXPECT_EQ(texto.count(QStringLiteral("Hojas:")), 1);
    EXPECT_TRUE(texto.contains(QStringLiteral("150,25")));
}

}  // namespace
