// Times each phase of a start-up and of the closing on a demo installation,
// with an empty working database and with one holding many declarations.
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
#include <map>
#include <vector>

using namespace veluma;

namespace {

using Tiempos = std::map<QString, std::vector<double>>;

template <class F>
void medir(Tiempos& tiempos, const QString& fase, F&& trabajo)
{
    QElapsedTimer reloj;
    reloj.start();
    trabajo();
    tiempos[fase].push_back(double(reloj.nsecsElapsed()) / 1e6);
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

void imprimir(const char* escenario, Tiempos& tiempos, qint64 tamano)
{
    std::printf("\n%s (base de %lld KiB)\n", escenario, static_cast<long long>(tamano / 1024));
    std::printf("  %-34s %10s %10s %10s\n", "fase", "mediana ms", "mín ms", "máx ms");
    for (const char* fase : {"crear base (primer inicio)", "clave y apertura (1 intento)", "clave y apertura (mezclada)",
                             "vínculos", "actualización", "consultas (vistas)", "cierre (compactar y mezclar)"}) {
        auto& valores = tiempos[QString::fromUtf8(fase)];
        if (valores.empty())
            continue;
        std::sort(valores.begin(), valores.end());
        std::printf("  %-34s %10.1f %10.1f %10.1f\n", fase, valores[valores.size() / 2], valores.front(),
                    valores.back());
    }
}

class SinMensajes : public MensajesConsola {};

void escenario(const char* nombre, int repeticiones, int declaraciones)
{
    QTemporaryDir carpeta;
    demo::crearInstalacionDemo(carpeta.path(), QStringLiteral(VELUMA_PROGRAMA_DIR));
    const Instalacion instalacion = demo::instalacionDemo(carpeta.path());
    Tiempos tiempos;
    SinMensajes mensajes;

    medir(tiempos, "crear base (primer inicio)",
          [&] { CrearBase(instalacion.carpetaPrograma(), instalacion.nombreBaseTrabajo()); });
    {
        Database base = Database::open(instalacion.rutaBaseTrabajo(), contrasenaBase());
        cargar(base, declaraciones);
    }
    for (int vez = 0; vez < repeticiones; ++vez) {
        Sesion sesion(instalacion);
        sesion.clave = textoClave();
        clsInicio inicio(instalacion, sesion.clave);
        Tiempos apertura;
        medir(apertura, "", [&] { inicio.AbrirBase(instalacion.nombreBaseTrabajo(), sesion.base); });
        const char* fase = inicio.intentosUltimaApertura() == 1 ? "clave y apertura (1 intento)"
                                                                : "clave y apertura (mezclada)";
        tiempos[QString::fromUtf8(fase)].push_back(apertura[QString()].front());
        medir(tiempos, "vínculos", [&] { VincularTablasReferencia(sesion.base, instalacion); });
        medir(tiempos, "actualización", [&] { ActualizarEsquema(sesion.base, mensajes); });
        medir(tiempos, "consultas (vistas)", [&] { InstanciarConsultas(sesion.base); });
        // Every other session ends abnormally, so both resting states are timed.
        if (vez % 2 == 0)
            medir(tiempos, "cierre (compactar y mezclar)", [&] { CerrarBaseTrabajo(sesion.base, instalacion); });
    }
    imprimir(nombre, tiempos, QFileInfo(instalacion.rutaBaseTrabajo()).size());
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
