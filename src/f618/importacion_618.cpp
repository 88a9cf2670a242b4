#include "f618/importacion_618.h"

#include "core/numeros.h"
#include "f618/ingresos_618.h"
#include "intercambio/valores_csv.h"

namespace veluma {

namespace {

enum Campo { kTipo, kDia, kNeto, kTotal };

QString claveDeDia(int tipoIngreso, int dia) { return QStringLiteral("%1|%2").arg(tipoIngreso).arg(dia); }

// The kind as the exported files and the screens' titles name it, or as people shorten it.
std::optional<int> tipoEscrito(const QString& texto)
{
    const QString t = texto.toLower().simplified();
    const auto nombra = [&](int tipo, const QString& otro, const QString& inicial) {
        return t == nombreTipoIngreso(tipo).toLower() || t == tituloTipoIngreso(tipo).toLower() || t == otro
               || t == inicial;
    };
    if (nombra(kIngresoVentas, QStringLiteral("venta"), QStringLiteral("v")))
        return kIngresoVentas;
    if (nombra(kIngresoAlquiler, QStringLiteral("alquileres"), QStringLiteral("a")))
        return kIngresoAlquiler;
    return std::nullopt;
}

}  // namespace

ImportadorIngresos618::ImportadorIngresos618(Database& base, const ClaveDDJJ& clave, std::optional<int> tipoIngreso)
    : clave_(clave), tipoIngreso_(tipoIngreso)
{
    for (const IngresoDia& ingreso : cls618Ingresos::GetAllInterfaz(base, clave))
        cargadas_.insert(claveDeDia(ingreso.tipoIngreso, ingreso.dia));
}

QString ImportadorIngresos618::titulo() const
{
    return tipoIngreso_ ? tituloTipoIngreso(*tipoIngreso_) : QStringLiteral("Ingresos diarios");
}

std::vector<CampoImportacion> ImportadorIngresos618::campos() const
{
    return {
        {QStringLiteral("tipo"), QStringLiteral("Tipo de ingreso"), {QStringLiteral("Tipo")}, !tipoIngreso_},
        {QStringLiteral("dia"), QStringLiteral("Fecha"), {QStringLiteral("Día"), QStringLiteral("Dia")}},
        {QStringLiteral("neto"), QStringLiteral("Neto cobrado"), {QStringLiteral("Neto")}, true, true},
        {QStringLiteral("total"), QStringLiteral("Total cobrado"), {QStringLiteral("Total")}, true, true},
    };
}

LineaLeida ImportadorIngresos618::leer(const QStringList& valores) const
{
    LineaLeida linea;
    linea.mostrada = valores;
    std::optional<int> tipo = tipoIngreso_;
    if (!valores[kTipo].isEmpty() || !tipo)
        tipo = tipoEscrito(valores[kTipo]);
    if (!tipo) {
        linea.problema = QStringLiteral("El tipo de ingreso debe ser Ventas o Alquiler.");
        return linea;
    }
    linea.mostrada[kTipo] = tituloTipoIngreso(*tipo);

    // A date stands for its day, when it is one of the declared month.
    QString dia = valores[kDia];
    if (const std::optional<QDate> fecha = leerFechaCsv(dia)) {
        if (!fecha->isValid()) {
            linea.problema = QStringLiteral("La fecha %1 no existe.").arg(dia);
            return linea;
        }
        const bool delPeriodo = fecha->year() * 100 + fecha->month() == clave_.periodo;
        dia = delPeriodo ? QString::number(fecha->day()) : QStringLiteral("0");
    }
    const LecturaIngreso lectura = leerIngreso(dia, valores[kNeto], valores[kTotal], clave_.periodo);
    if (!lectura.problema.isEmpty()) {
        linea.problema = lectura.problema;
        return linea;
    }
    linea.mostrada[kDia] = QString::number(lectura.dia);
    linea.mostrada[kNeto] = formatearNumero(lectura.neto, QStringLiteral("#,###,###,###,##0.00"));
    linea.mostrada[kTotal] = formatearNumero(lectura.total, QStringLiteral("#,###,###,###,##0.00"));
    linea.clave = claveDeDia(*tipo, lectura.dia);
    linea.datos = {*tipo, lectura.dia, lectura.neto, lectura.total};
    return linea;
}

QString ImportadorIngresos618::textoRepetida() const { return textoDiaExistente(); }

QString ImportadorIngresos618::destinoDeFila() const
{
    return QStringLiteral(
        "INTO [618Ingresos] (Cuit, Periodo, Secuencia, CodInstituto, TipoIngreso, "
        "Dia, NetoCobrado, TotalCobrado) VALUES (?, ?, ?, ?, ?, ?, ?, ?)");
}

std::vector<QVariant> ImportadorIngresos618::valoresDeLaDeclaracion() const
{
    return {clave_.cuit, clave_.periodo, clave_.secuencia, clave_.campo1};
}

}  // namespace veluma
