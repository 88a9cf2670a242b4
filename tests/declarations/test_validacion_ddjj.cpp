#include "declarations/validacion_ddjj.h"

#include <gtest/gtest.h>

using namespace veluma;

namespace {

const QString kMes = QStringLiteral("Debe especificar el Mes del Período Fiscal");
const QString kAnio = QStringLiteral("Debe especificar el Año del Período Fiscal");
const QString k1294 = QStringLiteral("El Periodo Fiscal no puede ser inferior al 12/1994");
const QString k0194 = QStringLiteral("El Periodo Fiscal no puede ser inferior al 01/1994");

QString mensaje(int formulario, const QString& mes, const QString& anio, const QString& campo1 = QStringLiteral("10"),
                int secuencia = 0)
{
    return ValidarDatos(formulario, {mes, anio, secuencia, campo1}).mensaje;
}

}  // namespace

TEST(ValidarDatos, AcumulaLosMensajesEnSuOrdenConSaltosDeLinea)
{
    // The year line replaces the month line; the period then reads as 0.
    EXPECT_EQ(mensaje(708, "", ""), kAnio + "\r\r" + k0194);
    EXPECT_EQ(mensaje(617, "  ", " "), kAnio + "\r\r" + k1294);
    // An empty month leaves the year alone: 2004 is below any limit.
    EXPECT_EQ(mensaje(618, "", "2004", "123"), kMes + "\r\r" + k1294);
    EXPECT_EQ(mensaje(708, "5", "", ""), kAnio + "\r\r" + k0194 + "\rDebe especificar la Alícuota");
    EXPECT_EQ(mensaje(618, "05", "2004", "  "), QStringLiteral("Debe ingresar el Código del Instituto"));
    EXPECT_EQ(mensaje(708, "05", "2004", "10", -1), QStringLiteral("Debe especificar la Secuencia"));
    EXPECT_EQ(mensaje(708, "", "2004", "10", -1),
              kMes + "\rDebe especificar la Secuencia\r" + k0194);
}

TEST(ValidarDatos, LimitesDelPeriodoPorFormulario)
{
    EXPECT_EQ(mensaje(708, "12", "1993"), k0194);
    EXPECT_EQ(mensaje(708, "01", "1994"), QString());
    EXPECT_EQ(mensaje(708, "1", "1994"), QString());
    EXPECT_EQ(mensaje(617, "11", "1994"), k1294);
    EXPECT_EQ(mensaje(618, "12", "1994", "A1"), QString());
    EXPECT_EQ(mensaje(617, "12", "1994"), QString());
}

TEST(ValidarDatos, ElFocoVaAlUltimoCampoSenalado)
{
    EXPECT_EQ(ValidarDatos(708, {"", "2004", 0, "10"}).foco, CampoDDJJ::Mes);
    EXPECT_EQ(ValidarDatos(708, {"", "", 0, "10"}).foco, CampoDDJJ::Anio);
    EXPECT_EQ(ValidarDatos(708, {"", "", -1, "10"}).foco, CampoDDJJ::Secuencia);
    EXPECT_EQ(ValidarDatos(708, {"05", "2004", 0, "abc"}).foco, CampoDDJJ::Campo1);
    EXPECT_TRUE(ValidarDatos(708, {"05", "2004", 0, "10,5"}).valido());
}

TEST(ValidarDatos, RechazaMesesImposiblesYValoresDelFormularioFueraDeRango)
{
    const QString mesInvalido = QStringLiteral("El Mes del Período Fiscal debe estar entre 01 y 12");
    EXPECT_EQ(mensaje(708, "13", "2004"), mesInvalido);
    EXPECT_EQ(mensaje(708, "00", "2004"), mesInvalido);

    const QString alicuota = QStringLiteral("La Alícuota debe ser un número entre 0 y 100, con hasta dos decimales");
    for (const char* texto : {"100,01", "-5", "diez", "10,555", "1e2", "10.5"})
        EXPECT_EQ(mensaje(708, "05", "2004", QString::fromUtf8(texto)), alicuota) << texto;
    for (const char* texto : {"0", "100", "10,5", " 21,75 "})
        EXPECT_EQ(mensaje(708, "05", "2004", QString::fromUtf8(texto)), QString()) << texto;

    EXPECT_EQ(mensaje(618, "05", "2004", QString(21, QLatin1Char('9'))),
              QStringLiteral("El Código del Instituto no puede tener más de 20 caracteres"));
    EXPECT_EQ(mensaje(618, "05", "2004", QString(20, QLatin1Char('9'))), QString());
    EXPECT_EQ(mensaje(618, "05", "2004", QStringLiteral("AB\tC")),
              QStringLiteral("El Código del Instituto contiene caracteres no válidos"));
    EXPECT_EQ(mensaje(618, "05", "2004", QStringLiteral("O'Higgins")), QString());
}

TEST(ValidarDatos, PeriodoYValorGuardado)
{
    EXPECT_EQ(periodoDeTexto("2004", "5"), 200405);
    EXPECT_EQ(periodoDeTexto("2004", "12"), 200412);
    EXPECT_EQ(periodoDeTexto("2004", ""), 2004);
    EXPECT_EQ(periodoDeTexto("", ""), 0);

    // The rate is stored so that Val reads it back whole.
    EXPECT_EQ(campo1DeTexto(708, " 10,5 "), QStringLiteral("10.5"));
    EXPECT_EQ(campo1DeTexto(708, "10,00"), QStringLiteral("10"));
    EXPECT_EQ(campo1DeTexto(708, "21,75"), QStringLiteral("21.75"));
    // Institute codes: trimmed only when numeric.
    EXPECT_EQ(campo1DeTexto(618, " 123 "), QStringLiteral("123"));
    EXPECT_EQ(campo1DeTexto(618, " AB 1 "), QStringLiteral(" AB 1 "));
}
