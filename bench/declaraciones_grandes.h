#pragma once

#include "core/mensajes.h"
#include "core/sesion.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <vector>

// The large declarations the benchmarks measure, each stored as its screens
// or a bulk entry would store it, in a demo installation of their own.
namespace veluma::bench {

inline constexpr int kSemanas = 4;
inline constexpr int kPreciosPorSemana = 25;

// The session's Form 708 declaration and its `salas` rooms, with INCAA codes
// 100001 on; the rooms' codes, in order.
std::vector<qint32> crearDeclaracion708(Sesion& sesion, int salas);
// The session's Form 708 declaration with `salas` rooms of 4 weeks of 25
// prices each; the ticket lines in one transaction.
void cargarDeclaracion(Sesion& sesion, int salas);
// The ticket lines of the session's declaration, read and nothing more.
double leerLineas(Sesion& sesion);
// A year of Form 618 declarations of the institute "INST-01": every day of
// each month, of both kinds, and the perceptions.
void cargarAnio618(Sesion& sesion, int anio);
// The session's television declaration of `licencias` licences, each with its
// detail, every concept of the catalogue and its totals, and two partners.
void cargarDeclaracion617(Sesion& sesion, int licencias);

// A temporary demo installation with the program's files and the session of
// its first taxpayer open.
struct InstalacionDeMedicion {
    InstalacionDeMedicion();

    QTemporaryDir carpeta;
    Instalacion instalacion;
    MensajesConsola mensajes;
    Sesion sesion;
};

template <class F> double medianaMs(int repeticiones, F&& trabajo)
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

}  // namespace veluma::bench
