#include "exportacion/exportacion_de_prueba.h"

#include <QProcess>
#include <QRegularExpression>

using namespace veluma;

namespace {

// A cell as the worksheet keeps it: its type attribute (empty for a number),
// the number format of its style and its stored value.
struct CeldaXlsx {
    QString tipo;
    QString formato;
    QString valor;
    bool negrita = false;
};

class ExportacionXlsx : public test::ExportacionDePrueba {
protected:
    // One part of the workbook, read with unzip as any reader would.
    QString parte(const QString& libro, const QString& nombre)
    {
        QProcess unzip;
        unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), libro, nombre});
        EXPECT_TRUE(unzip.waitForFinished(30000));
        return QString::fromUtf8(unzip.readAllStandardOutput());
    }

    QStringList nombresDeHojas(const QString& libro)
    {
        QStringList nombres;
        const QRegularExpression hoja(QStringLiteral("<sheet name=\"([^\"]+)\""));
        for (const auto& coincidencia : hoja.globalMatch(parte(libro, "xl/workbook.xml")))
            nombres += coincidencia.captured(1);
        return nombres;
    }

    // The cell `referencia` of worksheet `numero`, its style looked up in the
    // workbook's styles.
    CeldaXlsx celda(const QString& libro, int numero, const QString& referencia)
    {
        const QString hoja = parte(libro, QStringLiteral("xl/worksheets/sheet%1.xml").arg(numero));
        const QRegularExpression patron(
            QStringLiteral("<c r=\"%1\"( s=\"(\\d+)\")?( t=\"(\\w+)\")?>(<v>([^<]*)</v>)?").arg(referencia));
        const QRegularExpressionMatch encontrada = patron.match(hoja);
        if (!encontrada.hasMatch())
            return {QStringLiteral("(no está)"), {}, {}};
        const QString estilos = parte(libro, "xl/styles.xml");
        const int estilo = encontrada.captured(2).toInt();
        const QString cellXfs =
            estilos.section(QStringLiteral("<cellXfs"), 1).section(QStringLiteral("</cellXfs>"), 0, 0);
        const QString xf = cellXfs.split(QStringLiteral("<xf ")).value(estilo + 1);
        const QString formato = QRegularExpression(QStringLiteral("numFmtId=\"(\\d+)\"")).match(xf).captured(1);
        const QString fuente = QRegularExpression(QStringLiteral("fontId=\"(\\d+)\"")).match(xf).captured(1);
        const QString fuentes = estilos.section(QStringLiteral("<fonts"), 1).section(QStringLiteral("</fonts>"), 0, 0);
        const QRegularExpression codigo(QStringLiteral("<numFmt numFmtId=\"%1\" formatCode=\"([^\"]+)\"").arg(formato));
        return {encontrada.captured(4),
                formato == QLatin1String("0") ? QStringLiteral("General") : codigo.match(estilos).captured(1),
                encontrada.captured(6),
                fuentes.split(QStringLiteral("<font")).value(fuente.toInt() + 1).contains("<b/>")};
    }

    static QString serial(const QDate& dia) { return QString::number(QDate(1899, 12, 30).daysTo(dia)); }
};

struct CasoCelda {
    int hoja;
    const char* referencia;
    QString esperada;  // "type|format|value|b" (b for bold)
};

QString describir(const CeldaXlsx& celda)
{
    return celda.tipo + '|' + celda.formato + '|' + celda.valor + (celda.negrita ? "|b" : "");
}

TEST_F(ExportacionXlsx, HojasPorSeccionImportesNumericosYFechasComoFechas)
{
    test::declaracionDeReferencia618(sesion);
    const QString libro = ruta("F618.Xlsx");
    EXPECT_EQ(exportarDeclaracion(sesion, libro), QStringList{libro});
    EXPECT_EQ(nombresDeHojas(libro), QStringList({"Ingresos", "Percepciones", "Liquidación"}));
    // Readable by others as any new file, not private as its temporary name was.
    QFile nuevo(ruta("nuevo"));
    ASSERT_TRUE(nuevo.open(QIODevice::WriteOnly));
    EXPECT_EQ(QFile::permissions(libro), nuevo.permissions());
    const std::vector<CasoCelda> casos = {
        {1, "A1", "s|General|0|b"},
        {1, "B2", "|dd/mm/yyyy|" + serial(QDate(2004, 2, 1))},
        {1, "C2", "|#,##0.00|1000"},
        {1, "B4", "|dd/mm/yyyy|" + serial(QDate(2004, 2, 29))},
        {2, "B2", "|General|12"},
        {2, "C3", "|#,##0.00|12.5"},
        {3, "B8", "|#,##0.00|178.20525"},
    };
    for (const CasoCelda& caso : casos) {
        SCOPED_TRACE(caso.referencia);
        EXPECT_EQ(describir(celda(libro, caso.hoja, caso.referencia)), caso.esperada);
    }
}

TEST_F(ExportacionXlsx, LaDeclaracionSinLiquidacionLlevaElMotivoYSeExportaIgual)
{
    test::declaracionDeReferencia708(sesion, false);
    const QString libro = ruta("F708.xlsx");
    EXPECT_EQ(exportarDeclaracion(sesion, libro), QStringList{libro});
    EXPECT_EQ(nombresDeHojas(libro), QStringList({"Salas", "Entradas", "Pagos a cuenta", "Liquidación"}));
    const QString liquidacion = parte(libro, "xl/worksheets/sheet4.xml");
    EXPECT_TRUE(liquidacion.contains("<c r=\"A2\"")) << liquidacion.toStdString();
    EXPECT_FALSE(liquidacion.contains("<c r=\"B2\"")) << liquidacion.toStdString();
    EXPECT_TRUE(parte(libro, "xl/sharedStrings.xml")
                    .contains("La declaración jurada no tiene impuesto "
                              "determinado: no hay nada que presentar."));
}

}  // namespace
