#pragma once

// Lets test failures print Qt texts as texts. Included in every test source
// by the build, so GoogleTest finds it wherever a QString is compared.
#include <QString>
#include <ostream>

inline void PrintTo(const QString& texto, std::ostream* salida) { *salida << '"' << texto.toStdString() << '"'; }
