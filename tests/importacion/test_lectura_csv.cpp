#include "core/error.h"
#include "intercambio/archivo_csv.h"
#include "intercambio/valores_csv.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace veluma;

namespace {

// "line:field|field" for each record.
QStringList comoTexto(const TablaCsv& tabla)
{
    QStringList filas;
    for (const FilaCsv& fila : tabla.filas)
        filas += QString::number(fila.linea) + ':' + fila.campos.join('|');
    return filas;
}

QString motivo(const QByteArray& bytes)
{
    try {
        leerCsv(bytes, QStringLiteral("/datos/ventas.csv"));
    } catch (const Error& error) {
        return error.descripcion();
    }
    return QStringLiteral("(se leyó)");
}

}  // namespace

TEST(LecturaCsv, SeparadorCodificacionComillasYLineas)
{
    struct Caso {
        const char* nombre;
        QByteArray bytes;
        char separador;
        const char* codificacion;
        QStringList filas;
    };
    const std::vector<Caso> casos = {
        {"punto y coma con decimales con coma, BOM y CRLF",
         "\xEF\xBB\xBFSala;Precio\r\nÓpera;12,50\r\n\r\nAtlas;8\r\n",
         ';',
         "UTF-8",
         {"1:Sala|Precio", "2:Ópera|12,50", "4:Atlas|8"}},
        {"coma con comillas, comillas dobles y un salto dentro",
         "\"Cine \"\"Sol\"\", Sur\",10.5\n\"dos\nlíneas\",3\n  relleno  , 4 \n",
         ',',
         "UTF-8",
         {"1:Cine \"Sol\", Sur|10.5", "2:dos\nlíneas|3", "4:relleno|4"}},
        {"tabulador", "a\t1,5\nb\t2\n", '\t', "UTF-8", {"1:a|1,5", "2:b|2"}},
        {"Windows-1252",
         "Cine \xD1"
         "and\xFA;\x80 5\n",
         ';',
         "Windows-1252",
         {"1:Cine Ñandú|€ 5"}},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        const TablaCsv tabla = leerCsv(caso.bytes, QStringLiteral("x.csv"));
        EXPECT_EQ(tabla.separador, caso.separador);
        EXPECT_EQ(tabla.codificacion, caso.codificacion);
        EXPECT_EQ(comoTexto(tabla), caso.filas);
    }
}

TEST(LecturaCsv, LoQueNoEsUnCsvSeRechazaConSuMotivo)
{
    EXPECT_EQ(motivo(""), "El archivo ventas.csv está vacío.");
    EXPECT_EQ(motivo("\xEF\xBB\xBF \r\n"), "El archivo ventas.csv está vacío.");
    EXPECT_EQ(motivo(QByteArray("PK\x03\x04\0\0\x08\0", 8)),
              "El archivo ventas.csv no es un archivo de texto con valores separados por coma, punto y coma o "
              "tabulador.");
    EXPECT_EQ(motivo("a;1\nb;2\n\n\"c;3\nd;4\n"),
              "La línea 4 del archivo ventas.csv tiene comillas sin cerrar o mal puestas.");
    EXPECT_EQ(motivo("a;1\nb\"x;2\n"), "La línea 2 del archivo ventas.csv tiene comillas sin cerrar o mal puestas.");

    // A huge file is refused by its size, before it is read.
    QTemporaryDir carpeta;
    QFile grande(carpeta.filePath(QStringLiteral("grande.csv")));
    ASSERT_TRUE(grande.open(QIODevice::WriteOnly) && grande.resize(100LL * 1024 * 1024));
    grande.close();
    try {
        leerArchivoCsv(grande.fileName());
        FAIL() << "se leyó";
    } catch (const Error& error) {
        EXPECT_EQ(error.descripcion(), "El archivo grande.csv tiene 100,0 MB; se importan archivos de hasta 32 MB.");
    }
}

TEST(LecturaCsv, ImportesYFechasComoLosEscribeLaGente)
{
    // The decimal separator the amounts of a file agree on, and each amount as typed in the boxes.
    struct Caso {
        QStringList importes;
        char separadorCampos;
        QStringList escritos;
    };
    const std::vector<Caso> casos = {
        {{"1.234,50", "12,5", "7"}, ';', {"1.234,50", "12,5", "7"}},
        {{"1,234.50", "12.5", "$ 7"}, ',', {"1.234,50", "12,5", "7"}},
        {{"1.234", "5"}, ';', {"1.234", "5"}},  // nothing tells: ';' files write ','
        {{"1.234", "5"}, ',', {"1,234", "5"}},  // ',' files write '.'
        {{"1 234,5", "-3,25", "12,345.6"}, '\t', {"1.234,5", "-3,25", "12,345.6"}},  // the odd one stays unreadable
        {{"abc", "1.2.3"}, ';', {"abc", "1.2.3"}},
    };
    for (const Caso& caso : casos) {
        std::vector<QString> importes(caso.importes.begin(), caso.importes.end());
        const QChar decimal = separadorDecimal(importes, caso.separadorCampos);
        QStringList escritos;
        for (const QString& importe : caso.importes)
            escritos += importeComoSeEscribe(importe, decimal);
        EXPECT_EQ(escritos, caso.escritos) << caso.importes.join(' ').toStdString();
    }

    EXPECT_EQ(leerFechaCsv(QStringLiteral("5/3/2004")), QDate(2004, 3, 5));
    EXPECT_EQ(leerFechaCsv(QStringLiteral("2004-03-05")), QDate(2004, 3, 5));
    EXPECT_FALSE(leerFechaCsv(QStringLiteral("31/04/2005"))->isValid());
    EXPECT_FALSE(leerFechaCsv(QStringLiteral("5")).has_value());
}
