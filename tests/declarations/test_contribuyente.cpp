#include "core/clave.h"
#include "core/database.h"
#include "declarations/contribuyente.h"
#include "support/archivos.h"
#include "support/instalacion_temporal.h"

#include <QFile>
#include <gtest/gtest.h>
#include <optional>

using namespace veluma;

namespace {

// A host address; a null pointer is a NULL column.
struct Domicilio {
    const char* calle = nullptr;
    const char* nro = nullptr;
    std::optional<int> tipobarrio = std::nullopt;
    const char* localidad = nullptr;
    std::optional<int> codprov = std::nullopt;
    const char* codpostal = nullptr;
};

// A column of the fixed-width block.
QString ancho(const QString& valor, int columnas) { return valor.leftJustified(columnas); }

class Contribuyente : public ::testing::Test {
protected:
    clsContribuyente inicializado(const QString& cuit)
    {
        clsContribuyente contribuyente(instalacion.instalacion(), textoClave());
        contribuyente.Inicializar(cuit);
        return contribuyente;
    }

    // A host taxpayer of our own, with one activity of the given kind and, when given, fiscal and postal addresses.
    void agregar(int ncontrib, const QString& cuit, const QString& tipoActividad, std::optional<Domicilio> fiscal = {},
                 std::optional<Domicilio> postal = {})
    {
        Database kelt = Database::open(instalacion.instalacion().rutaKelt(), contrasenaBase());
        kelt.prepare(QStringLiteral("INSERT INTO contribs (ncontrib, cuit, descrip, mesCierreEjCom, formajuridica, "
                                    "tipopersona) VALUES (?, ?, 'Prueba S.A.', 6, 1, 2)"))
            .bindAll(ncontrib, cuit)
            .run();
        kelt.prepare(QStringLiteral("INSERT INTO actcontrib (ncontrib, codact, TipoAct) VALUES (?, '923100', ?)"))
            .bindAll(ncontrib, tipoActividad)
            .run();
        for (const auto& [domicilio, esFiscal] : {std::pair{fiscal, 1}, std::pair{postal, 0}})
            if (domicilio)
                kelt.prepare(QStringLiteral("INSERT INTO domicilio (ncontrib, domfiscal, calle, nro, tipobarrio, "
                                            "localidad, codprov, codpostal) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"))
                    .bindAll(ncontrib, esFiscal, domicilio->calle, domicilio->nro, domicilio->tipobarrio,
                             domicilio->localidad, domicilio->codprov, domicilio->codpostal)
                    .run();
    }

    // The message of the Error that `accion` throws.
    template <class F>
    QString error(F&& accion)
    {
        try {
            accion();
        } catch (const Error& e) {
            EXPECT_NE(e.numero(), 0);
            return e.descripcion();
        }
        return QStringLiteral("(ningún error)");
    }

    test::InstalacionTemporal instalacion;
};

}  // namespace

TEST_F(Contribuyente, InicializarCopiaLosDatosYLaActividadPrincipal)
{
    clsContribuyente cines = inicializado(QStringLiteral("30-70451826-5"));
    EXPECT_EQ(cines.descripcion(), "Cines del Plata S.A.");
    EXPECT_EQ(QList<int>({cines.mescierre(), cines.formajuridica(), cines.tipopersona()}), QList<int>({12, 1, 2}));
    EXPECT_EQ(cines.codactiv(), "591300");
    // The secondary activity is stored first; the name is longer than any field of ours.
    const clsContribuyente cable = inicializado(QStringLiteral("30708251638"));
    EXPECT_EQ(cable.descripcion(), "Compañía Argentina de Radiodifusión y Televisión por Cable del Litoral S.A.");
    EXPECT_EQ(cable.codactiv(), "602200");

    const Instantanea cuentas = cines.ObtenerCBU();
    EXPECT_EQ(cuentas.columnas, QStringList({"ncontrib", "CODIGO", "banco", "tipocuenta"}));
    ASSERT_EQ(cuentas.filas.size(), 2);
    EXPECT_EQ(cuentas.filas[0], QVariantList({qint64(1045), "0110599552000123456781", "Banco de la Nación Argentina",
                                              "Cuenta corriente"}));
    EXPECT_EQ(cuentas.filas[1][1].toString(), "0720154320000003489219");
}

