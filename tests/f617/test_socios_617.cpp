#include "f617/socios_617.h"
#include "generation/codificacion.h"
#include "support/declaracion_617.h"
#include "support/filas.h"
#include "support/sesion_de_prueba.h"

using namespace veluma;

namespace {

// The partners of a Form 617 declaration of the session: television, March 2005.
class Socios617Prueba : public test::SesionDePrueba {
protected:
    void SetUp() override
    {
        SesionDePrueba::SetUp();
        test::crearDeclaracion617(sesion, 200503, 306);
    }
    // A partner typed and stored as the screen stores it; what was said ("duplicado" when the CUIT is there).
    QString agregar(const QString& cuit, const QString& nombre, const QString& porcentaje, qint64 modificar = 0)
    {
        LecturaSocio lectura = ValidarSocio(sesion.base, sesion.declaracion, cuit, nombre, porcentaje, modificar != 0);
        if (!lectura.problema.isEmpty())
            return lectura.problema;
        if (modificar == 0 && lectura.socio.BuscarDuplicado(sesion.base))
            return QStringLiteral("duplicado");
        lectura.socio.CodigoSocio = modificar;
        lectura.socio.GuardarSocio(sesion.base, modificar == 0);
        return {};
    }
    QString completo()
    {
        cls617CompSocietaria composicion;
        composicion.clave = sesion.declaracion;
        return composicion.ValidarPorcentaje100(sesion.base, true);
    }
    // "service/code|name|CUIT|share" of every partner row of the taxpayer.
    QStringList filas()
    {
        return test::filasDeConsulta(sesion.base, QStringLiteral("SELECT ImpServicio || '/' || CodigoSocio, "
                                                                 "NombreApellido, CuitSocio, Porcentaje FROM "
                                                                 "[617CompSocietaria] ORDER BY ImpServicio, "
                                                                 "CodigoSocio"));
    }
};

const QString kMasDe100 = QStringLiteral("La suma de los porcentajes no puede superar 100.");
const QString kIncompleto = QStringLiteral("No se ha completado el 100 % de la Composición Societaria.");
const QString kPorcentajeInvalido = QStringLiteral(
    "El porcentaje de participación debe ser un número mayor que 0 y hasta 100, con hasta dos decimales.");

}  // namespace

TEST_F(Socios617Prueba, LasComprobacionesVanEnOrdenYNombranSuCampo)
{
    using Campo = LecturaSocio::Campo;
    struct Caso {
        const char* cuit;
        QString nombre;
        const char* porcentaje;
        QString problema;
        Campo campo;
    };
    const Caso casos[] = {
        {"  ", "", "0", "Debe completar el Cuit del socio", Campo::Cuit},
        {"20-12345678-5", "   ", "0", "Debe completar el nombre del socio", Campo::Nombre},
        {"20-12345678-5", QString(51, 'x'), "10", "El nombre del socio no puede tener más de 50 caracteres",
         Campo::Nombre},
        {"20-12345678-5", "Ana\nPérez", "10", "El nombre del socio no puede tener saltos de línea ni tabulaciones",
         Campo::Nombre},
        {"20-12345678-5", "Ana", "0,00", "Debe completar el porcentaje de participación", Campo::Porcentaje},
        {"20-12345678-5", "Ana", " ", "Debe completar el porcentaje de participación", Campo::Porcentaje},
        {"20-12345678-5", "Ana", "-5", kPorcentajeInvalido, Campo::Porcentaje},
        {"20-12345678-5", "Ana", "1,2,3", kPorcentajeInvalido, Campo::Porcentaje},
        {"20-12345678-5", "Ana", "60.5", kPorcentajeInvalido, Campo::Porcentaje},
        {"20-12345678-5", "Ana", "100,01", kPorcentajeInvalido, Campo::Porcentaje},
        {"20-12345678-5", "Ana", "12,345", kPorcentajeInvalido, Campo::Porcentaje},
        {"20-12345678-5", "Ana", "10", "El Cuit del Socio no es válido", Campo::Cuit},
        {"20-1234567_-_", "Ana", "10", "El Cuit del Socio no es válido", Campo::Cuit},
        {"20-12345678-6", QString(50, 'x'), "100", "", Campo::Ninguno},
    };
    for (const Caso& caso : casos) {
        const LecturaSocio lectura = ValidarSocio(sesion.base, sesion.declaracion, caso.cuit, caso.nombre,
                                                  caso.porcentaje, false);
        EXPECT_EQ(lectura.problema, caso.problema) << caso.cuit << ' ' << caso.porcentaje;
        EXPECT_EQ(lectura.campo, caso.campo) << caso.cuit << ' ' << caso.porcentaje;
    }
    // Typed without dashes, kept with them; the name trimmed, its apostrophe kept.
    const LecturaSocio bueno =
        ValidarSocio(sesion.base, sesion.declaracion, "20123456786", "  O'Connor, Ana ", "33,33", false);
    EXPECT_EQ(bueno.socio.CuitSocio + '|' + bueno.socio.NombreApellido + '|' + QString::number(bueno.socio.Porcentaje),
              "20-12345678-6|O'Connor, Ana|33.33");
}

