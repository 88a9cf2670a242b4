#include "intercambio/escritura_csv.h"

#include <QDate>
#include <gtest/gtest.h>

using namespace veluma;

namespace {

TEST(ValoresCsv, CadaTipoDeColumnaYElEntrecomilladoSeEscribenComoLosLeeLaImportacion)
{
    struct Caso {
        TipoColumna tipo;
        QVariant valor;
        const char* campo;
    };
    const std::vector<Caso> casos = {
        {TipoColumna::Importe, 1234.5, "1234,50"},
        {TipoColumna::Importe, 1234567.891, "1234567,89"},
        {TipoColumna::Importe, -0.75, "-0,75"},
        {TipoColumna::Importe, -0.001, "0,00"},
        {TipoColumna::Importe, 0.125, "0,13"},
        {TipoColumna::Importe, QVariant(), ""},
        {TipoColumna::Entero, qint64(999999999999999), "999999999999999"},
        {TipoColumna::Fecha, QDate(2004, 2, 29), "29/02/2004"},
        {TipoColumna::Fecha, QVariant(), ""},
        {TipoColumna::Texto, QStringLiteral("  tal cual  "), "  tal cual  "},
        {TipoColumna::Texto, QStringLiteral("a;b"), "\"a;b\""},
        {TipoColumna::Texto, QStringLiteral("dijo \"sí\""), "\"dijo \"\"sí\"\"\""},
        {TipoColumna::Texto, QStringLiteral("línea\r\notra"), "\"línea\r\notra\""},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.campo);
        const Hoja hoja{QStringLiteral("H"), {{QStringLiteral("Título; uno"), caso.tipo}}, {{caso.valor}}};
        EXPECT_EQ(textoCsv(hoja).toStdString(),
                  std::string("\xEF\xBB\xBF\"T\xC3\xADtulo; uno\"\r\n") + caso.campo + "\r\n");
    }
}

TEST(ValoresCsv, ElArchivoDeCadaHojaVaJuntoAlElegidoConUnNombreSeguro)
{
    EXPECT_EQ(archivoDeHoja(QStringLiteral("/datos/v1.2.CSV"), QString::fromUtf8("A/B\\C:D*E?F\"G<H>I|J Liquidación")),
              QString::fromUtf8("/datos/v1.2-A_B_C_D_E_F_G_H_I_J Liquidación.CSV"));
}

}  // namespace
