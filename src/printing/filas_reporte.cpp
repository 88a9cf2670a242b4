#include "printing/filas_reporte.h"

#include "core/database.h"
#include "core/numeros.h"

#include <QStringList>
#include <algorithm>
#include <optional>
#include <sqlcipher/sqlite3.h>

namespace veluma {

namespace {

QString entreComillas(const QString& nombre)
{
    QString escapado = nombre;
    escapado.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + escapado + QLatin1Char('"');
}

// The catalog's own spelling of a table or query in any open schema, so
// that only a name the database has reaches the SQL text; empty when none.
QString nombreEnCatalogo(Database& base, const QString& tabla)
{
    QStringList esquemas;
    Statement lista = base.prepare(QStringLiteral("PRAGMA database_list"));
    while (lista.next())
        esquemas += lista.text(QStringLiteral("name")).value_or(QString());
    for (const QString& esquema : esquemas) {
        const QString catalogo = esquema == QLatin1String("temp") ? QStringLiteral("sqlite_temp_master")
                                                                  : QStringLiteral("sqlite_master");
        Statement busqueda = base.prepare(QStringLiteral("SELECT name FROM %1.%2 "
                                                         "WHERE type IN ('table', 'view') AND name = ? COLLATE NOCASE")
                                              .arg(entreComillas(esquema), catalogo));
        if (busqueda.bindAll(tabla).next())
            return busqueda.text(0).value_or(QString());
    }
    return QString();
}

// A table or query with the names the database gives it and its columns.
struct TablaEnBase {
    QString nombre;
    QStringList columnas;
};

std::optional<TablaEnBase> buscarTabla(Database& base, const QString& tabla)
{
    const QString nombre = nombreEnCatalogo(base, tabla);
    if (nombre.isEmpty())
        return std::nullopt;
    const Statement consulta = base.prepare(QStringLiteral("SELECT * FROM %1").arg(entreComillas(nombre)));
    QStringList columnas;
    for (int columna = 0; columna < consulta.columnCount(); ++columna)
        columnas += consulta.columnName(columna);
    return TablaEnBase{nombre, columnas};
}

TablaEnBase tablaDeSeleccion(Database& base, const QString& tabla)
{
    std::optional<TablaEnBase> hallada = buscarTabla(base, tabla);
    if (!hallada)
        throw Error(SQLITE_ERROR, QStringLiteral("La tabla %1 de la fórmula de selección no existe.").arg(tabla));
    return *hallada;
}

QString buscarColumna(const QStringList& columnas, const QString& nombre)
{
    for (const QString& columna : columnas) {
        if (columna.compare(nombre, Qt::CaseInsensitive) == 0)
            return columna;
    }
    return QString();
}

QString columnaExistente(const QStringList& columnas, const CondicionSeleccion& condicion)
{
    const QString columna = buscarColumna(columnas, condicion.columna);
    if (columna.isEmpty())
        throw Error(SQLITE_ERROR, QStringLiteral("La columna %1.%2 de la fórmula de selección no existe.")
                                      .arg(condicion.tabla, condicion.columna));
    return columna;
}

// Conditions joined by AND and their parameters, kept in the same order.
struct Filtro {
    QStringList partes;
    std::vector<ValorSeleccion> valores;

    void igual(const QString& columna, const ValorSeleccion& valor)
    {
        partes += entreComillas(columna) + QStringLiteral(" = ?");
        valores.push_back(valor);
    }

    void existe(const QString& tabla, const Filtro& interno)
    {
        partes += QStringLiteral("EXISTS (SELECT 1 FROM %1 WHERE %2)").arg(entreComillas(tabla), interno.texto());
        valores.insert(valores.end(), interno.valores.begin(), interno.valores.end());
    }

    QString texto() const { return partes.join(QStringLiteral(" AND ")); }
};

using CondicionesPorTabla = std::vector<std::pair<QString, std::vector<CondicionSeleccion>>>;

CondicionesPorTabla agruparPorTabla(const std::vector<CondicionSeleccion>& condiciones)
{
    CondicionesPorTabla grupos;
    for (const CondicionSeleccion& condicion : condiciones) {
        auto grupo = std::find_if(grupos.begin(), grupos.end(), [&](const auto& g) {
            return g.first.compare(condicion.tabla, Qt::CaseInsensitive) == 0;
        });
        if (grupo == grupos.end())
            grupo = grupos.insert(grupos.end(), {condicion.tabla, {}});
        grupo->second.push_back(condicion);
    }
    return grupos;
}

Filtro armarFiltro(Database& base, const TablaEnBase& origen, const std::vector<CondicionSeleccion>& condiciones)
{
    Filtro filtro;
    for (const auto& [tabla, propias] : agruparPorTabla(condiciones)) {
        if (tabla.compare(origen.nombre, Qt::CaseInsensitive) == 0) {
            for (const CondicionSeleccion& condicion : propias)
                filtro.igual(columnaExistente(origen.columnas, condicion), condicion.valor);
            continue;
        }
        const TablaEnBase otra = tablaDeSeleccion(base, tabla);
        Filtro enOtra;
        for (const CondicionSeleccion& condicion : propias) {
            const QString columna = columnaExistente(otra.columnas, condicion);
            enOtra.igual(columna, condicion.valor);
            if (const QString enOrigen = buscarColumna(origen.columnas, columna); !enOrigen.isEmpty())
                filtro.igual(enOrigen, condicion.valor);
        }
        filtro.existe(otra.nombre, enOtra);
    }
    return filtro;
}

QString textoDe(const QVariant& valor)
{
    switch (valor.typeId()) {
    case QMetaType::UnknownType: return QString();
    case QMetaType::Double: return formatearNumero(valor.toDouble(), QStringLiteral("Standard"));
    default: return valor.toString();
    }
}

}  // namespace

std::vector<FilaReporte> leerFilas(Database& base, const QString& origen,
                                   const std::vector<CondicionSeleccion>& condiciones)
{
    const std::optional<TablaEnBase> tabla = buscarTabla(base, origen);
    if (!tabla)
        throw Error(SQLITE_ERROR, QStringLiteral("No existe la tabla o consulta %1 de la que lee el reporte.").arg(origen));
    const Filtro filtro = armarFiltro(base, *tabla, condiciones);

    QString sql = QStringLiteral("SELECT * FROM ") + entreComillas(tabla->nombre);
    if (!filtro.partes.isEmpty())
        sql += QStringLiteral(" WHERE ") + filtro.texto();
    Statement consulta = base.prepare(sql);
    int indice = 0;
    for (const ValorSeleccion& valor : filtro.valores)
        std::visit([&](const auto& v) { consulta.bind(++indice, v); }, valor);

    std::vector<FilaReporte> filas;
    while (consulta.next()) {
        FilaReporte fila;
        for (int columna = 0; columna < consulta.columnCount(); ++columna)
            fila.emplace_back(consulta.columnName(columna), textoDe(consulta.value(columna)));
        filas.push_back(std::move(fila));
    }
    return filas;
}

}  // namespace veluma
