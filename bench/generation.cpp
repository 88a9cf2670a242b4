// Times the Form 708 record builder and the month total on declarations of
// growing size in a temporary installation: 13, 25 and 50 rooms with 4 weeks
// of 25 prices each (1,300, 2,500 and 5,000 ticket lines). The time per 1,000
// lines shows whether generation grows linearly with the declaration.
// Usage: bench_generation [repetitions]

#include "core/arranque.h"
#include "core/clave.h"
#include "core/error.h"
#include "core/mensajes.h"
#include "core/sesion.h"
#include "core/transaction.h"
#include "declarations/ddjj.h"
#include "f708/impuesto_determinado.h"
#include "f708/interfaz_708.h"
#include "f708/salas.h"
#include "generation/datos_generacion.h"
#include "instalacion_demo.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace veluma;

namespace {

constexpr int kSemanas = 4;
constexpr int kPreciosPorSemana = 25;

// A declaration of `salas` rooms for the period, stored as the screens store
// it; the ticket lines in one transaction, as a bulk entry would.
void cargarDeclaracion(Sesion& sesion, int periodo, int salas)
{
    const auto exigir = [](const QString& problema) {
        if (!problema.isEmpty())
            throw Error(1, problema);
    };
    clsDDJJ ddjj;
    ddjj.Cuit = sesion.cuit;
    ddjj.Periodo = periodo;
    ddjj.Formulario = 708;
    ddjj.campo1 = QStringLiteral("10");
    ddjj.hora = QDateTime(QDate(2004, 4, 12), QTime(14, 35, 20));
    exigir(ddjj.Agregar(sesion.base));
    std::vector<qint32> codigos;
    for (int numero = 1; numero <= salas; ++numero) {
        cls708Salas sala;
        sala.Cuit = sesion.cuit;
        sala.Periodo = periodo;
        sala.Denominacion = QStringLiteral("Sala %1").arg(numero);
        sala.Domicilio = QStringLiteral("Lavalle %1").arg(800 + numero);
        sala.CodigoINCAA = QString::number(100000 + numero);
        exigir(sala.Agregar(sesion.base));
        codigos.push_back(sala.codigo);
    }
    Transaction lote(sesion.base);
    cls708ImpuestoDeterminado linea;
    linea.Cuit = sesion.cuit;
    linea.Periodo = periodo;
    for (int numero = 1; numero <= salas; ++numero) {
        linea.CodSala = codigos[std::size_t(numero - 1)];
        for (int semana = 1; semana <= kSemanas; ++semana) {
            linea.NroSemana = qint16(semana);
            for (int precio = 1; precio <= kPreciosPorSemana; ++precio) {
                linea.PrecioVenta = 4.5 + precio * 0.75;
                linea.EntradasVendidas = 10 + (numero * 7 + semana * 3 + precio) % 90;
                exigir(linea.Agregar(sesion.base));
            }
        }
    }
    lote.commit();
}

template <class F>
double medianaMs(int repeticiones, F&& trabajo)
{
    std::vector<double> tiempos;
    for (int vez = 0; vez < repeticiones; ++vez) {
        QElapsedTimer reloj;
        reloj.start();
        trabajo();
        tiempos.push_back(double(reloj.nsecsElapsed()) / 1e6);
    }
    std::sort(tiempos.begin(), tiempos.end());
    return tiempos[tiempos.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    const int repeticiones = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;

    QTemporaryDir carpeta;
    demo::crearBasesAnfitrion(carpeta.path());
    const Instalacion instalacion = demo::instalacionDemo(carpeta.path());
    demo::copiarArchivos(QStringLiteral(VELUMA_PROGRAMA_DIR), instalacion, {NombreBaseAuxiliar(instalacion.version())});

    MensajesConsola mensajes;
    Sesion sesion(instalacion);
    sesion.cuit = demo::contribuyentesDemo().first().cuit;
    sesion.clave = textoClave();
    abrirBaseDeTrabajo(sesion, mensajes);
    sesion.formulario = 708;

    std::printf("Generación del F.708: mediana de %d repeticiones\n", repeticiones);
    // The widths count bytes: one more for each accented letter.
    std::printf("  %6s %8s %10s %14s %13s %16s %15s\n", "salas", "líneas", "registros", "generar ms", "ms/1000 lín.",
                "total mes ms", "ms/1000 lín.");
    int periodo = 200401;
    for (const int salas : {13, 25, 50}) {
        cargarDeclaracion(sesion, periodo, salas);
        sesion.periodo = periodo++;
        const ClaveDDJJ clave{sesion.cuit, sesion.periodo, 0, 708};
        const int lineas = salas * kSemanas * kPreciosPorSemana;
        const double saldo = saldoParaGeneracion(sesion, 10);

        qint32 registros = 0;
        const double generar = medianaMs(repeticiones, [&] {
            cls708Interfaz interfaz(sesion, saldo);
            if (!interfaz.GenerarDisquete(kArchivoRegistros, mensajes))
                std::exit(1);
            registros = interfaz.CantidadRegistros;
        });
        double total = 0;
        const double totalMes = medianaMs(
            repeticiones, [&] { total = cls708ImpuestoDeterminado::TotalImpuestoMes(sesion.base, clave, 0, 10); });
        std::printf("  %6d %7d %10d %14.1f %12.2f %16.1f %14.2f   (impuesto %.2f, archivo %lld bytes)\n", salas, lineas,
                    registros, generar, generar * 1000 / lineas, totalMes, totalMes * 1000 / lineas, total,
                    static_cast<long long>(QFileInfo(instalacion.carpetaTrabajo() + kArchivoRegistros).size()));
    }
    sesion.base.close();
    return 0;
}
