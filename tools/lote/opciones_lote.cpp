#include "opciones_lote.h"

#include "declarations/formulario.h"
#include "declarations/registro_formularios.h"

#include <QRegularExpression>
#include <algorithm>
#include <map>

namespace veluma::lote {

namespace {

const QStringList kObligatorias = {QStringLiteral("--instalacion"), QStringLiteral("--cuit"),
                                   QStringLiteral("--formulario"),  QStringLiteral("--periodo"),
                                   QStringLiteral("--secuencia"),   QStringLiteral("--destino")};
const QString kPdf = QStringLiteral("--pdf");
const QString kValor = QStringLiteral("--valor");

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
               "--destino CARPETA [--pdf ARCHIVO] [--valor VALOR]\n"
               "Genera el archivo de presentación de la declaración jurada en la carpeta de destino, como la "
               "generación para CD, y escribe su ruta completa.\n"
               "  --instalacion  carpeta del programa (donde están veluma y veluma.mdb)\n"
               "  --cuit         CUIT del contribuyente, tal como la pasa el módulo T.E.Vo.\n"
               "  --formulario   %1\n"
               "  --periodo      año y mes, AAAAMM (mes de 01 a 12)\n"
               "  --secuencia    0 original, 1 a 3 rectificativa\n"
               "  --destino      carpeta donde se escribe el archivo\n"
               "  --pdf          además, imprime el formulario en este archivo PDF\n"
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
        if (!kObligatorias.contains(opcion) && opcion != kPdf && opcion != kValor)
            return problema(QStringLiteral("Opción desconocida: %1.").arg(entreComillas(opcion)));
        if (valores.count(opcion))
            return problema(QStringLiteral("La opción %1 se indicó más de una vez.").arg(opcion));
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

    OpcionesLote opciones;
    opciones.instalacion = valores[QStringLiteral("--instalacion")];
    opciones.cuit = valores[QStringLiteral("--cuit")];
    opciones.destino = valores[QStringLiteral("--destino")];
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
