// Times each phase of a start-up and of the closing on a demo installation,
// with an empty working database and with one holding many declarations, and
// sets the start-up against the work it cannot avoid: one key derivation for
// each of the four files it opens (the working database, the auxiliary one it
// attaches, kelt.mdb and sistema.mdb). One derivation is timed in the same run
// by opening the auxiliary database; the ratio start-up ÷ (4 × derivation)
// near 1 means start-up is the derivations and little else.
// Run under bench/derivaciones, it also prints how many keys each start-up and
// each closing derived.
// Usage: bench_startup [repetitions] [declarations]

#include "core/actualizacion.h"
#include "core/cierre.h"
#include "core/clave.h"
#include "core/consultas.h"
#include "core/esquema.h"
#include "core/inicio.h"
#include "core/mensajes.h"
#include "core/sesion.h"
#include "core/transaction.h"
#include "core/vinculos.h"
#include "instalacion_demo.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <dlfcn.h>
#include <map>
#include <vector>

using namespace veluma;

namespace {

constexpr int kDerivacionesInevitables = 4;

using Tiempos = std::map<QString, std::vector<double>>;

template <class F>
double medir(F&& trabajo)
{
    QElapsedTimer reloj;
    reloj.start();
    trabajo();
    return double(reloj.nsecsElapsed()) / 1e6;
}

// The key derivations made so far, when bench/derivaciones preloads its counter.
long derivaciones()
{
    static const auto contador = reinterpret_cast<long (*)()>(dlsym(RTLD_DEFAULT, "veluma_derivaciones"));
    return contador ? contador() : -1;
}

double mediana(std::vector<double> valores)
{
    if (valores.empty())
        return 0;
    std::sort(valores.begin(), valores.end());
    return valores[valores.size() / 2];
}

void cargar(Database& base, int declaraciones)
{
    Transaction lote(base);
    Statement ddjj = base.prepare("INSERT INTO DDJJ (CUIT, PERIODO, SECUENCIA, FORMULARIO, CAMPO1) VALUES (?, ?, ?, 708, '10')");
    Statement linea = base.prepare("INSERT INTO [708ImpuestoDeterminado] (CUIT, PERIODO, SECUENCIA, NRO_SEMANA, "
                                   "PRECIO_VENTA, COD_SALA, CANT_ENTRADAS_POR_PRECIO_VENTA) VALUES (?, ?, ?, ?, ?, 1, 100)");
    for (int i = 0; i < declaraciones; ++i) {
        const int periodo = 199401 + (i / 4) / 12 * 100 + (i / 4) % 12;
        ddjj.reset();
        ddjj.bindAll(QStringLiteral("30-70451826-5"), periodo, i % 4).run();
        for (int semana = 1; semana <= 4; ++semana) {
            for (int precio = 1; precio <= 5; ++precio) {
                linea.reset();
                linea.bindAll(QStringLiteral("30-70451826-5"), periodo, i % 4, semana, precio * 2.5).run();
            }
        }
    }
    lote.commit();
}

const char* const kFases[] = {
    "crear base (primer inicio)", "clave y apertura (mezclada)", "clave y apertura (plana)", "vínculos", "actualización",
    "consultas (vistas)", "kelt.mdb y sistema.mdb", "arranque (tras un cierre)", "arranque (tras una caída)",
    "cierre (compactar y mezclar)", "una derivación (abrir la auxiliar)"};

void imprimir(const char* escenario, Tiempos& tiempos, std::map<QString, std::vector<long>>& cuentas, qint64 tamano)
{
    std::printf("\n%s (base de %lld KiB)\n", escenario, static_cast<long long>(tamano / 1024));
    std::printf("  %-34s %10s %10s %10s %s\n", "fase", "mediana ms", "mín ms", "máx ms",
                derivaciones() < 0 ? "" : " derivaciones");
    for (const char* fase : kFases) {
        auto& valores = tiempos[QString::fromUtf8(fase)];
        if (valores.empty())
            continue;
        std::sort(valores.begin(), valores.end());
        std::printf("  %-34s %10.1f %10.1f %10.1f", fase, mediana(valores), valores.front(), valores.back());
        const auto& contadas = cuentas[QString::fromUtf8(fase)];
        if (!contadas.empty())
            std::printf("  %ld..%ld", *std::min_element(contadas.begin(), contadas.end()),
                        *std::max_element(contadas.begin(), contadas.end()));
        std::printf("\n");
    }
    const double derivacion = mediana(tiempos[QStringLiteral("una derivación (abrir la auxiliar)")]);
    const double arranque = mediana(tiempos[QStringLiteral("arranque (tras un cierre)")]);
    std::printf("  arranque tras un cierre ÷ (%d derivaciones × %.1f ms) = %.2f\n", kDerivacionesInevitables,
                derivacion, arranque / (kDerivacionesInevitables * derivacion));
}

class SinMensajes : public MensajesConsola {};

void escenario(const char* nombre, int repeticiones, int declaraciones)
{
    QTemporaryDir carpeta;
    demo::crearInstalacionDemo(carpeta.path(), QStringLiteral(VELUMA_PROGRAMA_DIR));
    const Instalacion instalacion = demo::instalacionDemo(carpeta.path());
    Tiempos tiempos;
    std::map<QString, std::vector<long>> cuentas;
    SinMensajes mensajes;

    // Times the work and, with the counter preloaded, counts what it derived.
    const auto fase = [&](const char* nombreFase, auto&& trabajo) {
        const long antes = derivaciones();
        const double ms = medir(trabajo);
        tiempos[QString::fromUtf8(nombreFase)].push_back(ms);
        if (antes >= 0)
            cuentas[QString::fromUtf8(nombreFase)].push_back(derivaciones() - antes);
        return ms;
    };

    fase("crear base (primer inicio)",
         [&] { CrearBase(instalacion.carpetaPrograma(), instalacion.nombreBaseTrabajo()); });
    {
        Database base = Database::open(instalacion.rutaBaseTrabajo(), contrasenaBase());
        cargar(base, declaraciones);
    }
    for (int vez = 0; vez < repeticiones; ++vez) {
        // Timed beside every start-up, so both see the same load on the machine.
        fase("una derivación (abrir la auxiliar)",
             [&] { Database::open(instalacion.rutaBaseAuxiliar(), contrasenaBase()); });

        Sesion sesion(instalacion);
        sesion.clave = textoClave();
        clsInicio inicio(instalacion, sesion.clave);
        const long antes = derivaciones();
        double total = medir([&] { inicio.AbrirBase(instalacion.nombreBaseTrabajo(), sesion.base); });
        const bool trasUnCierre = inicio.intentosUltimaApertura() == 1;
        const QString apertura =
            QString::fromUtf8(trasUnCierre ? "clave y apertura (mezclada)" : "clave y apertura (plana)");
        tiempos[apertura].push_back(total);
        if (antes >= 0)
            cuentas[apertura].push_back(derivaciones() - antes);
        total += fase("vínculos", [&] { VincularTablasReferencia(sesion.base, instalacion); });
        total += fase("actualización", [&] { ActualizarEsquema(sesion.base, mensajes); });
        total += fase("consultas (vistas)", [&] { InstanciarConsultas(sesion.base); });
        total += fase("kelt.mdb y sistema.mdb", [&] {
            Database kelt = Database::open(instalacion.rutaKelt(), contrasenaDeConexion(sesion.clave));
            Database sistema = Database::open(instalacion.rutaSistema(), contrasenaDeConexion(sesion.clave));
        });
        const QString arranque =
            QString::fromUtf8(trasUnCierre ? "arranque (tras un cierre)" : "arranque (tras una caída)");
        tiempos[arranque].push_back(total);
        if (antes >= 0)
            cuentas[arranque].push_back(derivaciones() - antes);
        // Every other session ends abnormally, so both resting states are timed.
        if (vez % 2 == 0)
            fase("cierre (compactar y mezclar)", [&] { CerrarBaseTrabajo(sesion.base, instalacion); });
    }
    imprimir(nombre, tiempos, cuentas, QFileInfo(instalacion.rutaBaseTrabajo()).size());
}

}  // namespace

int main(int argc, char** argv)
{
    const int repeticiones = argc > 1 ? std::max(2, std::atoi(argv[1])) : 10;
    const int declaraciones = argc > 2 ? std::max(1, std::atoi(argv[2])) : 2000;
    std::printf("Arranque de Veluma: %d repeticiones por escenario\n", repeticiones);
    escenario("Base nueva", repeticiones, 0);
    const QByteArray titulo = QStringLiteral("Base con %1 declaraciones y %2 líneas de impuesto")
                                  .arg(declaraciones)
                                  .arg(declaraciones * 20)
                                  .toUtf8();
    escenario(titulo.constData(), repeticiones, declaraciones);
    return 0;
}
