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
    // A new partner typed and, when valid, stored: what was said.
    QString agregar(const char* cuit, const char* nombre, const char* porcentaje)
    {
        LecturaSocio lectura =
            ValidarSocio(sesion.base, sesion.declaracion, cuit, QString::fromUtf8(nombre), porcentaje, false);
        if (lectura.problema.isEmpty())
            lectura.socio.GuardarSocio(sesion.base, true);
        return lectura.problema;
    }
};

}  // namespace

TEST_F(Socios617Prueba, CadaDatoMalEscritoDiceQueEsYEnQueCampo)
{
    using C = LecturaSocio::Campo;
    const QString rango = QStringLiteral(
        "El porcentaje de participación debe ser un número mayor que 0 y hasta 100, "
        "con hasta dos decimales.");
    const std::tuple<const char*, QString, const char*, QString, C> casos[] = {
        {" ", "", "0", "Debe completar el Cuit del socio", C::Cuit},
        {"20-12345678-5", "  ", "0", "Debe completar el nombre del socio", C::Nombre},
        {"20-12345678-5", QString(51, 'x'), "1", "El nombre del socio no puede tener más de 50 caracteres", C::Nombre},
        {"20-1", "A\tB", "1", "El nombre del socio no puede tener saltos de línea ni tabulaciones", C::Nombre},
        {"20-12345678-5", "Ana", "-5", rango, C::Porcentaje},
        {"20-12345678-5", "Ana", "1,2,3", rango, C::Porcentaje},
        {"20-12345678-5", "Ana", "100,01", rango, C::Porcentaje},
        {"20-12345678-5", "Ana", "12,345", rango, C::Porcentaje},
        {"20-1234567_-_", "Ana", "10", "El Cuit del Socio no es válido", C::Cuit},
    };
    for (const auto& [cuit, nombre, porcentaje, problema, campo] : casos) {
        const LecturaSocio lectura = ValidarSocio(sesion.base, sesion.declaracion, cuit, nombre, porcentaje, false);
        EXPECT_EQ(lectura.problema, problema) << porcentaje;
        EXPECT_EQ(lectura.campo, campo) << porcentaje;
    }
}

TEST_F(Socios617Prueba, CienSeSumaEnCentesimosYElArchivoLosLeePorNombreConOnceDigitos)
{
    EXPECT_EQ(agregar("20-12345678-6", "Zapata", "26,66"), QString());
    EXPECT_EQ(agregar("27-30111222-5", "álvarez", "40"), QString());
    EXPECT_EQ(agregar("20-23456789-7", "Beltrán", "33,35"), "La suma de los porcentajes no puede superar 100.");
    EXPECT_EQ(agregar("20-23456789-7", "Beltrán", "33,34"), QString());
    EXPECT_EQ(cls617CompSocietaria::ValidarTotalPorcentaje(sesion.base, sesion.declaracion), QString());

    const ClaveDDJJ television = sesion.declaracion;
    test::crearDeclaracion617(sesion, 200503, 307);
    EXPECT_EQ(agregar("20998877661", " O'Higgins ", "100"), QString());
    sesion.declaracion = television;
    QStringList archivo;
    for (const Socio617& socio : cls617CompSocietaria::GetAllInterfaz(sesion.base, sesion.declaracion)) {
        QVariant cuit = socio.CuitSocio;
        archivo += socio.NombreApellido + ' ' + FormatearCuit(cuit, 0);
    }
    EXPECT_EQ(archivo.join(','), "álvarez 27301112225,Beltrán 20234567897,Zapata 20123456786");
    // Deleting them all leaves the radio declaration's partner, kept trimmed and with the dashes it was typed without.
    cls617CompSocietaria::EliminarTodos(sesion.base, sesion.declaracion);
    EXPECT_EQ(test::filasDeConsulta(sesion.base,
                                    "SELECT ImpServicio, NombreApellido, CuitSocio FROM "
                                    "[617CompSocietaria]"),
              QStringList({"307|O'Higgins|20-99887766-1"}));
}