TEST_F(Socios617Prueba, LosPorcentajesSumanHastaCienExactoYCadaCambioQuedaGuardado)
{
    EXPECT_EQ(completo(), kIncompleto);
    EXPECT_EQ(agregar("20-12345678-6", "Ana O'Connor", "60"), "");
    EXPECT_EQ(agregar("20123456786", "Otra vez Ana", "10"), "duplicado");
    EXPECT_EQ(agregar("27-30111222-5", "Beltrán", "40"), "");
    EXPECT_EQ(completo(), "");
    EXPECT_EQ(agregar("20-23456789-7", "Tercero", "1"), kMasDe100);
    // Changing a partner leaves its own stored share out of the sum.
    EXPECT_EQ(agregar("20-12345678-6", "Ana O'Connor", "70", 1), kMasDe100);
    EXPECT_EQ(agregar("20-12345678-6", "Ana María O'Connor", "55", 1), "");
    EXPECT_EQ(completo(), kIncompleto);
    EXPECT_EQ(filas(), QStringList({"306/1|Ana María O'Connor|20-12345678-6|55", "306/2|Beltrán|27-30111222-5|40"}));

    // Shares are compared in hundredths: 33.33 + 33.33 + 33.34 is exactly 100.
    cls617CompSocietaria::EliminarTodos(sesion.base, sesion.declaracion);
    for (const char* cuit : {"20-12345678-6", "27-30111222-5"})
        EXPECT_EQ(agregar(cuit, "Socio", "33,33"), "");
    EXPECT_EQ(agregar("20-23456789-7", "Socio", "33,35"), kMasDe100);
    EXPECT_EQ(agregar("20-23456789-7", "Socio", "33,34"), "");
    EXPECT_EQ(completo(), "");
    EXPECT_EQ(filas().size(), 3);
}

TEST_F(Socios617Prueba, CodigosBorradoPorDeclaracionYElArchivoLosLeePorNombreConSuCuitDeOnceDigitos)
{
    for (const auto& [cuit, nombre] :
         {std::pair{"20-12345678-6", "Zapata"}, {"20-23456789-7", "álvarez"}, {"27-30111222-5", "Beltrán"}})
        EXPECT_EQ(agregar(cuit, QString::fromUtf8(nombre), "10"), "");
    cls617CompSocietaria segundo;
    segundo.clave = sesion.declaracion;
    segundo.CodigoSocio = 2;
    segundo.CargarSocio(sesion.base);
    EXPECT_EQ(segundo.NombreApellido, QString::fromUtf8("álvarez"));
    segundo.EliminarSocio(sesion.base);
    EXPECT_EQ(agregar("30-70451826-5", "Nueva", "10"), "");
    EXPECT_THROW(segundo.CargarSocio(sesion.base), Error);

    // The radio declaration of the same period keeps its partners when the television one loses all of them.
    const ClaveDDJJ television = sesion.declaracion;
    test::crearDeclaracion617(sesion, 200503, 307);
    EXPECT_EQ(agregar("20-99887766-1", "Radio", "100"), "");
    sesion.declaracion = television;

    QStringList archivo;
    for (Socio617 socio : cls617CompSocietaria::GetAllInterfaz(sesion.base, sesion.declaracion)) {
        QVariant cuit = socio.CuitSocio;
        archivo += QString::number(socio.CodigoSocio) + ' ' + socio.NombreApellido + ' ' + FormatearCuit(cuit, 0);
    }
    EXPECT_EQ(archivo, QStringList({QString::fromUtf8("3 Beltrán 27301112225"), "4 Nueva 30704518265",
                                    "1 Zapata 20123456786"}));
    cls617CompSocietaria::EliminarTodos(sesion.base, sesion.declaracion);
    EXPECT_EQ(filas(), QStringList({"307/1|Radio|20-99887766-1|100"}));
}
