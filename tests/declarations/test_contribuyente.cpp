#include "core/clave.h"
#include "core/database.h"
#include "declarations/contribuyente.h"
#include "support/archivos.h"
#include "support/instalacion_temporal.h"

#include <QFile>
#include <gtest/gtest.h>
#include <optional>

using namespace veluma;
using veluma::test::InstalacionTemporal;

namespace {

// A host address; a null pointer is a NULL column.
struct Domicilio {
    const char* calle = nullptr;
    const char* nro = nullptr;
    const char* sector = nullptr;
    const char* torre = nullptr;
    const char* piso = nullptr;
    const char* dtoofloc = nullptr;
    const char* manzana = nullptr;
    const char* barrio = nullptr;
    std::optional<int> tipobarrio = std::nullopt;
    const char* localidad = nullptr;
    const char* partido = nullptr;
    std::optional<int> codprov = std::nullopt;
    const char* codpostal = nullptr;
};

// A column of the fixed-width block.
QString ancho(const QString& valor, int columnas) { return valor.leftJustified(columnas); }

class Contribuyente : public ::testing::Test {
protected:
    clsContribuyente abrir() { return clsContribuyente(instalacion.instalacion(), textoClave()); }

    clsContribuyente inicializado(const QString& cuit)
    {
        clsContribuyente contribuyente = abrir();
        contribuyente.Inicializar(cuit);
        return contribuyente;
    }

    // A host taxpayer of our own, with one activity of the given kind.
    void agregarContribuyente(int ncontrib, const QString& cuit, const QString& tipoActividad = "Principal")
    {
        Database kelt = Database::open(instalacion.instalacion().rutaKelt(), contrasenaBase());
        kelt.prepare(QStringLiteral("INSERT INTO contribs (ncontrib, cuit, descrip, mesCierreEjCom, formajuridica, "
                                    "tipopersona) VALUES (?, ?, ?, ?, ?, ?)"))
            .bindAll(ncontrib, cuit, QStringLiteral("Prueba S.A."), 6, 1, 2)
            .run();
        kelt.prepare(QStringLiteral("INSERT INTO actcontrib (ncontrib, codact, TipoAct) VALUES (?, ?, ?)"))
            .bindAll(ncontrib, QStringLiteral("923100"), tipoActividad)
            .run();
    }

    void agregarDomicilio(int ncontrib, bool fiscal, const Domicilio& d)
    {
        Database kelt = Database::open(instalacion.instalacion().rutaKelt(), contrasenaBase());
        kelt.prepare(QStringLiteral("INSERT INTO domicilio (ncontrib, domfiscal, calle, nro, sector, torre, piso, "
                                    "dtoofloc, manzana, barrio, tipobarrio, localidad, partido, codprov, codpostal) "
                                    "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"))
            .bindAll(ncontrib, fiscal ? 1 : 0, d.calle, d.nro, d.sector, d.torre, d.piso, d.dtoofloc, d.manzana,
                     d.barrio, d.tipobarrio, d.localidad, d.partido, d.codprov, d.codpostal)
            .run();
    }

