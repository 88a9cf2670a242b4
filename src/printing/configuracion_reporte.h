#pragma once

#include "printing/filas_reporte.h"

#include <QString>
#include <map>
#include <optional>
#include <utility>
#include <vector>

namespace veluma {

struct Sesion;

// What a form's print button hands the print screen: which template, which
// data, which rows and which named values to print, and the caption.
class ConfiguracionReporte {
public:
    // The template `plantilla` ("Form618.rpt") in the program folder, read
    // from the session's working database with the session's key; a saved
    // copy is named after the template and the session's declaration.
    static ConfiguracionReporte deSesion(const Sesion& sesion, const QString& plantilla);

    QString archivoReporte;    // path of the ".rpt" template
    QString archivoDatos;      // path of the database the rows come from
    QString conexion;          // ";PWD=" + password
    QString contrasena;        // when empty, the one inside `conexion`
    QString formulaSeleccion;  // "{TABLA.COLUMNA} = valor and ..."; empty selects every row
    QString titulo;            // the print screen's caption
    QString nombreDocumento;   // the file name a saved copy is offered, without extension
    // Rows the form has already read and figured; when set, the template's
    // origin is not read.
    std::optional<std::vector<FilaReporte>> filas;

    static constexpr int kUltimoIndiceLimpio = 100;

    // Indexes 0 to 100 become empty texts.
    void LimpiarFormulas();
    // The text at one index, as "Nombre='valor'". A negative index throws Error.
    void Formula(int indice, const QString& texto);
    // One "Nombre='valor'" per pair from index 0, then the next index emptied.
    void PonerFormulas(const std::vector<std::pair<QString, QString>>& valores);

    const std::map<int, QString>& formulas() const { return formulas_; }

private:
    std::map<int, QString> formulas_;
};

}  // namespace veluma
