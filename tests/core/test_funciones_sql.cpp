#include "core/database.h"

#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using veluma::Database;
using veluma::DbError;
using veluma::Statement;

namespace {

class FuncionesSql : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(carpeta.isValid());
        db = Database::open(carpeta.filePath(QStringLiteral("prueba.mdb")), QStringLiteral("clave de prueba"),
                            Database::OpenMode::Create);
    }

    // The first row of a one-row query.
    template <class... Args>
    Statement fila(const QString& sql, const Args&... args)
    {
        Statement consulta = db.prepare(sql);
        if constexpr (sizeof...(Args) > 0)
            consulta.bindAll(args...);
        EXPECT_TRUE(consulta.next()) << sql.toStdString();
        return consulta;
    }

    template <class... Args>
    std::optional<QString> texto(const QString& sql, const Args&... args)
    {
        return fila(sql, args...).text(0);
    }

    // The engine's message for a query that must fail.
    template <class... Args>
    QString error(const QString& sql, const Args&... args)
    {
        try {
            fila(sql, args...);
        } catch (const DbError& e) {
            return e.engineMessage();
        }
        return QStringLiteral("(sin error)");
    }

    QTemporaryDir carpeta;
    Database db;
};

TEST_F(FuncionesSql, NetPriceOfTheRoomsReport)
{
    const QString precioNeto = QStringLiteral("SELECT Format(? * 100 / (Val(?) + 100), '0.0000')");
    EXPECT_EQ(texto(precioNeto, 5.50, "10"), "5,0000");
    EXPECT_EQ(texto(precioNeto, 10.0, "10"), "9,0909");
    EXPECT_EQ(texto(precioNeto, 10, "10,5 %"), "9,0909");

    Statement releido = fila(QStringLiteral("SELECT CDbl(Format(? * 100 / (Val(?) + 100), '0.0000'))"), 10.0, "10");
    EXPECT_EQ(releido.real(0), 9.0909);

    // Quantity × net price × rate / 100, as the report computes it.
    Statement impuesto = fila(QStringLiteral("SELECT ? * CDbl(Format(? * 100 / (Val(?) + 100), '0.0000')) * Val(?) / 100"),
                              3, 10.0, "10", "10");
    EXPECT_DOUBLE_EQ(*impuesto.real(0), 3 * 9.0909 * 10 / 100);
}

TEST_F(FuncionesSql, FormatOfDatesAndNumbers)
{
    EXPECT_EQ(texto(QStringLiteral("SELECT Format(?, 'yyyymmdd')"), "2004-03-01"), "20040301");
    EXPECT_EQ(texto(QStringLiteral("SELECT Format(?, 'YYYYMMDD')"), "2004-03-01 10:20:30"), "20040301");
    EXPECT_EQ(texto(QStringLiteral("SELECT Format(?, 'yyyymmdd')"), "01/03/2004"), std::nullopt);
    EXPECT_EQ(texto(QStringLiteral("SELECT Format(?, 'yyyymmdd')"), nullptr), std::nullopt);

    EXPECT_EQ(texto(QStringLiteral("SELECT Format(?, '000')"), 7), "007");
    EXPECT_EQ(texto(QStringLiteral("SELECT Format(?, '00')"), "3"), "03");
    EXPECT_EQ(texto(QStringLiteral("SELECT Format(?, '00/0000')"), 32004), "03/2004");
    EXPECT_EQ(texto(QStringLiteral("SELECT Format(?, '#,###,###,###,##0.00')"), " 1234.5"), "1.234,50");
    EXPECT_EQ(texto(QStringLiteral("SELECT Format(?, 'Standard')"), -1234567.891), "-1.234.567,89");
    EXPECT_EQ(texto(QStringLiteral("SELECT format(?, ?)"), 0.5, "###.00"), ",50");
    EXPECT_EQ(texto(QStringLiteral("SELECT Format(?, '0.00')"), nullptr), std::nullopt);

    EXPECT_EQ(error(QStringLiteral("SELECT Format(?, '0.000')"), 1), "Máscara de formato desconocida: \"0.000\"");
    EXPECT_EQ(error(QStringLiteral("SELECT Format(?, '0.00')"), "1,5"), "Format: \"1,5\" no es un número");
    EXPECT_EQ(error(QStringLiteral("SELECT Format(?, 'yyyymmdd')"), 20040301),
              "Format: la máscara \"yyyymmdd\" necesita una fecha");
    EXPECT_EQ(error(QStringLiteral("SELECT Format(?, ?)"), 1, nullptr), "Format: falta la máscara");
}

