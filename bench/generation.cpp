// Times the generation of a Form 708 file on declarations of growing size in
// a temporary installation (rooms with 4 weeks of 25 prices each), against
// the work it cannot avoid: one SELECT of the same ticket lines. Prints, per
// size, the milliseconds of the SELECT, of the settlement (one read of the
// declaration and every figure), of the record builder, of encoding the file
// for a CD (dkwin), and the ratio of settlement plus builder to the SELECT;
// the time per 1,000 lines shows whether each step grows linearly.
// Then the same for Form 618: a month of 31 days of sales and of rentals,
// among a year of declarations of the same institute. Then Form 617: a
// declaration of 200 licences, each with its detail, every concept of the
// catalogue and its totals, against one SELECT of its concept rows.
// Usage: bench_generation [repetitions]

#include "core/mensajes.h"
#include "core/sesion.h"
#include "declaraciones_grandes.h"
#include "f617/interfaz_617.h"
#include "f617/liquidacion_617.h"
#include "f618/ingresos_618.h"
#include "f618/interfaz_618.h"
#include "f618/liquidacion_618.h"
#include "f708/interfaz_708.h"
#include "f708/liquidacion_708.h"
#include "formularios_instalados.h"
#include "generation/confirmacion_generacion.h"
#include "generation/datos_generacion.h"
#include "generation/generacion.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

using namespace veluma;
using namespace veluma::bench;

namespace {

// The steps of one generation of the session's declaration, settled with
// `L` and written with `I`: milliseconds of each, medians of `repeticiones`.
struct Medicion {
    double liquidar = 0;
    double escribir = 0;
    double codificar = 0;
    qint32 registros = 0;
};

template <class L, class I>
Medicion medirGeneracion(Sesion& sesion, Mensajes& mensajes, int repeticiones)
{
    Medicion medicion;
    L liquidacion;
    medicion.liquidar = medianaMs(repeticiones, [&] { liquidacion = L::calcular(sesion.base, sesion.declaracion); });
    DatosGeneracion datos;
    medicion.escribir = medianaMs(repeticiones, [&] {
        I interfaz(sesion, liquidacion);
        if (!interfaz.GenerarDisquete(kArchivoRegistros, mensajes))
            std::exit(1);
        datos.ArchivoTMP = kArchivoRegistros;
        datos.cantReg = interfaz.CantidadRegistros;
    });
    const ccGeneracion generacion(sesion.instalacion);
    medicion.codificar = medianaMs(repeticiones, [&] {
        if (!PrepararArchivo(generacion, datos, DestinoGeneracion::CD, mensajes))
            std::exit(1);
    });
    medicion.registros = datos.cantReg;
    return medicion;
}

// One line of figures against the SELECT of the same rows.
void imprimirMedicion(const char* titulo, const char* seleccionada, double seleccion, const Medicion& m,
                      int repeticiones)
{
    std::printf("\n%s (%d registros): mediana de %d repeticiones, ms\n", titulo, m.registros, repeticiones);
    std::printf(
        "  SELECT de %s %.2f; liquidación %.2f; registros %.2f; dkwin (CD) %.1f; liq.+registros ÷ SELECT "
        "%.1f×\n",
        seleccionada, seleccion, m.liquidar, m.escribir, m.codificar, (m.liquidar + m.escribir) / seleccion);
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication aplicacion(argc, argv);
    const int repeticiones = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    registrarFormularios();

    bench::InstalacionDeMedicion medicion;
    Sesion& sesion = medicion.sesion;
    MensajesConsola& mensajes = medicion.mensajes;

    std::printf("Generación del F.708: mediana de %d repeticiones; ms y, entre paréntesis, ms por 1.000 líneas\n",
                repeticiones);
    std::printf("  %7s %15s %15s %15s %15s %15s %11s\n", "líneas", "SELECT", "liquidación", "registros",
                "liq.+registros", "dkwin (CD)", "÷ SELECT");
    int periodo = 200401;
    for (const int salas : {50, 125, 250, 500}) {
        sesion.declaracion = {sesion.cuit, periodo++, 0, 708, QStringLiteral("10")};
        cargarDeclaracion(sesion, salas);
        const double lineas = salas * kSemanas * kPreciosPorSemana;
        const auto porMil = [&](double ms) { return ms * 1000 / lineas; };

        const double seleccion = medianaMs(repeticiones, [&] { leerLineas(sesion); });
        const Medicion m = medirGeneracion<Liquidacion708, cls708Interfaz>(sesion, mensajes, repeticiones);
        std::printf("  %7.0f %7.1f (%5.2f) %7.1f (%5.2f) %7.1f (%5.2f) %7.1f (%5.2f) %7.1f (%5.2f) %10.1f×\n", lineas,
                    seleccion, porMil(seleccion), m.liquidar, porMil(m.liquidar), m.escribir, porMil(m.escribir),
                    m.liquidar + m.escribir, porMil(m.liquidar + m.escribir), m.codificar, porMil(m.codificar),
                    (m.liquidar + m.escribir) / seleccion);
    }

    cargarAnio618(sesion, 2005);
    sesion.declaracion = {sesion.cuit, 200501, 0, 618, QStringLiteral("INST-01")};
    const double dias =
        medianaMs(repeticiones, [&] { cls618Ingresos::GetAllInterfaz(sesion.base, sesion.declaracion); });
    imprimirMedicion("Generación del F.618, 62 días de un año de declaraciones", "los días", dias,
                     medirGeneracion<Liquidacion618, cls618Interfaz>(sesion, mensajes, repeticiones), repeticiones);

    sesion.declaracion = {sesion.cuit, 200505, 0, 617, QStringLiteral("306")};
    cargarDeclaracion617(sesion, 200);
    const double conceptos = medianaMs(repeticiones, [&] {
        Statement consulta = sesion.base.prepare(
            QStringLiteral("SELECT CodigoLicencia, Concepto, FacturacionBruta FROM [617LicenciasIngresoConceptos] "
                           "WHERE Cuit=? AND Periodo=? AND Secuencia=? AND ImpServicio=306"));
        ligarClave(consulta, sesion.declaracion);
        while (consulta.next()) {
        }
    });
    imprimirMedicion("Generación del F.617, 200 licencias con todos los conceptos", "los conceptos", conceptos,
                     medirGeneracion<Liquidacion617, cls617Interfaz>(sesion, mensajes, repeticiones), repeticiones);
    sesion.base.close();
    return 0;
}