    InstalacionTemporal instalacion;
};

TEST_F(Contribuyente, InicializarCopiaLosDatosYLaActividadPrincipal)
{
    const clsContribuyente cines = inicializado(QStringLiteral("30-70451826-5"));
    EXPECT_EQ(cines.descripcion(), "Cines del Plata S.A.");
    EXPECT_EQ(cines.mescierre(), 12);
    EXPECT_EQ(cines.formajuridica(), 1);
    EXPECT_EQ(cines.tipopersona(), 2);
    EXPECT_EQ(cines.codactiv(), "591300");

    // The secondary activity is stored first; the name is longer than any field of ours.
    const clsContribuyente cable = inicializado(QStringLiteral("30708251638"));
    EXPECT_EQ(cable.descripcion(),
              "Compañía Argentina de Radiodifusión y Televisión por Cable del Litoral S.A.");
    EXPECT_EQ(cable.descripcion().size(), 75);
    EXPECT_EQ(cable.codactiv(), "602200");
    EXPECT_EQ(cable.mescierre(), 12);
}

TEST_F(Contribuyente, UnCuitDesconocidoOSinActividadPrincipalSeRechazaConSuMotivo)
{
    clsContribuyente contribuyente = abrir();
    for (const QString& cuit : {QStringLiteral("30-70451826-5 "), QStringLiteral("30704518265"), QStringLiteral("")}) {
        try {
            contribuyente.Inicializar(cuit);
            FAIL() << "aceptado: " << cuit.toStdString();
        } catch (const Error& error) {
            EXPECT_EQ(error.descripcion(), QStringLiteral("El contribuyente con C.U.I.T. ") + cuit
                                               + QStringLiteral(" no está registrado en la base de contribuyentes."));
            EXPECT_NE(error.numero(), 0);
        }
    }

    agregarContribuyente(9001, QStringLiteral("20-12345678-6"), QStringLiteral("Secundaria"));
    try {
        contribuyente.Inicializar(QStringLiteral("20-12345678-6"));
        FAIL() << "aceptado sin actividad principal";
    } catch (const Error& error) {
        EXPECT_EQ(error.descripcion(), "El contribuyente con C.U.I.T. 20-12345678-6 no tiene una actividad principal "
                                       "en la base de contribuyentes.");
        EXPECT_NE(error.numero(), 0);
    }
}

TEST_F(Contribuyente, SinLaBaseDeContribuyentesNoHayContribuyente)
{
    const QString ruta = instalacion.instalacion().rutaKelt();
    ASSERT_TRUE(QFile::remove(ruta));
    try {
        abrir();
        FAIL() << "abierta sin kelt.mdb";
    } catch (const Error& error) {
        EXPECT_EQ(error.descripcion(), QStringLiteral("No se encuentra la base de datos de contribuyentes ") + ruta + '.');
        EXPECT_NE(error.numero(), 0);
    }

    test::escribirArchivo(ruta, QByteArray(4096, 'x'));
    try {
        abrir();
        FAIL() << "abierta con un kelt.mdb que no es una base";
    } catch (const Error& error) {
        EXPECT_EQ(error.descripcion(), QStringLiteral("No se puede abrir la base de datos de contribuyentes ") + ruta
                                           + QStringLiteral(": El archivo no es una base de datos válida o su clave "
                                                            "no corresponde."));
    }
}

TEST_F(Contribuyente, ObtenerCBUCopiaLasCuentasOrdenadasPorCodigo)
{
    const Instantanea cuentas = inicializado(QStringLiteral("30-70451826-5")).ObtenerCBU();
    EXPECT_EQ(cuentas.columnas, QStringList({"ncontrib", "CODIGO", "banco", "tipocuenta"}));
    ASSERT_EQ(cuentas.filas.size(), 2);
    EXPECT_EQ(cuentas.filas[0], QVariantList({qint64(1045), "0110599552000123456781", "Banco de la Nación Argentina",
                                              "Cuenta corriente"}));
    EXPECT_EQ(cuentas.filas[1][1].toString(), "0720154320000003489219");

    EXPECT_TRUE(inicializado(QStringLiteral("30715482033")).ObtenerCBU().filas.isEmpty());
}

TEST_F(Contribuyente, ElDomicilioFiscalDeLosContribuyentesDeDemostracion)
{
    clsContribuyente cines = inicializado(QStringLiteral("30-70451826-5"));
    EXPECT_EQ(cines.DomicilioFiscal(),
              "Calle: Av. Corrientes Nro: 1530 Torre: 1 Piso: 3 Dto/of/loc: B Manzana: 12 Barrio: BARRIO "
              "Localidad: Capital Federal Provincia: CIUDAD AUTONOMA DE BUENOS AIRES C.P.: C1042AAP");
    const QString bloque = cines.DomicilioSAD();
    EXPECT_EQ(bloque, ancho("AV. CORRIENTES", 20) + ancho("1530", 6) + ancho("A", 5) + ancho("1", 5) + ancho("3", 5)
                          + ancho("B", 5) + ancho("12", 5) + ancho("SAN NICOLÁS", 20) + "1" + "CAPITAL FEDERAL"
                          + ancho("CIUDAD AUTÓNOMA DE BUENOS AIRES", 50) + "00" + "C1042AAP");
    EXPECT_EQ(bloque.size(), 147);

    clsContribuyente radio = inicializado(QStringLiteral("30715482033"));
    EXPECT_EQ(radio.DomicilioFiscal(), QString());
    EXPECT_EQ(radio.DomicilioSAD(), QString());

    clsContribuyente nandu = inicializado(QStringLiteral("30-69587412-6"));
    EXPECT_EQ(nandu.DomicilioFiscal(),
              "Calle: Belgrano Nro: 455 Barrio: BARRIO Localidad: O'Higgins Provincia: BUENOS AIRES C.P.: 6748");
    EXPECT_EQ(nandu.DomicilioSAD(), ancho("BELGRANO", 20) + ancho("455", 6) + QString(25, ' ') + ancho("CENTRO", 20)
                                        + "1" + ancho("O'HIGGINS", 15) + ancho("CHACABUCO", 50) + "01" + ancho("6748", 8));

    EXPECT_EQ(inicializado(QStringLiteral("30708251638")).DomicilioFiscal(),
              "Calle: Bv. Oroño Nro: 1260 Piso: 5 Dto/of/loc: A Localidad: Rosario Provincia: SANTA FE C.P.: S2000DSN");
}

TEST_F(Contribuyente, LasPartesVaciasONoEncontradasQuedanFueraYElBloqueConservaSusAnchos)
{
    agregarContribuyente(9001, QStringLiteral("20-12345678-6"));
    agregarDomicilio(9001, false, {.calle = "No fiscal"});
    agregarDomicilio(9001, true, {.calle = "Lima"});
    clsContribuyente soloCalle = inicializado(QStringLiteral("20-12345678-6"));
    EXPECT_EQ(soloCalle.DomicilioFiscal(), "Calle: Lima");
    EXPECT_EQ(soloCalle.DomicilioSAD(), ancho("LIMA", 137) + "00" + QString(8, ' '));

    agregarContribuyente(9002, QStringLiteral("20-12345678-7"));
    agregarDomicilio(9002, true, {});
    clsContribuyente vacio = inicializado(QStringLiteral("20-12345678-7"));
    EXPECT_EQ(vacio.DomicilioFiscal(), QString());
    EXPECT_EQ(vacio.DomicilioSAD(), QString(137, ' ') + QStringLiteral("00") + QString(8, ' '));

    // Province 15 is not assigned; a longer street pushes the rest along.
    agregarContribuyente(9003, QStringLiteral("20-12345678-8"));
    agregarDomicilio(9003, true,
                     {.calle = "Avenida Gobernador Güemes", .nro = " ", .tipobarrio = 2, .localidad = "Salta",
                      .codprov = 15, .codpostal = "4400"});
    clsContribuyente codigos = inicializado(QStringLiteral("20-12345678-8"));
    EXPECT_EQ(codigos.DomicilioFiscal(), "Calle: Avenida Gobernador Güemes Barrio: BARRIO CERRADO Localidad: Salta C.P.: 4400");
    const QString bloque = codigos.DomicilioSAD();
    EXPECT_EQ(bloque.size(), 152);
    EXPECT_EQ(bloque, "AVENIDA GOBERNADOR GÜEMES" + QString(6 + 5 * 5 + 20, ' ') + "2" + ancho("SALTA", 15)
                          + QString(50, ' ') + "15" + ancho("4400", 8));

    agregarContribuyente(9004, QStringLiteral("20-12345678-9"));
    agregarDomicilio(9004, false, {.calle = "Solo postal"});
    clsContribuyente sinFiscal = inicializado(QStringLiteral("20-12345678-9"));
    EXPECT_EQ(sinFiscal.DomicilioFiscal(), QString());
    EXPECT_EQ(sinFiscal.DomicilioSAD(), QString());
}

TEST_F(Contribuyente, SinLaBaseDelSistemaNoHayDomicilioFiscal)
{
    clsContribuyente cines = inicializado(QStringLiteral("30-70451826-5"));
    const QString ruta = instalacion.instalacion().rutaSistema();
    ASSERT_TRUE(QFile::remove(ruta));
    try {
        cines.DomicilioFiscal();
        FAIL() << "domicilio armado sin sistema.mdb";
    } catch (const Error& error) {
        EXPECT_EQ(error.descripcion(), QStringLiteral("No se encuentra la base de datos del sistema ") + ruta + '.');
    }
    EXPECT_EQ(cines.DomicilioSAD().size(), 147);
}

}  // namespace
