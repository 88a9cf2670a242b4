#include "intercambio/importacion.h"

#include "core/error.h"
#include "core/transaction.h"
#include "intercambio/valores_csv.h"

#include <QSet>
#include <algorithm>

namespace veluma {

namespace {

// Titles compared as people write them: no case, accents or extra blanks.
QString tituloComparable(const QString& titulo)
{
    QString sinAcentos;
    for (const QChar c : titulo.normalized(QString::NormalizationForm_D))
        if (c.category() != QChar::Mark_NonSpacing)
            sinAcentos += c.toLower();
    return sinAcentos.simplified();
}

bool nombraAlCampo(const CampoImportacion& campo, const QString& titulo)
{
    const QString buscado = tituloComparable(titulo);
    if (buscado == tituloComparable(campo.titulo))
        return true;
    return std::any_of(campo.otrosTitulos.cbegin(), campo.otrosTitulos.cend(),
                       [&](const QString& otro) { return buscado == tituloComparable(otro); });
}

// The fields in order over the first columns; with as many columns as
// required fields, only those.
std::vector<int> columnasEnOrden(const std::vector<CampoImportacion>& campos, int columnas)
{
    const auto obligatorios =
        std::count_if(campos.cbegin(), campos.cend(), [](const CampoImportacion& campo) { return campo.obligatorio; });
    const bool soloObligatorios = columnas == obligatorios && std::size_t(columnas) < campos.size();
    std::vector<int> asignadas(campos.size(), -1);
    int siguiente = 0;
    for (std::size_t i = 0; i < campos.size() && siguiente < columnas; ++i)
        if (!soloObligatorios || campos[i].obligatorio)
            asignadas[i] = siguiente++;
    return asignadas;
}

Asignacion asignacionSugerida(const Importador& importador, const TablaCsv& tabla, const QStringList& recordada)
{
    const std::vector<CampoImportacion> campos = importador.campos();
    Asignacion asignacion;
    asignacion.columnas.assign(campos.size(), -1);
    if (tabla.filas.empty())
        return asignacion;
    const QStringList& primera = tabla.filas.front().campos;
    for (std::size_t i = 0; i < campos.size(); ++i)
        for (int columna = 0; columna < primera.size(); ++columna)
            if (asignacion.columnas[i] < 0 && nombraAlCampo(campos[i], primera[columna])) {
                asignacion.columnas[i] = columna;
                asignacion.encabezado = true;
            }
    if (asignacion.encabezado)
        return asignacion;
    if (recordada.size() == primera.size()) {
        for (std::size_t i = 0; i < campos.size(); ++i)
            asignacion.columnas[i] = int(recordada.indexOf(campos[i].clave));
        return asignacion;
    }
    asignacion.columnas = columnasEnOrden(campos, int(primera.size()));
    return asignacion;
}

}  // namespace

QString textoLineas(qsizetype cantidad)
{
    return cantidad == 1 ? QStringLiteral("1 línea") : QStringLiteral("%1 líneas").arg(cantidad);
}

QStringList clavesPorColumna(const Importador& importador, const Asignacion& asignacion, int columnas)
{
    const std::vector<CampoImportacion> campos = importador.campos();
    QStringList claves(columnas);
    for (std::size_t i = 0; i < campos.size() && i < asignacion.columnas.size(); ++i)
        if (asignacion.columnas[i] >= 0 && asignacion.columnas[i] < columnas)
            claves[asignacion.columnas[i]] = campos[i].clave;
    return claves;
}

Importacion::Importacion(std::unique_ptr<Importador> importador, TablaCsv tabla, const QStringList& recordada)
    : importador_(std::move(importador)), tabla_(std::move(tabla))
{
    asignar(asignacionSugerida(*importador_, tabla_, recordada));
}

int Importacion::columnas() const { return tabla_.filas.empty() ? 0 : int(tabla_.filas.front().campos.size()); }

void Importacion::asignar(const Asignacion& asignacion)
{
    asignacion_ = asignacion;
    const std::vector<CampoImportacion> campos = importador_->campos();
    asignacion_.columnas.resize(campos.size(), -1);
    const std::size_t primera = asignacion_.encabezado ? 1 : 0;
    const auto texto = [&](const FilaCsv& fila, std::size_t campo) {
        const int columna = asignacion_.columnas[campo];
        return columna >= 0 && columna < fila.campos.size() ? fila.campos[columna] : QString();
    };

    std::vector<QString> importes;
    for (std::size_t f = primera; f < tabla_.filas.size(); ++f)
        for (std::size_t c = 0; c < campos.size(); ++c)
            if (campos[c].importe)
                importes.push_back(texto(tabla_.filas[f], c));
    decimal_ = veluma::separadorDecimal(importes, tabla_.separador);

    lineas_.clear();
    lineas_.reserve(tabla_.filas.size());
    rechazadas_ = 0;
    yaCargadas_ = 0;
    QSet<QString> vistas;
    const qsizetype esperados = columnas();
    for (std::size_t f = primera; f < tabla_.filas.size(); ++f) {
        const FilaCsv& fila = tabla_.filas[f];
        LineaImportada linea;
        linea.linea = fila.linea;
        if (fila.campos.size() != esperados) {
            linea.leida.problema =
                QStringLiteral("La línea tiene %1 campos y debería tener %2.").arg(fila.campos.size()).arg(esperados);
        } else {
            QStringList valores;
            for (std::size_t c = 0; c < campos.size(); ++c)
                valores += campos[c].importe ? importeComoSeEscribe(texto(fila, c), decimal_) : texto(fila, c);
            linea.leida = importador_->leer(valores);
            if (linea.leida.problema.isEmpty()) {
                if (vistas.contains(linea.leida.clave))
                    linea.leida.problema = importador_->textoRepetida();
                else {
                    vistas.insert(linea.leida.clave);
                    linea.yaCargada = importador_->yaCargada(linea.leida.clave);
                }
            }
        }
        rechazadas_ += !linea.leida.problema.isEmpty();
        yaCargadas_ += linea.yaCargada;
        lineas_.push_back(std::move(linea));
    }
}

QString Importacion::impedimento() const
{
    const std::vector<CampoImportacion> campos = importador_->campos();
    for (std::size_t i = 0; i < campos.size(); ++i)
        if (campos[i].obligatorio && asignacion_.columnas[i] < 0)
            return QStringLiteral("Falta la columna «%1».").arg(campos[i].titulo);
    if (lineas_.empty())
        return QStringLiteral("El archivo no tiene líneas para importar.");
    if (rechazadas_ == 0)
        return {};
    const auto primera = std::find_if(lineas_.cbegin(), lineas_.cend(),
                                      [](const LineaImportada& linea) { return !linea.leida.problema.isEmpty(); });
    const QString detalle = QStringLiteral("la línea %1: %2").arg(primera->linea).arg(primera->leida.problema);
    if (rechazadas_ == 1)
        return QStringLiteral("No se puede importar %1").arg(detalle);
    return QStringLiteral("No se pueden importar %1; la primera es %2").arg(textoLineas(rechazadas_), detalle);
}

int Importacion::importar(Database& base, bool reemplazar) const
{
    if (const QString motivo = impedimento(); !motivo.isEmpty())
        throw Error(kErrorArgumentoNoValido, motivo);
    std::vector<const LineaLeida*> aGuardar;
    aGuardar.reserve(lineas_.size());
    for (const LineaImportada& linea : lineas_)
        if (reemplazar || !linea.yaCargada)
            aGuardar.push_back(&linea.leida);
    Transaction transaccion(base);
    importador_->guardar(base, aGuardar);
    transaccion.commit();
    return int(aGuardar.size());
}

}  // namespace veluma
