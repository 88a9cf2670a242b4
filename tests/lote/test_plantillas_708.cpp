#include "f708/liquidacion_708.h"
#include "f708/reportes_708.h"
#include "printing/configuracion_reporte.h"
#include "printing/documento/pdf.h"
#include "printing/documento/reporte_armado.h"
#include "printing/formulas.h"
#include "printing/plantilla.h"
#include "printing/reporte.h"
#include "support/declaracion_708.h"
#include "support/pdf.h"
#include "support/sesion_de_prueba.h"

#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

using namespace veluma;

namespace {

// The templates installed in the program folder, filled from the reference
// declaration of the taxpayer whose name carries an apostrophe and an eñe.
class Plantillas708 : public test::SesionDePrueba {
protected:
    void SetUp() override
    {
        test::SesionDePrueba::SetUp();
        usarContribuyente(instalacion.cuits().at(2));
        test::declaracionDeReferencia708(sesion);
        ASSERT_TRUE(carpeta.isValid());
    }

    ConfiguracionReporte formulario()
    {
        return Liquidacion708::calcular(sesion.base, sesion.declaracion).formularioImpreso(sesion);
    }

    // The rooms list as its print button lays it out: once to count the pages, then with the count.
    ConfiguracionReporte listaDeSalas()
    {
        ConfiguracionReporte configuracion = reporteSalas(sesion);
        configuracion.Formula(10, formulaUltimaHoja(paginas(armarReporte(configuracion, sesion.base))));
        return configuracion;
    }

    QString imprimir(const ConfiguracionReporte& configuracion)
    {
        const QString ruta = carpeta.filePath(QStringLiteral("reporte.pdf"));
        guardarPdf(armarReporte(configuracion, sesion.base), ruta);
        return test::textoDelPdf(ruta, true).value_or(QString());
    }

    // The tags of a template outside and inside its rows section.
    std::pair<QSet<QString>, QSet<QString>> etiquetas(const QString& plantilla)
    {
        static const QRegularExpression etiqueta(QStringLiteral("\\{\\{\\s*([#/^]?)\\s*([^}\\s]+)\\s*\\}\\}"));
        const QString texto = leerPlantilla(sesion.instalacion.carpetaPrograma() + '/' + plantilla).texto;
        std::pair<QSet<QString>, QSet<QString>> encontradas;
        bool enFilas = false;
        for (const QRegularExpressionMatch& m : etiqueta.globalMatch(texto)) {
            if (m.captured(2) == QLatin1String("filas") && !m.captured(1).isEmpty())
                enFilas = m.captured(1) == QLatin1String("#");
            else
                (enFilas ? encontradas.second : encontradas.first).insert(m.captured(2));
        }
        return encontradas;
    }

    static QSet<QString> nombres(const ConfiguracionReporte& configuracion)
    {
        QSet<QString> nombres;
        for (const auto& [nombre, valor] : valoresDeFormulas(configuracion.formulas()))
            nombres.insert(nombre);
        return nombres;
    }

    QTemporaryDir carpeta;
};

// How many printed lines show these cells in order.
qsizetype lineasCon(const QString& texto, const QStringList& celdas)
{
    QStringList escapadas;
    for (const QString& celda : celdas)
        escapadas += QRegularExpression::escape(celda);
    const QRegularExpression patron(escapadas.join(QStringLiteral("\\s+")));
    const QStringList lineas = texto.split(QLatin1Char('\n'));
    return std::count_if(lineas.begin(), lineas.end(), [&](const QString& l) { return patron.match(l).hasMatch(); });
}

}  // namespace

TEST_F(Plantillas708, CadaEtiquetaEsUnaFormulaOUnaColumna)
{
    const ConfiguracionReporte form = formulario();
    EXPECT_EQ(leerPlantilla(form.archivoReporte).origen, "DDJJ");
    EXPECT_EQ(etiquetas(QStringLiteral("Form708.rpt")), std::make_pair(nombres(form), QSet<QString>{}));
    EXPECT_EQ(nombres(form).size(), 15);

    const ConfiguracionReporte salas = listaDeSalas();
    EXPECT_EQ(leerPlantilla(salas.archivoReporte).origen, "708DetalledeSalas");
    EXPECT_EQ(etiquetas(QStringLiteral("Salas.rpt")),
              std::make_pair(nombres(salas),
                             QSet<QString>{"DENOMINACION_SALA", "COD_INCAA", "PV", "CANT", "PB", "IMPDETER"}));
    // Nothing is left unfilled.
    EXPECT_FALSE(htmlDelReporte(form, sesion.base).contains(QStringLiteral("{{")));
    EXPECT_FALSE(htmlDelReporte(salas, sesion.base).contains(QStringLiteral("{{")));
}

