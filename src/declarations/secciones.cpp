#include "declarations/secciones.h"

#include "core/database.h"
#include "declarations/ddjj.h"

namespace veluma {

namespace {

// A section is filled when this table holds a row of the declaration that
// meets the extra condition.
struct ReglaSeccion {
    const char* clave;
    const char* tabla;
    const char* condicion;  // extra SQL with at most one "?" for the service
};

const std::vector<ReglaSeccion>& reglas(int formulario)
{
    static const std::vector<ReglaSeccion> f617{
        {"frm617CompSocietaria", "617CompSocietaria", " AND ImpServicio=?"},
        {"frm617Licencias", "617Licencias", " AND ImpServicio=?"},
        {"frm617TotalAPagar", "617LicenciasIngresoConceptos", " AND ImpServicio=?"},
    };
    static const std::vector<ReglaSeccion> f618{
        {"frm618Ingresos1", "618Ingresos", " AND TipoIngreso=0"},
        {"frm618Ingresos2", "618Ingresos", " AND TipoIngreso=1"},
        {"frm618TotalPercepcionesEfectuadas", "618TotalPercepcionesEfectuadas", ""},
    };
    static const std::vector<ReglaSeccion> f708{
        {"frm708ListadoSalas", "708Salas", ""},
        {"frm708PagoCuenta", "708PagoCuenta", ""},
        {"frm708Saldos", "708ImpuestoDeterminado", ""},
    };
    static const std::vector<ReglaSeccion> ninguna;
    switch (formulario) {
    case 617: return f617;
    case 618: return f618;
    case 708: return f708;
    default: return ninguna;
    }
}

QString EstadoSeccion(Database& base, const ReglaSeccion& regla, const ClaveDDJJ& declaracion, int impServicio)
{
    const QString condicion = QString::fromLatin1(regla.condicion);
    Statement consulta = base.prepare(QStringLiteral("SELECT 1 FROM \"%1\" WHERE Cuit=? AND Periodo=? AND Secuencia=?%2 LIMIT 1")
                                          .arg(QString::fromLatin1(regla.tabla), condicion));
    consulta.bindAll(declaracion.cuit, declaracion.periodo, declaracion.secuencia);
    if (condicion.contains(QLatin1Char('?')))
        consulta.bind(4, impServicio);
    return consulta.next() ? kImagenLleno : kImagenVacio;
}

}  // namespace

std::vector<SeccionDDJJ> seccionesDelFormulario(Database& base, int formulario)
{
    Statement consulta = base.prepare(
        QStringLiteral("SELECT NombreForm, descripcion, detalle FROM TablaArbol WHERE Formulario=? ORDER BY rowid"));
    consulta.bind(1, formulario);
    std::vector<SeccionDDJJ> secciones;
    while (consulta.next())
        secciones.push_back({consulta.text(0).value_or(QString()), consulta.text(1).value_or(QString()),
                             consulta.integer(2).value_or(0) != 0});
    return secciones;
}

std::map<QString, QString> estadosDeSecciones(Database& base, const ClaveDDJJ& declaracion, int impServicio)
{
    std::map<QString, QString> estados;
    for (const ReglaSeccion& regla : reglas(declaracion.formulario))
        estados[QString::fromLatin1(regla.clave)] = EstadoSeccion(base, regla, declaracion, impServicio);

    if (declaracion.formulario == 618) {
        // Perceptions are computed from the incomes: without incomes there is nothing to show.
        const QString percepciones = QStringLiteral("frm618TotalPercepcionesEfectuadas");
        if (estados[QStringLiteral("frm618Ingresos1")] == kImagenVacio
            && estados[QStringLiteral("frm618Ingresos2")] == kImagenVacio)
            estados[percepciones] = kImagenVacio;
        estados[QStringLiteral("frm618TotalADepositar")] = estados[percepciones];
    }
    return estados;
}

}  // namespace veluma