TEST_F(FuncionesSql, ValAndCDbl)
{
    Statement val = fila(QStringLiteral("SELECT Val(?), typeof(Val(?)), Val(?) / 2, typeof(Val(?)), Val(?), Val(?)"),
                         "10,5", "10", 7, 7, nullptr, "abc");
    EXPECT_EQ(val.real(0), 10.0);
    EXPECT_EQ(val.text(1), "real");
    EXPECT_EQ(val.real(2), 3.5);
    EXPECT_EQ(val.text(3), "real");
    EXPECT_TRUE(val.isNull(4));
    EXPECT_EQ(val.real(5), 0.0);
    EXPECT_EQ(error(QStringLiteral("SELECT Val(?)"), "1e400"), "Desbordamiento");

    Statement cdbl = fila(QStringLiteral("SELECT CDbl(?), CDbl(?), CDbl(?), typeof(CDbl(?)), CDbl(?)"), "5,0000",
                          "1.234,5", 7, 7, nullptr);
    EXPECT_EQ(cdbl.real(0), 5.0);
    EXPECT_EQ(cdbl.real(1), 1234.5);
    EXPECT_EQ(cdbl.real(2), 7.0);
    EXPECT_EQ(cdbl.text(3), "real");
    EXPECT_TRUE(cdbl.isNull(4));
    EXPECT_EQ(error(QStringLiteral("SELECT CDbl(?)"), "5.5"), "CDbl: \"5.5\" no es un número");
    EXPECT_EQ(error(QStringLiteral("SELECT CDbl(?)"), ""), "CDbl: \"\" no es un número");
}

TEST_F(FuncionesSql, IIfPicksByTheCondition)
{
    const QString sql = QStringLiteral("SELECT IIf(?, 'si', 'no')");
    EXPECT_EQ(texto(sql, nullptr), "no");
    EXPECT_EQ(texto(sql, 0), "no");
    EXPECT_EQ(texto(sql, 0.0), "no");
    EXPECT_EQ(texto(sql, "abc"), "no");
    EXPECT_EQ(texto(sql, -1), "si");
    EXPECT_EQ(texto(sql, 0.5), "si");
    EXPECT_EQ(texto(sql, "3 salas"), "si");
    EXPECT_EQ(texto(QStringLiteral("SELECT IIf(? > 100, ?, ?)"), nullptr, 1, 2), "2");

    // The publicity sum of the Form 617 grouping.
    db.execute(QStringLiteral("CREATE TEMP TABLE ingresos (Concepto INTEGER, FacturacionBruta REAL)"));
    Statement alta = db.prepare(QStringLiteral("INSERT INTO ingresos VALUES (?, ?)"));
    for (const auto& [concepto, importe] : {std::pair{100, 10.5}, {108, 1.25}, {109, 100.0}, {99, 7.0}}) {
        alta.bindAll(concepto, importe).run();
        alta.reset();
    }
    Statement suma = fila(QStringLiteral(
        "SELECT Sum(IIf(Concepto >= ? And Concepto <= ?, FacturacionBruta, 0)) FROM ingresos"), 100, 108);
    EXPECT_EQ(suma.real(0), 11.75);
}

TEST_F(FuncionesSql, GeneralCollationOrdersNamesAsAPersonWould)
{
    db.execute(QStringLiteral("CREATE TEMP TABLE personas (nombre TEXT)"));
    Statement alta = db.prepare(QStringLiteral("INSERT INTO personas VALUES (?)"));
    const QStringList nombres = {
        QStringLiteral("zeta"),  QStringLiteral("Ñandú"),   QStringLiteral("Benítez"), QStringLiteral("Ángel"),
        QStringLiteral("álvarez"), QStringLiteral("Nandu"), QStringLiteral("Nuñez"),   QStringLiteral("Alvarez"),
        QStringLiteral("angel"), QStringLiteral("Óscar"),   QStringLiteral("Muñoz"),   QStringLiteral("ALVAREZ"),
        QStringLiteral("Nandú"), QStringLiteral("Alvarado"),
    };
    for (const QString& nombre : nombres) {
        alta.bindAll(nombre).run();
        alta.reset();
    }

    Statement orden = db.prepare(QStringLiteral("SELECT nombre FROM personas ORDER BY nombre COLLATE GENERAL"));
    QStringList obtenidos;
    while (orden.next())
        obtenidos << *orden.text(0);

    const QStringList esperados = {
        QStringLiteral("Alvarado"), QStringLiteral("ALVAREZ"), QStringLiteral("Alvarez"), QStringLiteral("álvarez"),
        QStringLiteral("angel"),    QStringLiteral("Ángel"),   QStringLiteral("Benítez"), QStringLiteral("Muñoz"),
        QStringLiteral("Nandu"),    QStringLiteral("Nandú"),   QStringLiteral("Ñandú"),   QStringLiteral("Nuñez"),
        QStringLiteral("Óscar"),    QStringLiteral("zeta"),
    };
    EXPECT_EQ(obtenidos, esperados) << obtenidos.join(QLatin1Char('|')).toStdString();
}

}  // namespace