TEST_F(Plantillas708, ElFormularioMuestraLosImportesDeLaDeclaracion)
{
    const ConfiguracionReporte form = formulario();
    const QString texto = imprimir(form);
    for (const QString& esperado :
         {QStringLiteral("Impuesto a las Entradas de Espectáculos Cinematográficos"), QStringLiteral("F.708"),
          QStringLiteral("30-69587412-6"), QStringLiteral("Ñandú Producciones de O'Higgins S.R.L."),
          QStringLiteral("03/2004"), QStringLiteral("0 - Original"), QStringLiteral("10,00 %"),
          QStringLiteral("$ 288,18"), QStringLiteral("$ 10,00"), QStringLiteral("$ 5,50"), QStringLiteral("$ 15,50"),
          QStringLiteral("$ 272,68"), valoresDeFormulas(form.formulas()).at(QStringLiteral("NVerif")),
          QStringLiteral("Veluma versión 1.00.00")})
        EXPECT_TRUE(texto.contains(esperado)) << esperado.toStdString() << "\n" << texto.toStdString();
    // Weeks 2 and 4 had no payment.
    EXPECT_EQ(texto.count(QStringLiteral("$ 0,00")), 2) << texto.toStdString();
    // The fiscal address as the host keeps it, one line on the form.
    EXPECT_TRUE(texto.simplified().contains(sesion.contribuyente.domicilioFiscal.simplified())) << texto.toStdString();
    EXPECT_EQ(paginas(armarReporte(form, sesion.base)), 1);
}

TEST_F(Plantillas708, LaListaDeSalasMuestraCadaLineaYLasHojas)
{
    QString texto = imprimir(listaDeSalas());
    for (const QString& esperado : {QStringLiteral("Detalle de Salas"), QStringLiteral("30-69587412-6"),
                                    QStringLiteral("Ñandú Producciones de O'Higgins S.R.L."), QStringLiteral("03/2004"),
                                    QStringLiteral("0 - Original"), QStringLiteral("Hojas: 1")})
        EXPECT_TRUE(texto.contains(esperado)) << esperado.toStdString() << "\n" << texto.toStdString();
    // One printed line per price: room, INCAA code, price, tickets, base price, tax.
    EXPECT_EQ(lineasCon(texto, {"Cine Ópera", "1234", "5,50", "100", "5,0000", "50,00"}), 1) << texto.toStdString();
    EXPECT_EQ(lineasCon(texto, {"Cine Ópera", "1234", "12,75", "40", "11,5909", "46,36"}), 1) << texto.toStdString();
    EXPECT_EQ(lineasCon(texto, {"Atlas Flores", "000789", "8,00", "250", "7,2727", "181,82"}), 1);

    // A list of several pages says on its last one how many there are.
    for (int precio = 1; precio <= 150; ++precio)
        test::agregarLinea708(sesion, 1, 4, precio + 0.25, 7);
    const ConfiguracionReporte salas = listaDeSalas();
    const int hojas = paginas(armarReporte(salas, sesion.base));
    ASSERT_GE(hojas, 3);
    texto = imprimir(salas);
    const QStringList impresas = texto.split(QLatin1Char('\f'), Qt::SkipEmptyParts);  // pdftotext ends pages so
    ASSERT_EQ(impresas.size(), hojas);
    EXPECT_TRUE(impresas.last().contains(QStringLiteral("Hojas: %1").arg(hojas))) << texto.toStdString();
    EXPECT_EQ(texto.count(QStringLiteral("Hojas:")), 1);
    EXPECT_TRUE(texto.contains(QStringLiteral("150,25")));
}
