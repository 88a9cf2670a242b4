// Fields, CUITs, characters and the verification number of the submission records.

#include "core/instalacion.h"
#include "generation/codificacion.h"
#include "generation/windows1252.h"
#include "support/archivos.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using namespace veluma;

std::string nombre(const QVariant& valor)
{
    return valor.toString().toStdString() + " (" + (valor.isValid() ? valor.typeName() : "nulo") + ")";
}

TEST(CodificacionCampo, NumerosYTextosConSuAncho)
{
    const struct {
        QVariant valor;
        int largo, decimales;
        QString campo;
    } casos[] = {
        {1234.5, 15, 2, "000000000123450"}, {7, 6, 0, "000007"}, {qlonglong(20123456786), 15, 0, "000020123456786"},
        // Half away from zero on the decimal, not on the binary value.
        {0.005, 15, 2, "000000000000001"}, {1.005, 6, 2, "000101"}, {0.004, 3, 2, "000"},
        {999999.995, 9, 2, "100000000"},
        // Too large for the width: the whole figure, never cut.
        {1234567, 4, 0, "1234567"}, {123.456, 4, 2, "12346"},
        {"1234.5", 15, 2, "000000000123450"}, {" +.5 ", 3, 1, "005"}, {"1e3", 5, 0, "01000"},
        // Text fields: left-aligned in `decimales` characters, never cut.
        {"DJ SIN PLAN", 0, 25, "DJ SIN PLAN              "}, {"", 0, 5, "     "}, {QVariant(), 0, 3, "   "},
        {"ABCDEF", 0, 3, "ABCDEF"}, {-3, 0, 4, "-3  "},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(nombre(caso.valor));
        QVariant valor = caso.valor;
        EXPECT_EQ(FormatearCampo(valor, caso.largo, caso.decimales), caso.campo);
        EXPECT_EQ(valor, caso.valor);
    }
}

TEST(CodificacionCampo, LoQueNoEsUnNumeroPositivoQuedaEnCeroTambienEnLaVariable)
{
    for (const QVariant& caso : {QVariant(-3), QVariant(-0.001), QVariant("-3"), QVariant("12abc"), QVariant("1,5"),
                                 QVariant(""), QVariant("1e999"), QVariant(), QVariant(true)}) {
        SCOPED_TRACE(nombre(caso));
        QVariant valor = caso;
        EXPECT_EQ(FormatearCampo(valor, 6, 0), "000000");
        EXPECT_EQ(valor, QVariant(0));
    }
}

// A CUIT that is not valid comes back as it came; the records take the CUIT only through here.
TEST(CodificacionCuit, ConYSinGuionesSoloSiElDigitoVerificadorEsCorrecto)
{
    struct Caso {
        QVariant cuit;
        int conGuiones;
        QString texto;
    };
    QList<Caso> casos{
        {"30-70451826-5", 0, "30704518265"},    {"30-70451826-5", 1, "30-70451826-5"},
        {"30715482033", 1, "30-71548203-3"},    {"30715482033", 0, "30715482033"},
        {" 30715482033 ", -1, "30-71548203-3"}, {"30-69587412-6", 0, "30695874126"},
        {"30708251638", 1, "30-70825163-8"},    {qlonglong(30708251638), 1, "30-70825163-8"},
        {"20123456700", 1, "20-12345670-0"},   // a remainder of 0 gives check digit 0
        {"020123456786", 1, "20-12345678-6"},  // numeric texts are read through their number
        {" 20123456786.0", 1, "20-12345678-6"}, {QVariant(), 1, ""},
    };
    for (const char* malo : {"30715482034", "30-70451826-4", "", "2012345678", "201234567860", "2-012345678-6",
                             "20-1234567a-6", " 30-7154820-33", "30-70451826-5-9", "-20123456786"})
        casos.append({malo, 1, malo});
    // A remainder of 1 would need a check digit of 10: no digit is right.
    for (int digito = 0; digito <= 9; ++digito)
        casos.append({QStringLiteral("2012345676%1").arg(digito), 1, QStringLiteral("2012345676%1").arg(digito)});
    for (const Caso& caso : casos) {
        QVariant cuit = caso.cuit;
        EXPECT_EQ(FormatearCuit(cuit, caso.conGuiones), caso.texto) << nombre(caso.cuit) << " " << caso.conGuiones;
        EXPECT_EQ(cuit, caso.cuit);
    }
}

