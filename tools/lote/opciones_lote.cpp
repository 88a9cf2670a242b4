#include "opciones_lote.h"

#include "declarations/formulario.h"
#include "declarations/registro_formularios.h"

#include <QRegularExpression>
#include <algorithm>
#include <map>

namespace veluma::lote {

namespace {

const QStringList kObligatorias = {QStringLiteral("--instalacion"), QStringLiteral("--cuit"),
                                   QStringLiteral("--formulario"), QStringLiteral("--periodo"),
                                   QStringLiteral("--secuencia")};
const QString kDestino = QStringLiteral("--destino");
const QString kImportar = QStringLiteral("--importar");
const QString kExportar = QStringLiteral("--exportar");
const QString kPdf = QStringLiteral("--pdf");
const QString kValor = QStringLiteral("--valor");
const QString kReemplazar = QStringLiteral("--reemplazar");
const QStringList kOpcionales = {kDestino, kImportar, kExportar, kPdf, kValor};

LecturaOpciones problema(const QString& texto)
{
    LecturaOpciones lectura;
    lectura.problema = texto;
    return lectura;
}

QString entreComillas(const QString& valor) { return QLatin1Char('"') + valor + QLatin1Char('"'); }

// "617, 618 o 708": the registered forms, by number.
QString formulariosValidos()
{
    std::vector<int> numeros;
    for (const Formulario* formulario : formulariosRegistrados())
        numeros.push_back(formulario->numero());
    std::sort(numeros.begin(), numeros.end());
    QString texto;
    for (std::size_t i = 0; i < numeros.size(); ++i) {
        if (i > 0)
            texto += i + 1 == numeros.size() ? QStringLiteral(" o ") : QStringLiteral(", ");
        texto += QString::number(numeros[i]);
    }
    return texto;
}

std::optional<int> leerFormulario(const QString& valor)
{
    static const QRegularExpression numero(QStringLiteral("^[0-9]{3}$"));
    if (!numero.match(valor).hasMatch() || !buscarFormulario(valor.toInt()))
        return std::nullopt;
    return valor.toInt();
}

// Six digits, the last two a month.
std::optional<int> leerPeriodo(const QString& valor)
{
    static const QRegularExpression periodo(QStringLiteral("^[0-9]{4}(0[1-9]|1[0-2])$"));
    if (!periodo.match(valor).hasMatch())
        return std::nullopt;
    return valor.toInt();
}

std::optional<int> leerSecuencia(const QString& valor)
{
    static const QRegularExpression secuencia(QStringLiteral("^[0-3]$"));
    if (!secuencia.match(valor).hasMatch())
        return std::nullopt;
    return valor.toInt();
}

}  // namespace

QString textoUso()
{
    return QStringLiteral(
               "Uso: veluma-lote --instalacion CARPETA --cuit CUIT --formulario NNN --periodo AAAAMM --secuencia N "
               "[--valor VALOR] (--destino CARPETA [--pdf ARCHIVO] | --importar ARCHIVO.csv [--reemplazar] | "
               "--exportar ARCHIVO.xlsx|ARCHIVO.csv)\n"
               "Genera el archivo de presentación de la declaración jurada en la carpeta de destino, como la "
               "generación para CD, y escribe su ruta completa; o importa líneas de un archivo CSV a la "
               "declaración, o la exporta a un libro de Excel o a archivos CSV.\n"
               "  --instalacion  carpeta del programa (donde están veluma y veluma.mdb)\n"
               "  --cuit         CUIT del contribuyente, tal como la pasa el módulo T.E.Vo.\n"
               "  --formulario   %1\n"
               "  --periodo      año y mes, AAAAMM (mes de 01 a 12)\n"
               "  --secuencia    0 original, 1 a 3 rectificativa\n"
               "  --destino      carpeta donde se escribe el archivo\n"
               "  --pdf          además, imprime el formulario en este archivo PDF\n"
               "  --importar     importa las líneas del archivo CSV: entradas por Código INCAA y semana (708), "
               "ingresos por tipo y día (618) o conceptos por licencia (617); todas o ninguna\n"
               "  --reemplazar   las líneas ya cargadas toman los valores del archivo (si no, quedan como están)\n"
               "  --exportar     escribe la declaración, sección por sección, en un libro .xlsx o en archivos .csv\n"
               "  --valor        el valor propio de la declaración (en el 617, el servicio: 306 o 307; en el 618, el "
               "código del instituto), necesario "
               "cuando el período y la secuencia tienen más de una")
        .arg(formulariosValidos());
}

LecturaOpciones leerOpciones(const QStringList& argumentos)
{
    std::map<QString, QString> valores;
    for (qsizetype i = 0; i < argumentos.size(); ++i) {
        const QString& opcion = argumentos[i];
        if (opcion == QLatin1String("--ayuda") || opcion == QLatin1String("--help")) {
            LecturaOpciones ayuda;
            ayuda.ayuda = true;
            return ayuda;
        }
        if (!kObligatorias.contains(opcion) && !kOpcionales.contains(opcion) && opcion != kReemplazar)
            return problema(QStringLiteral("Opción desconocida: %1.").arg(entreComillas(opcion)));
        if (valores.count(opcion))
            return problema(QStringLiteral("La opción %1 se indicó más de una vez.").arg(opcion));
        if (opcion == kReemplazar) {
            valores[opcion] = QString();
            continue;
        }
        // An option right after another one means the value was forgotten.
        if (i + 1 >= argumentos.size() || argumentos[i + 1].trimmed().isEmpty()
            || argumentos[i + 1].startsWith(QLatin1String("--")))
            return problema(QStringLiteral("Falta el valor de la opción %1.").arg(opcion));
        valores[opcion] = argumentos[++i];
    }
    for (const QString& opcion : kObligatorias) {
        if (!valores.count(opcion))
            return problema(QStringLiteral("Falta la opción %1.").arg(opcion));
    }

    const auto tareas = valores.count(kDestino) + valores.count(kImportar) + valores.count(kExportar);
    if (tareas == 0)
        return problema(QStringLiteral("Falta la opción --destino, --importar o --exportar."));
    if (tareas > 1)
        return problema(QStringLiteral("Las opciones --destino, --importar y --exportar no van juntas."));
    if (valores.count(kPdf) && !valores.count(kDestino))
        return problema(QStringLiteral("La opción --pdf va con --destino."));
    if (valores.count(kReemplazar) && !valores.count(kImportar))
        return problema(QStringLiteral("La opción --reemplazar va con --importar."));

    OpcionesLote opciones;
    opciones.instalacion = valores[QStringLiteral("--instalacion")];
    opciones.cuit = valores[QStringLiteral("--cuit")];
    if (valores.count(kDestino))
        opciones.destino = valores[kDestino];
    if (valores.count(kImportar)) {
        opciones.tarea = Tarea::Importar;
        opciones.archivo = valores[kImportar];
        opciones.reemplazar = valores.count(kReemplazar) > 0;
    }
    if (valores.count(kExportar)) {
        opciones.tarea = Tarea::Exportar;
        opciones.archivo = valores[kExportar];
    }
    if (valores.count(kPdf))
        opciones.pdf = valores[kPdf];
    if (valores.count(kValor))
        opciones.valor = valores[kValor];

    const QString& formulario = valores[QStringLiteral("--formulario")];
    const std::optional<int> numeroFormulario = leerFormulario(formulario);
    if (!numeroFormulario)
        return problema(
            QStringLiteral("El formulario debe ser %1: %2.").arg(formulariosValidos(), entreComillas(formulario)));
    opciones.formulario = *numeroFormulario;

    const QString& periodo = valores[QStringLiteral("--periodo")];
    const std::optional<int> numeroPeriodo = leerPeriodo(periodo);
    if (!numeroPeriodo)
        return problema(QStringLiteral("El período debe tener la forma AAAAMM, con el mes entre 01 y 12: %1.")
                            .arg(entreComillas(periodo)));
    opciones.periodo = *numeroPeriodo;

    const QString& secuencia = valores[QStringLiteral("--secuencia")];
    const std::optional<int> numeroSecuencia = leerSecuencia(secuencia);
    if (!numeroSecuencia)
        return problema(QStringLiteral("La secuencia debe ser un número de 0 a 3 (0 es la original): %1.")
                            .arg(entreComillas(secuencia)));
    opciones.secuencia = *numeroSecuencia;

    LecturaOpciones lectura;
    lectura.opciones = opciones;
    return lectura;
}

}  // namespace veluma::lote
