#include "core/error.h"
#include "declarations/formulario.h"
#include "declarations/registro_formularios.h"
#include "f617/importacion_617.h"
#include "f708/importacion_708.h"
#include "formularios_instalados.h"
#include "intercambio/importacion.h"
#include "support/archivos.h"
#include "support/declaracion_617.h"
#include "support/declaracion_618.h"
#include "support/declaracion_708.h"
#include "support/filas.h"
#include "support/sesion_de_prueba.h"

#include <functional>
#include <gtest/gtest.h>

using namespace veluma;

namespace {

Importacion leer(std::unique_ptr<Importador> importador, const QByteArray& csv)
{
    return Importacion(std::move(importador), leerCsv(csv, QStringLiteral("archivo.csv")));
}

// Why the file is refused, then "line: shown fields => reason" for each line, "(cargada)" for one already stored.
QString vista(const Importacion& importacion)
{
    QString texto = importacion.impedimento() + '\n';
    for (const LineaImportada& linea : importacion.lineas())
        texto += QStringLiteral("%1: %2%3\n")
                     .arg(linea.linea)
                     .arg(linea.leida.mostrada.join('|'), linea.yaCargada ? QStringLiteral(" (cargada)")
                                                          : linea.leida.problema.isEmpty()
                                                              ? QString()
                                                              : QStringLiteral(" => ") + linea.leida.problema);
    return texto;
}

// Licences of a May 2005 television declaration: two share a name; one has a concept.
void licencias617(Sesion& sesion)
{
    test::crearDeclaracion617(sesion, 200505, 306);
    test::agregarConcepto617(sesion, test::agregarLicencia617(sesion, QStringLiteral("Cable Ñandú"), 2), 100, 50);
    test::agregarLicencia617(sesion, QStringLiteral("Dúo"), 1);
    test::agregarLicencia617(sesion, QStringLiteral("Dúo"), 3);
}

// tests/data/importacion/FNNN.csv, a file with a bad line of each kind the form's screen refuses, read for the
// declaration `preparar` stores: FNNN.txt is what the preview shows.
struct CasoImportacion {
    const char* nombre;
    std::function<void(Sesion&)> preparar;
    const char* tabla;
};

class Importadores : public test::SesionDePrueba {
protected:
    QStringList filas(const QString& sql) { return test::filasDeConsulta(sesion.base, sql); }
};

}  // namespace

TEST_F(Importadores, CadaLineaConElMensajeDeLaPantallaYNadaGuardadoSiUnaSeRechaza)
{
    registrarFormularios();
    const std::vector<CasoImportacion> casos = {
        {"F708", [](Sesion& s) { test::declaracionDeReferencia708(s); }, "[708ImpuestoDeterminado]"},
        {"F618", test::declaracionDeReferencia618, "[618Ingresos]"},
        {"F617", licencias617, "[617LicenciasIngresoConceptos]"},
    };
    for (const CasoImportacion& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        caso.preparar(sesion);
        const QString datos = QStringLiteral(VELUMA_DATOS_PRUEBA "/importacion/") + caso.nombre;
        const Importacion importacion =
            leer(buscarFormulario(sesion.formulario)->importador(sesion), test::leerArchivo(datos + ".csv"));
        EXPECT_EQ(vista(importacion), QString::fromUtf8(test::leerArchivo(datos + ".txt")));

        const QString todas = "SELECT * FROM " + QString(caso.tabla);
        const QStringList antes = filas(todas);
        try {
            importacion.importar(sesion.base, true);
            ADD_FAILURE() << "se importó";
        } catch (const Error& error) {
            EXPECT_EQ(error.descripcion(), importacion.impedimento());
        }
        EXPECT_EQ(filas(todas), antes);
    }
}

TEST_F(Importadores, SinColumnasDeSalaOLicenciaLasLineasVanALasDeLaPantalla)
{
    test::declaracionDeReferencia708(sesion);  // Atlas Flores (000789): week 2 sold 10 at 8
    const qint32 atlas = filas("SELECT COD_SALA FROM [708Salas] WHERE COD_INCAA='000789'").value(0).toInt();
    // The view, then how many lines were stored.
    const auto importarEnLaSemana2 = [&](bool reemplazar) {
        const Importacion importacion =
            leer(std::make_unique<ImportadorEntradas708>(sesion.base, sesion.declaracion, SalaYSemana{atlas, 2}),
                 "9.5,10\n8,40\n");
        return vista(importacion) + QString::number(importacion.importar(sesion.base, reemplazar));
    };
    EXPECT_EQ(importarEnLaSemana2(false),
              "\n1: Atlas Flores (000789)|2|9,50|10\n2: Atlas Flores (000789)|2|8,00|40 (cargada)\n1");
    const QString lineas =
        "SELECT PRECIO_VENTA, CANT_ENTRADAS_POR_PRECIO_VENTA FROM [708ImpuestoDeterminado] "
        "WHERE NRO_SEMANA=2 ORDER BY PRECIO_VENTA";
    EXPECT_EQ(filas(lineas), QStringList({"8|10", "9.5|10"}));
    EXPECT_TRUE(importarEnLaSemana2(true).endsWith("(cargada)\n2"));
    EXPECT_EQ(filas(lineas), QStringList({"8|40", "9.5|10"}));
    // Without the screen's room the file must name it: its columns are read in the order of the fields.
    EXPECT_EQ(leer(std::make_unique<ImportadorEntradas708>(sesion.base, sesion.declaracion), "12;3\n").impedimento(),
              "Falta la columna «Precio de venta».");

    licencias617(sesion);
    const qint64 duo3 = filas("SELECT CodigoLicencia FROM [617Licencias] WHERE TipoServicio=3").value(0).toLongLong();
    EXPECT_EQ(leer(std::make_unique<ImportadorConceptos617>(sesion.base, sesion.declaracion, duo3), "118;2.500,75\n")
                  .importar(sesion.base, false),
              1);
    EXPECT_EQ(filas("SELECT Concepto, FacturacionBruta FROM [617LicenciasIngresoConceptos] WHERE CodigoLicencia="
                    + QString::number(duo3)),
              QStringList{"118|2500.75"});
}