TEST_F(Contribuyente, LoQueFaltaSeRechazaConSuMotivo)
{
    for (const QString& cuit : {QStringLiteral("30-70451826-5 "), QStringLiteral("30704518265"), QString()})
        EXPECT_EQ(error([&] { inicializado(cuit); }),
                  "El contribuyente con C.U.I.T. " + cuit + " no está registrado en la base de contribuyentes.");
    agregar(9001, QStringLiteral("20-12345678-6"), QStringLiteral("Secundaria"));
    EXPECT_EQ(error([&] { inicializado(QStringLiteral("20-12345678-6")); }),
              "El contribuyente con C.U.I.T. 20-12345678-6 no tiene una actividad principal en la base de "
              "contribuyentes.");

    clsContribuyente cines = inicializado(QStringLiteral("30-70451826-5"));
    const QString sistema = instalacion.instalacion().rutaSistema();
    ASSERT_TRUE(QFile::remove(sistema));
    EXPECT_EQ(error([&] { cines.DomicilioFiscal(); }), "No se encuentra la base de datos del sistema " + sistema + '.');
    EXPECT_EQ(cines.DomicilioSAD().size(), 147);

    const QString kelt = instalacion.instalacion().rutaKelt();
    ASSERT_TRUE(QFile::remove(kelt));
    EXPECT_EQ(error([&] { inicializado({}); }), "No se encuentra la base de datos de contribuyentes " + kelt + '.');
    test::escribirArchivo(kelt, QByteArray(4096, 'x'));
    EXPECT_EQ(error([&] { inicializado({}); }), "No se puede abrir la base de datos de contribuyentes " + kelt
                                                   + ": El archivo no es una base de datos válida o su clave no "
                                                     "corresponde.");
}

TEST_F(Contribuyente, ElDomicilioFiscalComoSeImprimeYComoBloqueDeAnchoFijo)
{
    clsContribuyente cines = inicializado(QStringLiteral("30-70451826-5"));
    EXPECT_EQ(cines.DomicilioFiscal(),
              "Calle: Av. Corrientes Nro: 1530 Torre: 1 Piso: 3 Dto/of/loc: B Manzana: 12 Barrio: BARRIO "
              "Localidad: Capital Federal Provincia: CIUDAD AUTONOMA DE BUENOS AIRES C.P.: C1042AAP");
    EXPECT_EQ(cines.DomicilioSAD(), ancho("AV. CORRIENTES", 20) + ancho("1530", 6) + ancho("A", 5) + ancho("1", 5)
                                        + ancho("3", 5) + ancho("B", 5) + ancho("12", 5) + ancho("SAN NICOLÁS", 20)
                                        + "1" + "CAPITAL FEDERAL" + ancho("CIUDAD AUTÓNOMA DE BUENOS AIRES", 50) + "00"
                                        + "C1042AAP");
    clsContribuyente nandu = inicializado(QStringLiteral("30-69587412-6"));
    EXPECT_EQ(nandu.DomicilioFiscal(),
              "Calle: Belgrano Nro: 455 Barrio: BARRIO Localidad: O'Higgins Provincia: BUENOS AIRES C.P.: 6748");
    EXPECT_EQ(nandu.DomicilioSAD(), ancho("BELGRANO", 20) + ancho("455", 6) + QString(25, ' ') + ancho("CENTRO", 20)
                                        + "1" + ancho("O'HIGGINS", 15) + ancho("CHACABUCO", 50) + "01" + ancho("6748", 8));

    // Without a fiscal address (a postal one does not count) both are empty; empty parts are left out but keep
    // their widths; province 15 is not assigned; a longer street pushes the rest along.
    agregar(9001, QStringLiteral("20-12345678-6"), QStringLiteral("Principal"), {}, Domicilio{"Solo postal"});
    EXPECT_EQ(inicializado(QStringLiteral("20-12345678-6")).DomicilioFiscal(), QString());
    EXPECT_EQ(inicializado(QStringLiteral("20-12345678-6")).DomicilioSAD(), QString());
    agregar(9002, QStringLiteral("20-12345678-7"), QStringLiteral("Principal"), Domicilio{"Lima"});
    EXPECT_EQ(inicializado(QStringLiteral("20-12345678-7")).DomicilioFiscal(), "Calle: Lima");
    EXPECT_EQ(inicializado(QStringLiteral("20-12345678-7")).DomicilioSAD(), ancho("LIMA", 137) + "00" + QString(8, ' '));
    agregar(9003, QStringLiteral("20-12345678-8"), QStringLiteral("Principal"),
            Domicilio{"Avenida Gobernador Güemes", " ", 2, "Salta", 15, "4400"});
    clsContribuyente salta = inicializado(QStringLiteral("20-12345678-8"));
    EXPECT_EQ(salta.DomicilioFiscal(), "Calle: Avenida Gobernador Güemes Barrio: BARRIO CERRADO Localidad: Salta C.P.: 4400");
    EXPECT_EQ(salta.DomicilioSAD(), "AVENIDA GOBERNADOR GÜEMES" + QString(6 + 5 * 5 + 20, ' ') + "2" + ancho("SALTA", 15)
                                        + QString(50, ' ') + "15" + ancho("4400", 8));
}
