#pragma once

#include <QStringList>

namespace veluma {

class Mensajes;

// The desktop calculators the program knows how to start, in order of preference.
QStringList calculadorasConocidas();

// Starts the first of the candidates found on the PATH, on its own, and
// returns true; when none starts, says so and returns false.
bool abrirCalculadora(Mensajes& mensajes, const QStringList& candidatos = calculadorasConocidas());

}  // namespace veluma
