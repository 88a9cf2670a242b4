// Times the export of the largest declaration of each form, to an Excel
// workbook and to CSV files, against the work it cannot avoid: one SELECT of
// the same rows. Form 708: 500 rooms of 4 weeks of 25 prices (50,000 ticket
// lines); Form 618: a month of 31 days of sales and of rentals; Form 617: 200
// licences with every concept of the catalogue. Prints the medians in
// milliseconds and each export as a multiple of the SELECT.
// Usage: bench_exportacion [repetitions]

#include "intercambio/exportacion.h"
#include "core/sesion.h"
#include "declaraciones_grandes.h"
#include "formularios_instalados.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>
#include <cstdlib>
#include <functional>

using namespace veluma;
using namespace veluma::bench;

namespace {

void medir(Sesion& sesion, const char* titulo, const std::function<void()>& seleccion, int repeticiones,
           const QString& carpeta)
{
    const double select = medianaMs(repeticiones, seleccion);
    const double xlsx =
        medianaMs(repeticiones, [&] { exportarDeclaracion(sesion, QDir(carpeta).filePath(QStringLiteral("d.xlsx"))); });
    const double csv =
        medianaMs(repeticiones, [&] { exportarDeclaracion(sesion, QDir(carpeta).filePath(QStringLiteral("d.csv"))); });
    std::printf("  %-44s %9.2f %9.1f %9.1f %11.1f× %9.1f×\n", titulo, select, xlsx, csv, xlsx / select, csv / select);
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication aplicacion(argc, argv);
    const int repeticiones = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    registrarFormularios();
    InstalacionDeMedicion medicion;
    Sesion& sesion = medicion.sesion;
    const QString carpeta = medicion.carpeta.path();

    std::printf("Exportación de la mayor declaración de cada formulario: mediana de %d repeticiones, ms\n",
                repeticiones);
    std::printf("  %-44s %9s %9s %9s %12s %10s\n", "declaración", "SELECT", "XLSX", "CSV", "XLSX÷SELECT", "CSV÷SELECT");

    sesion.declaracion = {sesion.cuit, 200401, 0, 708, QStringLiteral("10")};
    cargarDeclaracion(sesion, 500);
    medir(
        sesion, "F.708, 500 salas, 50.000 líneas", [&] { leerLineas(sesion); }, repeticiones, carpeta);

    cargarAnio618(sesion, 2005);
    sesion.declaracion = {sesion.cuit, 200501, 0, 618, QStringLiteral("INST-01")};
    const auto dias = [&] {
        Statement consulta = sesion.base.prepare(
            QStringLiteral("SELECT TipoIngreso, Dia, NetoCobrado, TotalCobrado FROM [618Ingresos] WHERE Cuit=? AND "
                           "Periodo=? AND Secuencia=? AND CodInstituto=? ORDER BY TipoIngreso, Dia"));
        ligarClave(consulta, sesion.declaracion).bind(4, sesion.declaracion.campo1);
        while (consulta.next()) {
        }
    };
    medir(sesion, "F.618, 62 días", dias, repeticiones, carpeta);

    sesion.declaracion = {sesion.cuit, 200505, 0, 617, QStringLiteral("306")};
    cargarDeclaracion617(sesion, 200);
    const auto conceptos = [&] {
        Statement consulta = sesion.base.prepare(
            QStringLiteral("SELECT CodigoLicencia, Concepto, FacturacionBruta FROM [617LicenciasIngresoConceptos] "
                           "WHERE Cuit=? AND Periodo=? AND Secuencia=? AND ImpServicio=306 "
                           "ORDER BY CodigoLicencia, Concepto"));
        ligarClave(consulta, sesion.declaracion);
        while (consulta.next()) {
        }
    };
    medir(sesion, "F.617, 200 licencias con todos los conceptos", conceptos, repeticiones, carpeta);
    sesion.base.close();
    return 0;
}
