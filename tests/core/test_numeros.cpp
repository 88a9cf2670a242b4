#include "core/decimal.h"
#include "core/error.h"
#include "core/numeros.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using veluma::Decimal;
using veluma::formatearNumero;
using veluma::leerNumero;
using veluma::redondear;
using veluma::Val;

TEST(NumerosDecimal, TakesTheFifteenDigitTextOfTheDouble)
{
    EXPECT_EQ(Decimal(1.005).toString(), "1.005");
    EXPECT_EQ(Decimal(0.1 + 0.2).toString(), "0.3");
    EXPECT_EQ(Decimal(1e20).toString(), "100000000000000000000");
    EXPECT_EQ(Decimal(1.5e-7).toString(), "0.00000015");
    EXPECT_EQ(Decimal(1.5e-7).rounded(7).toString(), "0.0000002");
    EXPECT_EQ(Decimal(-0.0).toString(), "0");
    EXPECT_FALSE(Decimal(-0.0).isNegative());

    const Decimal d(-1234.5);
    EXPECT_TRUE(d.isNegative());
    EXPECT_EQ(d.integerDigits(), "1234");
    EXPECT_EQ(d.fractionDigits(), "5");
    EXPECT_EQ(Decimal(0.25).integerDigits(), "");

    EXPECT_THROW(Decimal(std::numeric_limits<double>::infinity()), veluma::Error);
    EXPECT_THROW(Decimal(std::nan("")), veluma::Error);
    EXPECT_THROW(Decimal(1.0).rounded(-1), veluma::Error);
}

TEST(NumerosRedondear, HalfAwayFromZeroOnTheDecimal)
{
    EXPECT_EQ(redondear(1.005, 2), 1.01);
    EXPECT_EQ(redondear(0.005 * 100, 0), 1.0);
    EXPECT_EQ(redondear(-2.5, 0), -3.0);
    EXPECT_EQ(redondear(2.5, 0), 3.0);
    EXPECT_EQ(redondear(2.675, 2), 2.68);
    EXPECT_EQ(redondear(1.0049999, 2), 1.0);
    EXPECT_EQ(redondear(999.995, 2), 1000.0);
    EXPECT_EQ(redondear(9.09090909, 4), 9.0909);
    EXPECT_EQ(redondear(1234567.891, 2), 1234567.89);

    const double cero = redondear(-0.001, 2);
    EXPECT_EQ(cero, 0.0);
    EXPECT_FALSE(std::signbit(cero));
}

TEST(NumerosFormatear, EveryMaskInUse)
{
    struct Caso {
        double valor;
        const char* mascara;
        const char* esperado;
    };
    const Caso casos[] = {
        {1234.5, "#,###,###,###,##0.00", "1.234,50"},
        {1234567890123.456, "#,###,###,###,##0.00", "1.234.567.890.123,46"},
        {0.0, "#,###,###,###,##0.00", "0,00"},
        {9.09090909, "##0.0000", "9,0909"},
        {0.00005, "##0.0000", "0,0001"},
        {12345.6, "##0.0000", "12345,6000"},
        {0.0, "#,###,##0.00", "0,00"},
        {-1234567.891, "#,###,##0.00", "-1.234.567,89"},
        {999999.995, "#,###,##0.00", "1.000.000,00"},
        {1.005, "##0.00", "1,01"},
        {0.5, "###.00", ",50"},
        {-0.5, "###.00", "-,50"},
        {12.345, "###.00", "12,35"},
        {0.0, "###,###", ""},
        {0.4, "###,###", ""},
        {0.5, "###,###", "1"},
        {1234.0, "###,###", "1.234"},
        {1234567.0, "###,###", "1.234.567"},
        {2.725, "0.00", "2,73"},
        {-0.001, "0.00", "0,00"},
        {-0.005, "0.00", "-0,01"},
        {1234.5, "0.00", "1234,50"},
        {5.0, "0.0000", "5,0000"},
        {-2.5, "0.0000", "-2,5000"},
        {7.0, "00", "07"},
        {123.0, "00", "123"},
        {2.5, "00", "03"},
        {7.0, "000", "007"},
        {1234.0, "000", "1234"},
        {42.0, "000000", "000042"},
        {32004.0, "00/0000", "03/2004"},
        {122004.0, "00/0000", "12/2004"},
        {1232004.0, "00/0000", "123/2004"},
        {1234.5, "standard", "1.234,50"},
        {-0.5, "Standard", "-0,50"},
        {1e15, "STANDARD", "1.000.000.000.000.000,00"},
    };
    for (const Caso& c : casos) {
        EXPECT_EQ(formatearNumero(c.valor, QString::fromLatin1(c.mascara)), QString::fromLatin1(c.esperado))
            << c.valor << " " << c.mascara;
    }
}

