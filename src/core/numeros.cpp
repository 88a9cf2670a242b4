#include "core/numeros.h"

#include "core/decimal.h"
#include "core/error.h"

#include <QStringList>
#include <charconv>
#include <string>

namespace veluma {

namespace {

bool esDigito(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

// Appends the ASCII digits found at `i` and moves past them.
qsizetype leerDigitos(const QString& texto, qsizetype& i, std::string& destino)
{
    const qsizetype desde = i;
    for (; i < texto.size() && esDigito(texto[i]); ++i)
        destino += char(texto[i].unicode());
    return i - desde;
}

// The double nearest to ±entero.fraccion × 10^exponente; nothing when it is
// too large for a double, 0 when too small.
std::optional<double> dobleMasCercano(bool negativo, const std::string& entero, const std::string& fraccion,
                                      qint64 exponente = 0)
{
    std::string texto = negativo ? "-" : "";
    texto += entero.empty() ? "0" : entero;
    texto += '.' + fraccion + 'e' + std::to_string(exponente);
    double valor = 0;
    const auto leido = std::from_chars(texto.data(), texto.data() + texto.size(), valor);
    if (leido.ec == std::errc::result_out_of_range) {
        // Out of range either way: the position of the first significant
        // digit tells which way.
        const std::string digitos = entero + fraccion;
        const auto primero = digitos.find_first_not_of('0');
        const qint64 magnitud = qint64(entero.size()) - qint64(primero) - 1 + exponente;
        if (magnitud >= 0)
            return std::nullopt;
        valor = 0;
    }
    // "-0" is zero: it must neither show nor store a sign.
    return valor == 0 ? 0.0 : valor;
}

const QStringList& mascarasNumericas()
{
    static const QStringList mascaras = {
        QStringLiteral("#,###,###,###,##0.00"), QStringLiteral("##0.0000"), QStringLiteral("#,###,##0.00"),
        QStringLiteral("##0.00"),  QStringLiteral("###.00"), QStringLiteral("###,###"), QStringLiteral("0.00"),
        QStringLiteral("0.0000"), QStringLiteral("00"), QStringLiteral("000"), QStringLiteral("000000"),
        QStringLiteral("00/0000"),
    };
    return mascaras;
}

QString agruparMiles(const QString& digitos)
{
    QString salida;
    for (qsizetype i = 0; i < digitos.size(); ++i) {
        if (i > 0 && (digitos.size() - i) % 3 == 0)
            salida += QLatin1Char('.');
        salida += digitos[i];
    }
    return salida;
}

}  // namespace

double redondear(double valor, int decimales) { return Decimal(valor).rounded(decimales).toDouble(); }

QString formatearNumero(double valor, const QString& mascara)
{
    QString patron = mascara;
    if (mascara.compare(QLatin1String("standard"), Qt::CaseInsensitive) == 0)
        patron = QStringLiteral("#,##0.00");
    else if (!mascarasNumericas().contains(mascara))
        throw Error(kErrorArgumentoNoValido, QStringLiteral("Máscara de formato desconocida: \"%1\"").arg(mascara));

    const qsizetype punto = patron.indexOf(QLatin1Char('.'));
    const QString entera = punto < 0 ? patron : patron.left(punto);
    // Every mask in use has only '0' after the point.
    const int decimales = punto < 0 ? 0 : int(patron.size() - punto - 1);

    const Decimal numero = Decimal(valor).rounded(decimales);

    // A '0' forces a digit in its place and in every place to its right.
    int minimo = 0;
    bool hayCero = false;
    bool agrupa = false;
    for (QChar c : entera) {
        if (c == QLatin1Char('0'))
            hayCero = true;
        if (hayCero && (c == QLatin1Char('0') || c == QLatin1Char('#')))
            ++minimo;
        if (c == QLatin1Char(','))
            agrupa = true;
    }
    // The digits with exactly `decimales` places: the last ones are the fraction.
    const std::string todos = numero.digitos(decimales);
    const qsizetype largoEntero = qMax<qsizetype>(0, qsizetype(todos.size()) - decimales);
    QString digitos = QString::fromLatin1(todos.data(), largoEntero);
    if (digitos.size() < minimo)
        digitos.prepend(QString(minimo - digitos.size(), QLatin1Char('0')));

    QString texto;
    if (agrupa) {
        texto = agruparMiles(digitos);
    } else {
        // Digits fill the placeholders from the right, literals stay where
        // they stand; digits that do not fit go on the left, never cut.
        qsizetype quedan = digitos.size();
        for (qsizetype j = entera.size() - 1; j >= 0; --j) {
            const QChar c = entera[j];
            if (c == QLatin1Char('0') || c == QLatin1Char('#')) {
                if (quedan > 0)
                    texto.prepend(digitos[--quedan]);
            } else {
                texto.prepend(c);
            }
        }
        texto.prepend(digitos.left(quedan));
    }

    if (punto >= 0) {
        QString fraccion = QString::fromLatin1(todos.data() + largoEntero, qsizetype(todos.size()) - largoEntero);
        fraccion.prepend(QString(decimales - fraccion.size(), QLatin1Char('0')));
        texto += QLatin1Char(',') + fraccion;
    }
    if (numero.isNegative())
        texto.prepend(QLatin1Char('-'));
    return texto;
}

QString textoNumero(double valor)
{
    QString texto = Decimal(valor).toString();
    texto.replace(QLatin1Char('.'), QLatin1Char(','));
    return texto;
}

std::optional<double> leerNumero(const QString& texto)
{
    const QString t = texto.trimmed();
    qsizetype i = 0;
    bool negativo = false;
    if (i < t.size() && (t[i] == QLatin1Char('-') || t[i] == QLatin1Char('+')))
        negativo = t[i++] == QLatin1Char('-');

    std::string entero;
    const qsizetype primerGrupo = leerDigitos(t, i, entero);
    while (i < t.size() && t[i] == QLatin1Char('.')) {
        ++i;
        if (primerGrupo == 0 || leerDigitos(t, i, entero) != 3)
            return std::nullopt;
    }
    std::string fraccion;
    if (i < t.size() && t[i] == QLatin1Char(','))
        leerDigitos(t, ++i, fraccion);

    if (i != t.size() || (entero.empty() && fraccion.empty()))
        return std::nullopt;
    return dobleMasCercano(negativo, entero, fraccion);
}

double Val(const QString& texto)
{
    qsizetype i = 0;
    while (i < texto.size() && (texto[i] == QLatin1Char(' ') || texto[i] == QLatin1Char('\t')
                                || texto[i] == QLatin1Char('\r') || texto[i] == QLatin1Char('\n')))
        ++i;
    bool negativo = false;
    if (i < texto.size() && (texto[i] == QLatin1Char('-') || texto[i] == QLatin1Char('+')))
        negativo = texto[i++] == QLatin1Char('-');

    std::string entero;
    std::string fraccion;
    leerDigitos(texto, i, entero);
    if (i < texto.size() && texto[i] == QLatin1Char('.'))
        leerDigitos(texto, ++i, fraccion);
    if (entero.empty() && fraccion.empty())
        return 0;

    // The exponent counts only when digits follow: "1e" is 1.
    qint64 exponente = 0;
    if (i < texto.size() && QStringLiteral("eEdD").contains(texto[i])) {
        qsizetype j = i + 1;
        bool exponenteNegativo = false;
        if (j < texto.size() && (texto[j] == QLatin1Char('-') || texto[j] == QLatin1Char('+')))
            exponenteNegativo = texto[j++] == QLatin1Char('-');
        for (; j < texto.size() && esDigito(texto[j]); ++j) {
            // Past a billion the answer is overflow or zero anyway.
            if (exponente < 1'000'000'000)
                exponente = exponente * 10 + (texto[j].unicode() - '0');
        }
        if (exponenteNegativo)
            exponente = -exponente;
    }

    const std::optional<double> valor = dobleMasCercano(negativo, entero, fraccion, exponente);
    if (!valor)
        throw Error(kErrorDesbordamiento, QStringLiteral("Desbordamiento"));
    return *valor;
}

}  // namespace veluma
