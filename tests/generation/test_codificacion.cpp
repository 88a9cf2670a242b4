// Fields, CUITs and the verification number of the submission records.

#include "core/instalacion.h"
#include "generation/codificacion.h"
#include "generation/numero_verificacion.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/archivos.h"

namespace {

using namespace veluma;

QString campo(QVariant valor, int largo, int decimales) { return FormatearCampo(valor, largo, decimales); }

QString cuit(const QVariant& valor, int conGuiones)
{
    QVariant copia = valor;
    return FormatearCuit(copia, conGuiones);
}

bool cuitValido(QString texto) { return ValidarCuit(texto, true, true, true, true); }

// ---- Fields -----------------------------------------------------------------

TEST(CodificacionCampo, NumerosConDecimalesImplicitos)
{
    EXPECT_EQ(campo(1234.5, 15, 2), "000000000123450");
    EXPECT_EQ(campo(7, 6, 0), "000007");
    EXPECT_EQ(campo(0.005, 15, 2), "000000000000001");
    EXPECT_EQ(campo(1.005, 6, 2), "000101");
    EXPECT_EQ(campo(0.004, 3, 2), "000");
    EXPECT_EQ(campo(qlonglong(20123456786), 15, 0), "000020123456786");
    EXPECT_EQ(campo(999999.995, 9, 2), "100000000");
    // Too large for the width: the whole figure, never cut.
    EXPECT_EQ(campo(1234567, 4, 0), "1234567");
    EXPECT_EQ(campo(123.456, 4, 2), "12346");
}

TEST(CodificacionCampo, TextosNumericosYLoQueQuedaEnCero)
{
    EXPECT_EQ(campo(QStringLiteral("1234.5"), 15, 2), "000000000123450");
    EXPECT_EQ(campo(QStringLiteral(" +.5 "), 3, 1), "005");
    EXPECT_EQ(campo(QStringLiteral("1e3"), 5, 0), "01000");

    const QVariant casos[] = {QVariant(-3),
                              QVariant(-0.001),
                              QVariant(QStringLiteral("-3")),
                              QVariant(QStringLiteral("12abc")),
                              QVariant(QStringLiteral("1,5")),
                              QVariant(QStringLiteral("")),
                              QVariant(QStringLiteral("1e999")),
                              QVariant(),
                              QVariant(true)};
    for (const QVariant& caso : casos) {
        QVariant valor = caso;
        EXPECT_EQ(FormatearCampo(valor, 6, 0), "000000") << caso.toString().toStdString();
        // The caller's variable takes the zero as well.
        EXPECT_EQ(valor, QVariant(0)) << caso.toString().toStdString();
    }
    QVariant positivo = 12.5;
    FormatearCampo(positivo, 6, 2);
    EXPECT_EQ(positivo, QVariant(12.5));
}

TEST(CodificacionCampo, TextoAlineadoALaIzquierda)
{
    EXPECT_EQ(campo(QStringLiteral("DJ SIN PLAN"), 0, 25),
              QStringLiteral("DJ SIN PLAN") + QString(14, QLatin1Char(' ')));
    EXPECT_EQ(campo(QStringLiteral(""), 0, 5), "     ");
    EXPECT_EQ(campo(QVariant(), 0, 3), "   ");
    EXPECT_EQ(campo(QStringLiteral("ABCDEF"), 0, 3), "ABCDEF");
    EXPECT_EQ(campo(-3, 0, 4), "-3  ");
}

// ---- CUIT -------------------------------------------------------------------

TEST(CodificacionCuit, FormaYDigitoVerificador)
{
    for (const char* demo : {"30-70451826-5", "30715482033", "30-69587412-6", "30708251638", "20-12345678-6"})
        EXPECT_TRUE(cuitValido(QString::fromLatin1(demo))) << demo;
    // A remainder of 0 gives check digit 0.
    EXPECT_TRUE(cuitValido(QStringLiteral("20123456700")));
    // A remainder of 1 would need a check digit of 10: no digit is right.
    for (int digito = 0; digito <= 9; ++digito)
        EXPECT_FALSE(cuitValido(QStringLiteral("2012345676%1").arg(digito))) << digito;
    EXPECT_FALSE(cuitValido(QStringLiteral("30-70451826-4")));

    for (const char* mal : {"", "2012345678", "201234567860", "2-012345678-6", "20-1234567a-6", "20-12345678-6 ",
                            "-20123456786"})
        EXPECT_FALSE(cuitValido(QString::fromLatin1(mal))) << mal;

    // Numeric texts are read through their number first.
    QString conCero = QStringLiteral("020123456786");
    EXPECT_TRUE(ValidarCuit(conCero, false, false, false, false));
    EXPECT_EQ(conCero, "20123456786");
    QString conDecimales = QStringLiteral(" 20123456786.0");
    EXPECT_TRUE(ValidarCuit(conDecimales, true, false, true, false));
    EXPECT_EQ(conDecimales, "20123456786");
}

TEST(CodificacionCuit, ConYSinGuiones)
{
    EXPECT_EQ(cuit(QStringLiteral("30-70451826-5"), 0), "30704518265");
    EXPECT_EQ(cuit(QStringLiteral("30-70451826-5"), 1), "30-70451826-5");
    EXPECT_EQ(cuit(QStringLiteral("30715482033"), 1), "30-71548203-3");
    EXPECT_EQ(cuit(QStringLiteral("30715482033"), 0), "30715482033");
    EXPECT_EQ(cuit(QStringLiteral(" 30715482033 "), -1), "30-71548203-3");
    EXPECT_EQ(cuit(QStringLiteral("020123456786"), 1), "20-12345678-6");
    EXPECT_EQ(cuit(qlonglong(30708251638), 1), "30-70825163-8");

    // Not a CUIT: given back as it came.
    EXPECT_EQ(cuit(QStringLiteral("30715482034"), 1), "30715482034");
    EXPECT_EQ(cuit(QStringLiteral("30-71548203-4"), 0), "30-71548203-4");
    EXPECT_EQ(cuit(QStringLiteral(" 30-7154820-33"), 0), " 30-7154820-33");
    EXPECT_EQ(cuit(QStringLiteral("30-70451826-5-9"), 0), "30-70451826-5-9");
    EXPECT_EQ(cuit(QVariant(), 1), "");
}

// ---- Small helpers ------------------------------------------------------------

TEST(CodificacionAuxiliares, TextosYFechas)
{
    QString registro = QStringLiteral("A\tB\r\nC") + QChar(1) + QChar(0) + QStringLiteral("ñ~");
    EXPECT_EQ(LimpiarCaracteres(registro), QStringLiteral("A B  C  ñ~"));
    EXPECT_EQ(registro, QStringLiteral("A B  C  ñ~"));

    EXPECT_EQ(FormatearFecha(QDate(2001, 5, 9)), "20010509");
    EXPECT_EQ(FormatearFecha(QDate()), "00000000");
    EXPECT_EQ(FormatearFecha(QDate(2001, 2, 30)), "00000000");

    EXPECT_EQ(CortarEnNulo(QString::fromLatin1("ABC\0DEF", 7)), "ABC");
    EXPECT_EQ(CortarEnNulo(QStringLiteral("ABC")), "ABC");

    QString ruta = QStringLiteral("/tmp/trabajo  ");
    AgregarBarra(ruta);
    EXPECT_EQ(ruta, "/tmp/trabajo/");
    ruta = QStringLiteral("/tmp/trabajo/ ");
    AgregarBarra(ruta);
    EXPECT_EQ(ruta, "/tmp/trabajo/");
}

TEST(CodificacionAuxiliares, DirectorioDeTrabajoSeCreaCuandoFalta)
{
    QTemporaryDir raiz;
    ASSERT_TRUE(raiz.isValid());
    const Version version{1, 0, 0};

    const QString anidada = raiz.filePath(QStringLiteral("windows/temp"));
    EXPECT_EQ(DirectorioWindows(Instalacion(raiz.filePath(QStringLiteral("veluma")), QStringLiteral("veluma"), version,
                                            anidada)),
              anidada + QLatin1Char('/'));
    EXPECT_TRUE(QFileInfo(anidada).isDir());

    const QString programa = raiz.filePath(QStringLiteral("veluma"));
    EXPECT_EQ(DirectorioWindows(Instalacion(programa, QStringLiteral("veluma"), version)), programa + "/trabajo/");
    EXPECT_TRUE(QFileInfo(programa + "/trabajo").isDir());

    // A file in the way: no folder, so no path.
    const QString archivo = raiz.filePath(QStringLiteral("ocupado"));
    test::escribirArchivo(archivo, "x");
    EXPECT_EQ(DirectorioWindows(Instalacion(programa, QStringLiteral("veluma"), version, archivo + "/temp")), "");
}

// ---- Verification number ----------------------------------------------------

TEST(CodificacionVerificacion, SumaDeControlCcitt)
{
    EXPECT_EQ(FuncionVerificacion("123456789", "", "", ""), qint16(0x29B1));
    EXPECT_EQ(FuncionVerificacion("12", "345", "6", "789"), qint16(0x29B1));
    // Read as signed: 0xB915 and, with no data at all, the initial 0xFFFF.
    EXPECT_EQ(FuncionVerificacion("A", "", "", ""), -18155);
    EXPECT_EQ(FuncionVerificacion("", "", "", ""), -1);
}

TEST(CodificacionVerificacion, DigitosConLaHora)
{
    EXPECT_EQ(DigitosVerificacion(-1, QStringLiteral("134759")), "765535");
    EXPECT_EQ(DigitosVerificacion(-32768, QStringLiteral("134759")), "732768");
    EXPECT_EQ(DigitosVerificacion(10673, QStringLiteral("123456")), "410673");
    EXPECT_EQ(DigitosVerificacion(0, QStringLiteral("235959")), "900000");
}

TEST(CodificacionVerificacion, NumeroDeUnaDeclaracion)
{
    // Fields 000030704518265 000000002001050 000000000123450 000000000134759:
    // CRC 34099 (0x8533).
    const QString esperado = QStringLiteral("734099");
    EXPECT_EQ(CalcularNVerif(QStringLiteral("30-70451826-5"), 200105, 0, QStringLiteral("1234.50"),
                             QStringLiteral("134759")),
              esperado);
    EXPECT_EQ(CalcularNVerif(QStringLiteral("30704518265"), 200105, 0, QStringLiteral("1234,50"),
                             QStringLiteral("134759")),
              esperado);
    EXPECT_EQ(CalcularNVerif(QStringLiteral("30704518265"), 200105, 0, QStringLiteral("1.234,50"),
                             QStringLiteral("134759")),
              esperado);

    // 000030715482033 000000002001052 000000000000001 000000000102530: CRC 65383.
    EXPECT_EQ(CalcularNVerif(QStringLiteral("30715482033"), 200105, 2, QStringLiteral("0.005"),
                             QStringLiteral("102530")),
              "565383");
    // 000030695874126 000000002024123 000000098765432 000000000235959: CRC 35293.
    EXPECT_EQ(CalcularNVerif(QStringLiteral("30-69587412-6"), 202412, 3, QStringLiteral("987654.32"),
                             QStringLiteral("235959")),
              "935293");
    // A CUIT with dashes that is not valid stays as it is, so it and an amount
    // that is not a number count as zero:
    // 000000000000000 000000002001050 000000000000000 000000000134759.
    EXPECT_EQ(CalcularNVerif(QStringLiteral("30-70451826-4"), 200105, 0, QStringLiteral("abc"),
                             QStringLiteral("134759")),
              "748783");
}

}  // namespace
