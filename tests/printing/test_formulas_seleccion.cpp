#include "core/error.h"
#include "printing/configuracion_reporte.h"
#include "printing/formulas.h"
#include "printing/seleccion.h"

#include <gtest/gtest.h>

using namespace veluma;

TEST(FormulasDelReporte, SeLimpianSePonenDesdeCeroYSeLeenPorNombre)
{
    ConfiguracionReporte configuracion;
    configuracion.LimpiarFormulas();
    ASSERT_EQ(configuracion.formulas().size(), 101u);
    configuracion.Formula(2, "Anterior='queda borrada'");
    configuracion.Formula(7, "Lejana='sigue'");
    configuracion.PonerFormulas({{"Razon", "O'Higgins & Cía."}, {"Periodo", "05/2004"}});
    EXPECT_EQ(configuracion.formulas().at(0), "Razon='O'Higgins & Cía.'");
    EXPECT_EQ(configuracion.formulas().at(2), "");
    configuracion.Formula(50, "Periodo='06/2004'");  // a repeated name: the highest index wins
    const std::map<QString, QString> esperadas{
        {"Razon", "O'Higgins & Cía."}, {"Periodo", "06/2004"}, {"Lejana", "sigue"}};
    EXPECT_EQ(valoresDeFormulas(configuracion.formulas()), esperadas);

    EXPECT_THROW(configuracion.Formula(-1, "A='1'"), Error);
}

TEST(FormulasDelReporte, ElValorVaHastaElUltimoApostrofeYLoMalFormadoSeIgnora)
{
    using Par = std::pair<QString, QString>;
    EXPECT_EQ(leerFormula("Razon='D''Amico'"), Par("Razon", "D''Amico"));
    EXPECT_EQ(leerFormula("Nota='a='b'"), Par("Nota", "a='b"));
    EXPECT_EQ(leerFormula("Vacia=''"), Par("Vacia", ""));
    for (const char* malo : {"", "Sin='cierre", "='x'", "Suelta=x", "Abierta='"})
        EXPECT_EQ(leerFormula(QString::fromUtf8(malo)), std::nullopt) << malo;
}

TEST(FormulaDeSeleccion, LeeTextosConApostrofesYNumeros)
{
    const std::vector<CondicionSeleccion> esperadas{
        {"DDJJ", "CUIT", QStringLiteral("30-7045'826-5")},
        {"DDJJ", "PERIODO", qint64(200405)},
        {"708Salas", "PRECIO", -12.5},
        {"DDJJ", "CAMPO1", QStringLiteral("y and {x.y} = 1")},
    };
    EXPECT_EQ(leerSeleccion("{DDJJ.CUIT} = '30-7045''826-5' AND {DDJJ.PERIODO}=200405\n\tand "
                            "{ 708Salas . PRECIO } = -12.5 And {DDJJ.CAMPO1} = 'y and {x.y} = 1'  "),
              esperadas);
    EXPECT_TRUE(leerSeleccion("   ").empty());
}

TEST(FormulaDeSeleccion, LoMalFormadoDiceDondeFalla)
{
    const std::vector<std::pair<const char*, int>> casos{
        {"{DDJJ.CUIT} = '30-7045''826-5", 15},   {"{DDJJ.CUIT = 1", 1},
        {"{A.B.C} = 1", 1},                      {"{DDJJ.CUIT} 1", 13},
        {"{DDJJ.CUIT} = 1 or {DDJJ.CUIT} = 2", 17}, {"{DDJJ.CUIT} = 1 and{DDJJ.CUIT} = 2", 20},
        {"{DDJJ.PERIODO} = 2004x", 18},          {"{DDJJ.PERIODO} = 99999999999999999999", 18},
    };
    for (const auto& [formula, posicion] : casos) {
        try {
            leerSeleccion(QString::fromUtf8(formula));
            ADD_FAILURE() << "sin error: " << formula;
        } catch (const Error& error) {
            EXPECT_EQ(error.numero(), 5);
            EXPECT_EQ(error.descripcion(), QStringLiteral("La fórmula de selección no es válida en la posición %1: %2")
                                               .arg(posicion)
                                               .arg(QString::fromUtf8(formula)));
        }
    }
}
