#include "printing/plantilla.h"

#include "core/error.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <kainjow/mustache.hpp>

namespace veluma {

namespace {

constexpr int kPlantillaNoValida = 5;

std::string utf8(const QString& texto) { return texto.toStdString(); }

}  // namespace

PlantillaReporte leerPlantilla(const QString& ruta)
{
    if (!QFileInfo(ruta).isFile())
        throw Error(kErrorArchivoNoEncontrado, QStringLiteral("No se encuentra el archivo del reporte %1.").arg(ruta));
    QFile archivo(ruta);
    if (!archivo.open(QIODevice::ReadOnly))
        throw Error(kErrorAccesoArchivo,
                    QStringLiteral("No se puede leer el archivo del reporte %1: %2").arg(ruta, archivo.errorString()));
    QString texto = QString::fromUtf8(archivo.readAll());
    if (texto.startsWith(QChar(0xFEFF)))
        texto.remove(0, 1);

    static const QRegularExpression cabecera(QStringLiteral("^\\s*<!--\\s*origen:\\s*(\\S(?:.*\\S)?)\\s*-->\\s*$"));
    const QRegularExpressionMatch origen = cabecera.match(texto.section(QLatin1Char('\n'), 0, 0));
    if (!origen.hasMatch())
        throw Error(kPlantillaNoValida,
                    QStringLiteral("El reporte %1 no indica en su primera línea de dónde lee sus datos "
                                   "(<!-- origen: tabla -->).")
                        .arg(ruta));
    return {ruta, origen.captured(1), texto};
}

QString completarPlantilla(const PlantillaReporte& plantilla, const std::map<QString, QString>& formulas,
                           const std::vector<FilaReporte>& filas)
{
    using namespace kainjow::mustache;
    mustache tags(utf8(plantilla.texto));
    if (!tags.is_valid())
        throw Error(kPlantillaNoValida, QStringLiteral("El reporte %1 no es válido: %2")
                                            .arg(plantilla.ruta, QString::fromStdString(tags.error_message())));
    data datos;
    for (const auto& [nombre, valor] : formulas)
        datos.set(utf8(nombre), utf8(valor));
    data lista(data::type::list);
    for (const FilaReporte& fila : filas) {
        data columnas;
        for (const auto& [nombre, valor] : fila)
            columnas.set(utf8(nombre), utf8(valor));
        lista.push_back(columnas);
    }
    datos.set("filas", lista);
    return QString::fromStdString(tags.render(datos));
}

}  // namespace veluma