TEST(NumerosFormatear, UnknownMaskIsAProgrammingFault)
{
    for (const char* mascara : {"0.000", "#,##0.00", "", "yyyymmdd", "0,00"})
        EXPECT_THROW(formatearNumero(1.0, QString::fromLatin1(mascara)), veluma::Error) << mascara;
}

TEST(NumerosLeer, WhatTheUserTypes)
{
    EXPECT_EQ(leerNumero("1234,5"), 1234.5);
    EXPECT_EQ(leerNumero("1.234,5"), 1234.5);
    EXPECT_EQ(leerNumero("1.234.567"), 1234567.0);
    EXPECT_EQ(leerNumero(" -0,5 "), -0.5);
    EXPECT_EQ(leerNumero("+12"), 12.0);
    EXPECT_EQ(leerNumero(",5"), 0.5);
    EXPECT_EQ(leerNumero("5,"), 5.0);
    EXPECT_EQ(leerNumero("9,0909"), 9.0909);
    EXPECT_EQ(leerNumero("0,1"), 0.1);
    EXPECT_EQ(leerNumero("123456789012,34"), 123456789012.34);

    const std::optional<double> menosCero = leerNumero("-0");
    ASSERT_TRUE(menosCero);
    EXPECT_FALSE(std::signbit(*menosCero));

    for (const char* texto : {"", "  ", "abc", "1,2,3", "1.23,4", "1.2345", "12a", "1e5", "-", ",", ".5", "1.",
                              "1..234", "- 1", "1 234", "1.234.56", "1" "\xd9\xa3"}) {
        EXPECT_EQ(leerNumero(QString::fromUtf8(texto)), std::nullopt) << texto;
    }
    EXPECT_EQ(leerNumero("1" + QString(400, QLatin1Char('0'))), std::nullopt);
}

TEST(NumerosVal, LeadingNumberWithPointDecimal)
{
    EXPECT_EQ(Val("10,5"), 10.0);
    EXPECT_EQ(Val("  12.5abc"), 12.5);
    EXPECT_EQ(Val("\t\r\n 7"), 7.0);
    EXPECT_EQ(Val("abc"), 0.0);
    EXPECT_EQ(Val(""), 0.0);
    EXPECT_EQ(Val("-3"), -3.0);
    EXPECT_EQ(Val("+4"), 4.0);
    EXPECT_EQ(Val(".5"), 0.5);
    EXPECT_EQ(Val("-.5"), -0.5);
    EXPECT_EQ(Val("1.2.3"), 1.2);
    EXPECT_EQ(Val("1e3"), 1000.0);
    EXPECT_EQ(Val("1.5E-2x"), 0.015);
    EXPECT_EQ(Val("2d2"), 200.0);
    EXPECT_EQ(Val("1e"), 1.0);
    EXPECT_EQ(Val("1e+"), 1.0);
    EXPECT_EQ(Val("."), 0.0);
    EXPECT_EQ(Val("- 3"), 0.0);
    EXPECT_EQ(Val("1e-400"), 0.0);
    EXPECT_EQ(Val("0.1"), 0.1);
    EXPECT_FALSE(std::signbit(Val("-0")));

    try {
        Val("1e400");
        ADD_FAILURE() << "1e400 fits no double";
    } catch (const veluma::Error& e) {
        EXPECT_EQ(e.numero(), 6);
        EXPECT_EQ(e.descripcion(), QStringLiteral("Desbordamiento"));
    }
    EXPECT_THROW(Val("1e99999999999999999999"), veluma::Error);
}
