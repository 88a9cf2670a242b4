// Numbers and dates as the fields, the masks and the user write them.

#include "core/decimal.h"
#include "core/fechas.h"
#include "core/numeros.h"
#include "support/errores.h"

#include <cmath>
#include <ctime>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <tuple>

using namespace veluma;

namespace {

TEST(NumerosDecimal, ExactOnTheFifteenDigitTextOfTheDoubleOrThrows)
{
    const QString ceros40(40, QLatin1Char('0'));
    const std::pair<QString, QString> casos[] = {
        {Decimal(1.005).toString(), "1.005"},     {Decimal(0.1 + 0.2).toString(), "0.3"},
        {Decimal(-0.0).toString(), "0"},          {Decimal(-0.004).rounded(2).toString(), "0"},
        {Decimal(-2.5).rounded(0).toString(), "-3"}, {Decimal(1.5e-7).rounded(7).toString(), "0.0000002"},
        {Decimal(1e20).toString(), "100000000000000000000"},
        {Decimal(1e300).toString(), "1" + QString(300, QLatin1Char('0'))},
        {Decimal(5e-324).toString(), "0." + QString(323, QLatin1Char('0')) + "494065645841247"},
        {(Decimal(123456789012345.0) * Decimal(-123456789012345.0)).toString(), "-15241578753238669120562399025"},
        // Past 2^128 only as a power of ten, which the exponent keeps.
        {(Decimal(1e20) * Decimal(1e20)).toString(), "1" + ceros40},
        {Decimal::quotient(Decimal(1e20), Decimal(1e-20), 0).toString(), "1" + ceros40},
        {Decimal::quotient(Decimal(2), Decimal(3), 38).toString(), "0.66666666666666666666666666666666666667"},
        {Decimal::quotient(Decimal(1), Decimal(8), 2).toString(), "0.13"},
        {Decimal::quotient(Decimal(-5), Decimal(2), 0).toString(), "-3"},
        {Decimal::quotient(Decimal(1), Decimal(3e30), 2).toString(), "0"},
        // What the fixed-width fields and the masks write: decimals and digits.
        {QString::number(Decimal(-1234.5).decimales()) + QString::number(Decimal(1e20).decimales())
             + QString::number(Decimal(0.0625).decimales()) + QString::number(Decimal(100.0).decimales()),
         "1040"},
        {QString::fromStdString(Decimal(12.5).digitos(2) + '|' + Decimal(0.05).digitos(2) + '|'
                                + Decimal(0.0).digitos(3)),
         "1250|5|"},
    };
    for (const auto& [obtenido, esperado] : casos)
        EXPECT_EQ(obtenido, esperado);
    EXPECT_FALSE(Decimal(-0.004).rounded(2).isNegative());
    EXPECT_EQ((Decimal(1e-300) * Decimal(1e-10)).toDouble(), 1e-310);
    EXPECT_EQ(Decimal::quotient(Decimal(1e300), Decimal(1e-5), 0).toDouble(), 1e305);

    // What cannot be held or meant throws.
    const Decimal enorme = Decimal(123456789012345.0) * Decimal(987654321098765.0);
    const std::pair<std::function<void()>, int> fallos[] = {
        {[] { (void)Decimal(std::numeric_limits<double>::infinity()); }, 6},
        {[] { (void)Decimal(std::nan("")); }, 6},
        {[&] { (void)(enorme * enorme); }, 6},
        {[] { (void)Decimal::quotient(Decimal(2), Decimal(3), 40); }, 6},
        {[] { (void)Decimal(std::numeric_limits<double>::max()).toDouble(); }, 6},
        {[] { (void)(Decimal(1e300) * Decimal(1e10)).toDouble(); }, 6},
        {[] { (void)Decimal(1.0).rounded(-1); }, 5},
        {[] { (void)Decimal::quotient(Decimal(1), Decimal(1), -1); }, 5},
        {[] { (void)Decimal(1.25).digitos(1); }, 5},
        {[] { (void)Decimal::quotient(Decimal(1), Decimal(0), 2); }, 11},
        {[] { Val("1e99999999999999999999"); }, 6},
    };
    for (std::size_t i = 0; i < std::size(fallos); ++i)
        EXPECT_EQ(test::errorDe(fallos[i].first).section(':', 0, 0).toInt(), fallos[i].second) << "caso " << i;
    EXPECT_EQ(test::errorDe([] { Val("1e400"); }), "6: Desbordamiento");
}

// Half away from zero on the decimal text, then as the masks write it.
TEST(NumerosRedondear, HalfAwayFromZeroAndEveryMask)
{
    const std::pair<double, double> casos[] = {
        {redondear(1.005, 2), 1.01},      {redondear(0.005 * 100, 0), 1.0},  {redondear(-2.5, 0), -3.0},
        {redondear(2.5, 0), 3.0},         {redondear(2.675, 2), 2.68},       {redondear(1.0049999, 2), 1.0},
        {redondear(999.995, 2), 1000.0},  {redondear(9.09090909, 4), 9.0909}, {redondear(1234567.891, 2), 1234567.89},
    };
    for (const auto& [obtenido, esperado] : casos)
        EXPECT_EQ(obtenido, esperado);
    EXPECT_FALSE(std::signbit(redondear(-0.001, 2)));

    // Every mask in use.
    const std::tuple<double, const char*, const char*> mascaras[] = {
        {1234567890123.456, "#,###,###,###,##0.00", "1.234.567.890.123,46"}, {0.0, "#,###,###,###,##0.00", "0,00"},
        {9.09090909, "##0.0000", "9,0909"},    {0.00005, "##0.0000", "0,0001"},   {12345.6, "##0.0000", "12345,6000"},
        {0.0, "#,###,##0.00", "0,00"},         {-1234567.891, "#,###,##0.00", "-1.234.567,89"},
        {999999.995, "#,###,##0.00", "1.000.000,00"},                             {1.005, "##0.00", "1,01"},
        {0.5, "###.00", ",50"},                {-0.5, "###.00", "-,50"},          {12.345, "###.00", "12,35"},
        {0.4, "###,###", ""},                  {0.5, "###,###", "1"},             {1234567.0, "###,###", "1.234.567"},
        {2.725, "0.00", "2,73"},               {-0.001, "0.00", "0,00"},          {-0.005, "0.00", "-0,01"},
        {1234.5, "0.00", "1234,50"},           {-2.5, "0.0000", "-2,5000"},       {123.0, "00", "123"},
        {2.5, "00", "03"},                     {7.0, "000", "007"},               {42.0, "000000", "000042"},
        {32004.0, "00/0000", "03/2004"},       {1232004.0, "00/0000", "123/2004"}, {-0.5, "Standard", "-0,50"},
        {1e15, "STANDARD", "1.000.000.000.000.000,00"},
    };
    for (const auto& [valor, mascara, esperado] : mascaras)
        EXPECT_EQ(formatearNumero(valor, QString::fromLatin1(mascara)), QString::fromLatin1(esperado))
            << valor << " " << mascara;
    // An unknown mask, a programming fault, is refused with its message by the stored queries' Format.
}

TEST(NumerosLeer, WhatTheUserTypesAndWhatValReads)
{
    const std::pair<const char*, double> casos[] = {
        {"1234,5", 1234.5}, {"1.234,5", 1234.5}, {"1.234.567", 1234567.0}, {" -0,5 ", -0.5},
        {"+12", 12.0},      {",5", 0.5},         {"5,", 5.0},              {"9,0909", 9.0909},
        {"0,1", 0.1},       {"123456789012,34", 123456789012.34},
    };
    for (const auto& [texto, valor] : casos)
        EXPECT_EQ(leerNumero(texto), valor) << texto;
    EXPECT_FALSE(std::signbit(leerNumero("-0").value_or(-1.0)));

    for (const char* texto : {"", "  ", "abc", "1,2,3", "1.23,4", "1.2345", "12a", "1e5", "-", ",", ".5", "1.",
                              "1..234", "- 1", "1 234", "1.234.56", "1" "\xd9\xa3"})
        EXPECT_EQ(leerNumero(QString::fromUtf8(texto)), std::nullopt) << texto;
    EXPECT_EQ(leerNumero("1" + QString(400, QLatin1Char('0'))), std::nullopt);

    // Val, as the stored queries use it: the leading number, with a decimal point.
    const std::pair<const char*, double> deVal[] = {
        {"10,5", 10.0}, {"  12.5abc", 12.5}, {"\t\r\n 7", 7.0}, {"abc", 0.0}, {"", 0.0},    {"-3", -3.0},   {"+4", 4.0},
        {".5", 0.5},    {"-.5", -0.5},       {"1.2.3", 1.2},   {"1e3", 1000.0}, {"1.5E-2x", 0.015}, {"2d2", 200.0},
        {"1e", 1.0},    {"1e+", 1.0},        {".", 0.0},       {"- 3", 0.0},    {"1e-400", 0.0},  {"0.1", 0.1},
    };
    for (const auto& [texto, valor] : deVal)
        EXPECT_EQ(Val(texto), valor) << texto;
    EXPECT_FALSE(std::signbit(Val("-0")));
}

TEST(Fechas, EnPantallaYGuardadas)
{
    EXPECT_EQ(formatearFecha(QDate(2004, 3, 1)) + '|' + formatearFecha(QDate()), "01/03/2004|");
    EXPECT_EQ(leerFecha("01/03/2004"), QDate(2004, 3, 1));
    EXPECT_EQ(leerFecha("  29/02/2004 "), QDate(2004, 2, 29));
    for (const char* texto : {"", "30/02/2004", "31/04/2004", "00/01/2004", "01/00/2004", "01/13/2004",
                              "29/02/2005", "00/00/0000", "1/3/2004", "01/03/04", "01-03-2004", "2004-03-01",
                              "01/03/2004x", "01/03/ 2004", "\xd9\xa1\xd9\xa1/03/2004"})
        EXPECT_EQ(leerFecha(QString::fromUtf8(texto)), std::nullopt) << texto;

    EXPECT_EQ(fechaIso(QDate(2004, 3, 1)), "2004-03-01");
    EXPECT_EQ(fechaHoraIso(QDateTime(QDate(2004, 3, 1), QTime(9, 5, 7))), "2004-03-01 09:05:07");
    // A null text is what binds as NULL.
    EXPECT_TRUE(fechaIso(QDate()).isNull() && fechaHoraIso(QDateTime()).isNull());
    // Read back as stored; a date alone is its midnight.
    EXPECT_EQ(fechaHoraIso(leerFechaIso("2004-03-01").value_or(QDateTime())), "2004-03-01 00:00:00");
    EXPECT_EQ(fechaHoraIso(leerFechaIso("2004-12-31 10:20:30").value_or(QDateTime())), "2004-12-31 10:20:30");
    for (const char* texto : {"", "2004-3-1", "2004-02-30", "2004-13-01", "2004-03-01T10:20:30",
                              "2004-03-01 24:00:00", "2004-03-01 10:60:00", "2004-03-01 10:20", " 2004-03-01",
                              "2004-03-01 ", "01/03/2004"})
        EXPECT_EQ(leerFechaIso(QString::fromLatin1(texto)), std::nullopt) << texto;

    // A day whose midnight did not exist in the local zone: Argentina moved its clocks at 00:00 on 30/12/2007.
    const QByteArray anterior = qgetenv("TZ");
    qputenv("TZ", "America/Argentina/Buenos_Aires");
    tzset();
    const QString escrita = fechaHoraIso(leerFechaIso("2007-12-30").value_or(QDateTime()));
    anterior.isNull() ? qunsetenv("TZ") : qputenv("TZ", anterior);
    tzset();
    EXPECT_EQ(escrita, "2007-12-30 00:00:00");
}

}  // namespace
