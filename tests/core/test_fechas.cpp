#include "core/fechas.h"

#include <gtest/gtest.h>

#include <ctime>

using veluma::fechaHoraIso;
using veluma::fechaIso;
using veluma::formatearFecha;
using veluma::leerFecha;
using veluma::leerFechaIso;

TEST(FechasPantalla, ShowAndRead)
{
    EXPECT_EQ(formatearFecha(QDate(2004, 3, 1)), "01/03/2004");
    EXPECT_EQ(formatearFecha(QDate()), "");

    EXPECT_EQ(leerFecha("01/03/2004"), QDate(2004, 3, 1));
    EXPECT_EQ(leerFecha("  29/02/2004 "), QDate(2004, 2, 29));
    for (const char* texto : {"", "30/02/2004", "31/04/2004", "00/01/2004", "01/00/2004", "01/13/2004",
                              "29/02/2005", "00/00/0000", "1/3/2004", "01/03/04", "01-03-2004", "2004-03-01",
                              "01/03/2004x", "01/03/ 2004", "\xd9\xa1\xd9\xa1/03/2004"}) {
        EXPECT_EQ(leerFecha(QString::fromUtf8(texto)), std::nullopt) << texto;
    }
}

TEST(FechasIso, StoredText)
{
    EXPECT_EQ(fechaIso(QDate(2004, 3, 1)), "2004-03-01");
    EXPECT_EQ(fechaHoraIso(QDateTime(QDate(2004, 3, 1), QTime(9, 5, 7))), "2004-03-01 09:05:07");
    // A null text is what binds as NULL.
    EXPECT_TRUE(fechaIso(QDate()).isNull());
    EXPECT_TRUE(fechaHoraIso(QDateTime()).isNull());

    // Read back as stored; a date alone is its midnight.
    EXPECT_EQ(fechaHoraIso(leerFechaIso("2004-03-01").value_or(QDateTime())), "2004-03-01 00:00:00");
    EXPECT_EQ(fechaHoraIso(leerFechaIso("2004-12-31 10:20:30").value_or(QDateTime())), "2004-12-31 10:20:30");

    for (const char* texto : {"", "2004-3-1", "2004-02-30", "2004-13-01", "2004-03-01T10:20:30",
                              "2004-03-01 24:00:00", "2004-03-01 10:60:00", "2004-03-01 10:20", " 2004-03-01",
                              "2004-03-01 ", "01/03/2004"}) {
        EXPECT_EQ(leerFechaIso(QString::fromLatin1(texto)), std::nullopt) << texto;
    }
}

TEST(FechasIso, DayWhoseMidnightDidNotExistLocally)
{
    // Argentina moved its clocks at 00:00 on 30/12/2007.
    const QByteArray anterior = qgetenv("TZ");
    qputenv("TZ", "America/Argentina/Buenos_Aires");
    tzset();
    const std::optional<QDateTime> leida = leerFechaIso("2007-12-30");
    const QString escrita = leida ? fechaHoraIso(*leida) : QString();
    if (anterior.isNull())
        qunsetenv("TZ");
    else
        qputenv("TZ", anterior);
    tzset();

    EXPECT_EQ(escrita, "2007-12-30 00:00:00");
}
