#include "core/database.h"
#include "declarations/ddjj.h"
#include "declarations/secciones.h"
#include "support/sesion_de_prueba.h"

#include <gtest/gtest.h>

using namespace veluma;

namespace {

const QString kCuit = QStringLiteral("30-70451826-5");

class Secciones : public veluma::test::SesionDePrueba {
protected:
    std::map<QString, QString> estados(int formulario, int impServicio = 0)
    {
        return estadosDeSecciones(sesion.base, ClaveDDJJ{kCuit, 200405, 0, formulario}, impServicio);
    }

    void ingreso(int tipo, int periodo = 200405)
    {
        sesion.base
            .prepare(QStringLiteral("INSERT INTO \"618Ingresos\"(CUIT, Periodo, Secuencia, CodInstituto, TipoIngreso, "
                                    "Dia) VALUES (?, ?, 0, '77', ?, 1)"))
            .bindAll(kCuit, periodo, tipo)
            .run();
    }
};

}  // namespace

TEST_F(Secciones, ElArbolDeCadaFormularioSaleDeLaTablaDeReferenciaEnSuOrden)
{
    const auto secciones = seccionesDelFormulario(sesion.base, 708);
    ASSERT_EQ(secciones.size(), 4u);
    EXPECT_EQ(secciones[0].clave, QStringLiteral("frm708ListadoSalas"));
    EXPECT_EQ(secciones[0].descripcion, QStringLiteral("Salas"));
    EXPECT_TRUE(secciones[2].detalle);
    EXPECT_EQ(secciones[3].clave, QStringLiteral("frm708Saldos"));
    EXPECT_FALSE(secciones[3].detalle);
    EXPECT_EQ(seccionesDelFormulario(sesion.base, 617).size(), 3u);
    EXPECT_TRUE(seccionesDelFormulario(sesion.base, 999).empty());
}

TEST_F(Secciones, LasPercepcionesSinIngresosQuedanVacias)
{
    sesion.base.execute(QStringLiteral("INSERT INTO \"618TotalPercepcionesEfectuadas\"(CUIT, Periodo, Secuencia, "
                                       "CodInstituto) VALUES ('30-70451826-5', 200405, 0, '77')"));
    auto sinIngresos = estados(618);
    EXPECT_EQ(sinIngresos[QStringLiteral("frm618TotalPercepcionesEfectuadas")], kImagenVacio);
    EXPECT_EQ(sinIngresos[QStringLiteral("frm618TotalADepositar")], kImagenVacio);

    ingreso(1);
    auto conAlquileres = estados(618);
    EXPECT_EQ(conAlquileres[QStringLiteral("frm618Ingresos1")], kImagenVacio);
    EXPECT_EQ(conAlquileres[QStringLiteral("frm618Ingresos2")], kImagenLleno);
    EXPECT_EQ(conAlquileres[QStringLiteral("frm618TotalPercepcionesEfectuadas")], kImagenLleno);
    EXPECT_EQ(conAlquileres[QStringLiteral("frm618TotalADepositar")], kImagenLleno);
}

TEST_F(Secciones, CadaSeccionMiraSoloLaDeclaracionYElServicioElegidos)
{
    sesion.base.execute(QStringLiteral("INSERT INTO \"617CompSocietaria\"(CUIT, Periodo, Secuencia, ImpServicio, "
                                       "CodigoSocio, NombreApellido, CuitSocio) VALUES ('30-70451826-5', 200405, 0, "
                                       "307, 1, 'Socio', '20123456786')"));
    EXPECT_EQ(estados(617, 307)[QStringLiteral("frm617CompSocietaria")], kImagenLleno);
    EXPECT_EQ(estados(617, 306)[QStringLiteral("frm617CompSocietaria")], kImagenVacio);
    EXPECT_EQ(estados(617, 307)[QStringLiteral("frm617Licencias")], kImagenVacio);

    sesion.base.execute(QStringLiteral("INSERT INTO \"708PagoCuenta\"(CUIT, PERIODO, SECUENCIA, SEMANA1, SEMANA2, "
                                       "SEMANA3, SEMANA4) VALUES ('30-70451826-5', 200405, 1, 1, 2, 3, 4)"));
    EXPECT_EQ(estados(708)[QStringLiteral("frm708PagoCuenta")], kImagenVacio);  // another sequence
    auto f708 = estadosDeSecciones(sesion.base, ClaveDDJJ{kCuit, 200405, 1, 708}, 0);
    EXPECT_EQ(f708[QStringLiteral("frm708PagoCuenta")], kImagenLleno);
    EXPECT_EQ(f708[QStringLiteral("frm708ListadoSalas")], kImagenVacio);
    // The determined-tax node keeps whatever image it has.
    EXPECT_EQ(f708.count(QStringLiteral("frm708ImpuestoDeterminado")), 0u);
}
