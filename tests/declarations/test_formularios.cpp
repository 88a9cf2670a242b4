#include "declarations/formulario.h"
#include "declarations/registro_formularios.h"
#include "declarations/secciones.h"
#include "declarations/validacion_ddjj.h"
#include "support/sesion_de_prueba.h"

using namespace veluma;

namespace {

const QString kMes = QStringLiteral("Debe especificar el Mes del Período Fiscal");
const QString kAnio = QStringLiteral("Debe especificar el Año del Período Fiscal");
const QString k1294 = QStringLiteral("El Periodo Fiscal no puede ser inferior al 12/1994");
const QString k0194 = QStringLiteral("El Periodo Fiscal no puede ser inferior al 01/1994");
const QString kAlicuota = QStringLiteral("La Alícuota debe ser un número entre 0 y 100, con hasta dos decimales");

const Formulario& formulario(int numero)
{
    registrarFormularios();
    return formularioDe(numero);
}

TEST(FormulariosDDJJ, LaValidacionAcumulaLosMensajesDeCadaFormularioEnSuOrden)
{
    struct Caso {
        int formulario;
        const char *mes, *anio;
        int secuencia;
        QString campo1;
        QString mensaje;
        CampoDDJJ foco;
    };
    const QString mesInvalido = QStringLiteral("El Mes del Período Fiscal debe estar entre 01 y 12");
    const Caso casos[] = {
        // The year line replaces the month line; the period then reads as 0.
        {708, "", "", 0, "10", kAnio + "\r\r" + k0194, CampoDDJJ::Anio},
        {617, "  ", " ", 0, "306", kAnio + "\r\r" + k1294, CampoDDJJ::Anio},
        // An empty month leaves the year alone: 2004 is below any limit.
        {618, "", "2004", 0, "123", kMes + "\r\r" + k1294, CampoDDJJ::Mes},
        {708, "5", "", 0, "", kAnio + "\r\r" + k0194 + "\rDebe especificar la Alícuota", CampoDDJJ::Anio},
        {708, "", "2004", -1, "10", kMes + "\rDebe especificar la Secuencia\r" + k0194, CampoDDJJ::Secuencia},
        {618, "05", "2004", 0, "  ", "Debe ingresar el Código del Instituto", CampoDDJJ::Ninguno},
        {708, "12", "1993", 0, "10", k0194, CampoDDJJ::Ninguno},
        {708, "1", "1994", 0, "10", {}, CampoDDJJ::Ninguno},
        {617, "11", "1994", 0, "306", k1294, CampoDDJJ::Ninguno},
        {618, "12", "1994", 0, "A1", {}, CampoDDJJ::Ninguno},
        {708, "13", "2004", 0, "10", mesInvalido, CampoDDJJ::Mes},
        {708, "00", "2004", 0, "10", mesInvalido, CampoDDJJ::Mes},
        {708, "05", "2004", 0, "100,01", kAlicuota, CampoDDJJ::Campo1},
        {708, "05", "2004", 0, "-5", kAlicuota, CampoDDJJ::Campo1},
        {708, "05", "2004", 0, "10,555", kAlicuota, CampoDDJJ::Campo1},
        {708, "05", "2004", 0, "10.5", kAlicuota, CampoDDJJ::Campo1},
        {708, "05", "2004", 0, " 21,75 ", {}, CampoDDJJ::Ninguno},
        {708, "05", "2004", 0, "100", {}, CampoDDJJ::Ninguno},
        {618, "05", "2004", 0, QString(21, '9'), "El Código del Instituto no puede tener más de 20 caracteres",
         CampoDDJJ::Campo1},
        {618, "05", "2004", 0, "AB\tC", "El Código del Instituto contiene caracteres no válidos", CampoDDJJ::Campo1},
        {618, "05", "2004", 0, "O'Higgins", {}, CampoDDJJ::Ninguno},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(QStringLiteral("%1 %2/%3 %4").arg(caso.formulario).arg(caso.mes, caso.anio, caso.campo1)
                         .toStdString());
        const ResultadoValidacion resultado = ValidarDatos(
            formulario(caso.formulario),
            {QString::fromUtf8(caso.mes), QString::fromUtf8(caso.anio), caso.secuencia, caso.campo1});
        EXPECT_EQ(resultado.mensaje, caso.mensaje);
        EXPECT_EQ(resultado.foco, caso.foco);
    }
    EXPECT_EQ(periodoDeTexto("2004", "5"), 200405);
    EXPECT_EQ(periodoDeTexto("", ""), 0);
}

TEST(FormulariosDDJJ, ElValorDelFormularioSeGuardaComoValLoLeeYSeMuestraComoSeEscribe)
{
    struct Caso {
        int formulario;
        QString escrito, guardado, mostrado;
    };
    for (const Caso& caso : {Caso{708, " 10,5 ", "10.5", "10,50"}, Caso{708, "10,00", "10", "10,00"},
                             Caso{708, "21,75", "21.75", "21,75"}, Caso{618, " 123 ", "123", "123"},
                             Caso{618, " AB 1 ", " AB 1 ", " AB 1 "}, Caso{617, "307", "307", "307"}}) {
        SCOPED_TRACE(caso.escrito.toStdString());
        const QString guardado = formulario(caso.formulario).valorAGuardar(caso.escrito);
        EXPECT_EQ(guardado, caso.guardado);
        EXPECT_EQ(formulario(caso.formulario).mostrarValor(guardado), caso.mostrado);
    }
}

TEST(FormulariosDDJJ, ElRegistroDaCadaFormularioPorSuNumeroYEnElOrdenDelMenu)
{
    registrarFormularios();
    registrarFormularios();  // registering again replaces, never repeats
    QStringList menu;
    for (const Formulario* registrado : formulariosRegistrados())
        menu += QStringLiteral("%1 %2").arg(registrado->numero()).arg(registrado->tituloMenu());
    EXPECT_EQ(menu, (QStringList{"708 Entradas Cinematográficas", "617 Servicios de Radiodifusión",
                                 "618 Videogramas Grabados"}));
    EXPECT_EQ(buscarFormulario(999), nullptr);
    try {
        formularioDe(999);
        FAIL() << "un formulario que no existe";
    } catch (const Error& error) {
        EXPECT_EQ(error.descripcion(), "El formulario 999 no existe en esta versión del programa.");
    }
    // Only the forms this version settles can be printed and generated.
    EXPECT_TRUE(formularioDe(708).tieneLiquidacion());
    EXPECT_FALSE(formularioDe(617).tieneLiquidacion());
    Sesion sesion{Instalacion::delEjecutable(QStringLiteral("/tmp/veluma"))};
    EXPECT_THROW(formularioDe(618).liquidar(sesion), Error);
    EXPECT_EQ(textoSinPresentacion(618),
              "La generación del archivo de presentación no está disponible para el formulario 618.");
}

class SeccionesDDJJ : public test::SesionDePrueba {
protected:
    std::map<QString, bool> conDatos(int numero, const QString& campo1 = {}, int secuencia = 0)
    {
        return formulario(numero).seccionesConDatos(sesion.base, {sesion.cuit, 200405, secuencia, numero, campo1});
    }
    void insertar(const QString& sql) { sesion.base.prepare(sql).bindAll(sesion.cuit).run(); }
};

TEST_F(SeccionesDDJJ, CadaSeccionMiraSoloLaDeclaracionYSuValor)
{
    EXPECT_EQ(seccionesDelFormulario(sesion.base, 708).size(), 4u);
    EXPECT_EQ(seccionesDelFormulario(sesion.base, 708)[3].clave, "frm708Saldos");
    EXPECT_FALSE(seccionesDelFormulario(sesion.base, 708)[3].detalle);
    EXPECT_TRUE(seccionesDelFormulario(sesion.base, 999).empty());

    insertar(QStringLiteral("INSERT INTO [617CompSocietaria](CUIT, Periodo, Secuencia, ImpServicio, CodigoSocio) "
                            "VALUES (?, 200405, 0, 307, 1)"));
    EXPECT_EQ(conDatos(617, QStringLiteral("307")),
              (std::map<QString, bool>{{"frm617CompSocietaria", true}, {"frm617Licencias", false},
                                       {"frm617TotalAPagar", false}}));
    EXPECT_FALSE(conDatos(617, QStringLiteral("306"))[QStringLiteral("frm617CompSocietaria")]);

    insertar(QStringLiteral("INSERT INTO [708PagoCuenta](CUIT, PERIODO, SECUENCIA, SEMANA1, SEMANA2, SEMANA3, "
                            "SEMANA4) VALUES (?, 200405, 1, 1, 2, 3, 4)"));
    EXPECT_FALSE(conDatos(708)[QStringLiteral("frm708PagoCuenta")]);
    // The determined-tax node keeps whatever image it has.
    EXPECT_EQ(conDatos(708, {}, 1), (std::map<QString, bool>{{"frm708ListadoSalas", false},
                                                               {"frm708PagoCuenta", true},
                                                               {"frm708Saldos", false}}));
}

TEST_F(SeccionesDDJJ, LasPercepcionesSinIngresosQuedanVacias)
{
    insertar(QStringLiteral("INSERT INTO [618TotalPercepcionesEfectuadas](CUIT, Periodo, Secuencia, CodInstituto) "
                            "VALUES (?, 200405, 0, '77')"));
    EXPECT_EQ(conDatos(618, QStringLiteral("77")),
              (std::map<QString, bool>{{"frm618Ingresos1", false}, {"frm618Ingresos2", false},
                                       {"frm618TotalPercepcionesEfectuadas", false}, {"frm618TotalADepositar", false}}));
    insertar(QStringLiteral("INSERT INTO [618Ingresos](CUIT, Periodo, Secuencia, CodInstituto, TipoIngreso, Dia) "
                            "VALUES (?, 200405, 0, '77', 1, 1)"));
    EXPECT_EQ(conDatos(618, QStringLiteral("77")),
              (std::map<QString, bool>{{"frm618Ingresos1", false}, {"frm618Ingresos2", true},
                                       {"frm618TotalPercepcionesEfectuadas", true}, {"frm618TotalADepositar", true}}));
}

}  // namespace
