#pragma once

class QWidget;

namespace veluma {

class Mensajes;
struct Sesion;

// Asks where to export the session's declaration, as an Excel workbook or
// as CSV files, exports it and tells what was written or why it was not.
void exportarDDJJ(QWidget* padre, Sesion& sesion, Mensajes& mensajes);

}  // namespace veluma
