#pragma once

#include "core/clave_ddjj.h"

#include <QString>
#include <map>
#include <vector>

namespace veluma {

// A licence's gross billing by concept group: advertising (concepts 100 to
// 108), subscriptions (109 to 115), programmes (116 and 117), other (118),
// and every concept together, including those outside the four groups.
struct TotalesFacturacion {
    double publicidad = 0;
    double abonos = 0;
    double programas = 0;
    double otros = 0;
    double bruta = 0;
    qint64 cantidad = 0;  // concept rows
};

// The group totals of every licence of the declaration that has concepts,
// by licence code; one query.
std::map<qint64, TotalesFacturacion> totalesPorLicencia(Database& base, const ClaveDDJJ& clave);
// The same for one licence; zeros when it has no concepts.
TotalesFacturacion totalesDeLicencia(Database& base, const ClaveDDJJ& clave, qint64 licencia);

// One line of the concept catalogue.
struct ConceptoCatalogo {
    qint64 codigo = 0;
    QString descripcion;
};

// A licence's gross billing for one concept.
class cls617LicIngresoConceptos {
public:
    qint64 Concepto = 0;
    double FacturacionBruta = 0;

    enum class Guardado { Hecho, Duplicado };

    // Adds the row (nuevo), or changes the row of concept `anterior`, whose
    // code may change too. Duplicado, with nothing stored, when the licence
    // already has the concept; other database errors throw.
    Guardado GuardarConcepto(Database& base, const ClaveDDJJ& clave, qint64 licencia, bool nuevo,
                             qint64 anterior = 0) const;
    static void EliminarConcepto(Database& base, const ClaveDDJJ& clave, qint64 licencia, qint64 concepto);
    static void EliminarTodos(Database& base, const ClaveDDJJ& clave, qint64 licencia);
    // The licence's rows by concept code.
    static std::vector<cls617LicIngresoConceptos> CargarConceptos(Database& base, const ClaveDDJJ& clave,
                                                                  qint64 licencia);
    // Every concept of the catalogue, whatever the period, by code.
    static std::vector<ConceptoCatalogo> Catalogo(Database& base);
};

// A concept row as typed, checked in the order the screen reports.
struct LecturaConcepto {
    enum class Campo { Ninguno, Concepto, Facturacion };
    cls617LicIngresoConceptos concepto;
    QString problema;
    Campo campo = Campo::Ninguno;
};
// `concepto` is the code chosen in the catalogue list, 0 for none.
LecturaConcepto leerConcepto(qint64 concepto, const QString& facturacion);

}  // namespace veluma