TEST(CodificacionAuxiliares, RegistrosYCarpetaDeTrabajo)
{
    QString registro = QStringLiteral("A\tB\r\nC") + QChar(1) + QChar(0) + QStringLiteral("ñ~");
    EXPECT_EQ(LimpiarCaracteres(registro), "A B  C  ñ~");
    EXPECT_EQ(registro, "A B  C  ñ~");

    // The folder given (the WINDIR of the old system) or trabajo/, made when missing.
    QTemporaryDir raiz;
    const Version version{1, 0, 0};
    const QString programa = raiz.filePath("veluma");
    const QString anidada = raiz.filePath("windows/temp");
    EXPECT_EQ(DirectorioWindows(Instalacion(programa, "veluma", version, anidada)), anidada + '/');
    EXPECT_TRUE(QFileInfo(anidada).isDir());
    EXPECT_EQ(DirectorioWindows(Instalacion(programa, "veluma", version)), programa + "/trabajo/");
    EXPECT_TRUE(QFileInfo(programa + "/trabajo").isDir());
    // A file in the way: no folder, so no path.
    test::escribirArchivo(raiz.filePath("ocupado"), "x");
    EXPECT_EQ(DirectorioWindows(Instalacion(programa, "veluma", version, raiz.filePath("ocupado/temp"))), "");
}

// The checksum and its digits are checked through the whole number, worked out field by field.
TEST(CodificacionVerificacion, NumeroDeUnaDeclaracion)
{
    const struct {
        const char* cuit;
        int periodo, secuencia;
        const char* importe;
        const char* hora;
        QString numero;
    } casos[] = {
        // Fields 000030704518265 000000002001050 000000000123450 000000000134759: CRC 34099 (0x8533).
        {"30-70451826-5", 200105, 0, "1234.50", "134759", "734099"},
        {"30704518265", 200105, 0, "1234,50", "134759", "734099"},
        {"30704518265", 200105, 0, "1.234,50", "134759", "734099"},
        // 000030715482033 000000002001052 000000000000001 000000000102530: CRC 65383.
        {"30715482033", 200105, 2, "0.005", "102530", "565383"},
        // 000030695874126 000000002024123 000000098765432 000000000235959: CRC 35293.
        {"30-69587412-6", 202412, 3, "987654.32", "235959", "935293"},
        // A CUIT with dashes that is not valid stays as it is, so it and an amount that is not a number count
        // as zero: 000000000000000 000000002001050 000000000000000 000000000134759.
        {"30-70451826-4", 200105, 0, "abc", "134759", "748783"},
    };
    for (const auto& caso : casos)
        EXPECT_EQ(CalcularNVerif(caso.cuit, caso.periodo, caso.secuencia, caso.importe, caso.hora), caso.numero)
            << caso.cuit << " " << caso.importe;
}

TEST(CodificacionWindows1252, UnBytePorCaracter)
{
    EXPECT_EQ(aWindows1252("AÑéÿ€漢"), QByteArray("A\xD1\xE9\xFF\x80?"));
    EXPECT_EQ(aWindows1252("€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ"),
              QByteArray("\x80\x82\x83\x84\x85\x86\x87\x88\x89\x8A\x8B\x8C\x8E\x91\x92\x93\x94\x95\x96\x97"
                         "\x98\x99\x9A\x9B\x9C\x9E\x9F"));
    // A C1 control would otherwise read back as one of the specials; one character outside the basic plane is
    // two QChars and two bytes, so the width of a field does not change.
    EXPECT_EQ(aWindows1252(QString(QChar(0x81)) + QChar(0x9D)), QByteArray("??"));
    EXPECT_EQ(aWindows1252("a😀b"), QByteArray("a??b"));
}

}  // namespace
