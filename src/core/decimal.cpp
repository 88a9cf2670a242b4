#include "core/decimal.h"

#include "core/error.h"

#include <charconv>
#include <cmath>
#include <vector>

namespace veluma {

Decimal::Decimal(double value)
{
    if (!std::isfinite(value))
        throw Error(kErrorDesbordamiento, QStringLiteral("Desbordamiento"));

    // to_chars ignores the locale, unlike printf: the desktop may use ",".
    // Same text as printf("%.15g"): "1.005", "1e+20", "1.5e-07".
    char buffer[32];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    const char* p = buffer;
    const char* const end = written.ptr;

    if (p < end && *p == '-') {
        negative_ = true;
        ++p;
    }
    std::string digits;
    int point = -1;
    for (; p < end && *p != 'e'; ++p) {
        if (*p == '.')
            point = int(digits.size());
        else
            digits += *p;
    }
    if (point < 0)
        point = int(digits.size());
    if (p < end) {
        ++p;  // 'e'
        if (*p == '+')
            ++p;
        int exponent = 0;
        std::from_chars(p, end, exponent);
        point += exponent;
    }

    if (point <= 0) {
        fraction_ = std::string(std::size_t(-point), '0') + digits;
    } else if (point >= int(digits.size())) {
        integer_ = digits + std::string(std::size_t(point) - digits.size(), '0');
    } else {
        integer_ = digits.substr(0, std::size_t(point));
        fraction_ = digits.substr(std::size_t(point));
    }
    normalize();
}

namespace {

// Unsigned digit strings, most significant first, without leading zeros
// (zero is the empty string).
std::string sinCeros(std::string digitos)
{
    digitos.erase(0, digitos.find_first_not_of('0'));
    return digitos;
}

bool menor(const std::string& a, const std::string& b) { return a.size() != b.size() ? a.size() < b.size() : a < b; }

// a - b, for a >= b.
std::string restar(const std::string& a, const std::string& b)
{
    std::string resultado = a;
    int llevo = 0;
    for (std::size_t i = 0; i < resultado.size(); ++i) {
        const std::size_t ia = resultado.size() - 1 - i;
        int digito = (resultado[ia] - '0') - llevo - (i < b.size() ? b[b.size() - 1 - i] - '0' : 0);
        llevo = digito < 0 ? 1 : 0;
        resultado[ia] = char('0' + digito + 10 * llevo);
    }
    return sinCeros(resultado);
}

std::string duplicar(const std::string& a)
{
    std::string resultado;
    int llevo = 0;
    for (std::size_t i = a.size(); i-- > 0;) {
        const int digito = 2 * (a[i] - '0') + llevo;
        resultado.insert(resultado.begin(), char('0' + digito % 10));
        llevo = digito / 10;
    }
    if (llevo)
        resultado.insert(resultado.begin(), '1');
    return resultado;
}

// Adds one to the last digit, carrying as far as needed.
void incrementar(std::string& digitos)
{
    std::size_t i = digitos.size();
    while (i > 0 && digitos[i - 1] == '9')
        digitos[--i] = '0';
    if (i == 0)
        digitos.insert(digitos.begin(), '1');
    else
        ++digitos[i - 1];
}

}  // namespace

Decimal Decimal::rounded(int decimals) const
{
    if (decimals < 0)
        throw Error(kErrorArgumentoNoValido, QStringLiteral("Cantidad de decimales no válida"));
    if (fraction_.size() <= std::size_t(decimals))
        return *this;

    // The first dropped digit decides: the decimal is exact, so 5 or more
    // means at least half.
    std::string kept = integer_ + fraction_.substr(0, std::size_t(decimals));
    if (fraction_[std::size_t(decimals)] >= '5')
        incrementar(kept);

    Decimal result;
    result.negative_ = negative_;
    result.integer_ = kept.substr(0, kept.size() - std::size_t(decimals));
    result.fraction_ = kept.substr(kept.size() - std::size_t(decimals));
    result.normalize();
    return result;
}

Decimal Decimal::fromDigits(bool negative, const std::string& digits, std::size_t scale)
{
    std::string padded = digits;
    if (padded.size() < scale)
        padded.insert(0, scale - padded.size(), '0');
    Decimal result;
    result.negative_ = negative;
    result.integer_ = padded.substr(0, padded.size() - scale);
    result.fraction_ = padded.substr(padded.size() - scale);
    result.normalize();
    return result;
}

Decimal Decimal::operator*(const Decimal& other) const
{
    const std::string a = allDigits();
    const std::string b = other.allDigits();
    std::vector<int> producto(a.size() + b.size(), 0);
    for (std::size_t i = a.size(); i-- > 0;)
        for (std::size_t j = b.size(); j-- > 0;)
            producto[i + j + 1] += (a[i] - '0') * (b[j] - '0');
    for (std::size_t k = producto.size(); k-- > 1;) {
        producto[k - 1] += producto[k] / 10;
        producto[k] %= 10;
    }
    std::string digitos;
    for (int d : producto)
        digitos += char('0' + d);
    return fromDigits(negative_ != other.negative_, digitos, fraction_.size() + other.fraction_.size());
}

Decimal Decimal::quotient(const Decimal& dividend, const Decimal& divisor, int decimals)
{
    if (divisor.isZero())
        throw Error(kErrorDivisionPorCero, QStringLiteral("División por cero"));
    if (decimals < 0)
        throw Error(kErrorArgumentoNoValido, QStringLiteral("Cantidad de decimales no válida"));
    // dividend / divisor × 10^decimals as a ratio of whole numbers.
    std::string numerador = dividend.allDigits();
    std::string denominador = sinCeros(divisor.allDigits());
    const long desplazamiento = long(divisor.fraction_.size()) - long(dividend.fraction_.size()) + long(decimals);
    if (desplazamiento >= 0)
        numerador.append(std::size_t(desplazamiento), '0');
    else
        denominador.append(std::size_t(-desplazamiento), '0');

    // Long division, one digit of the numerator at a time.
    std::string cociente;
    std::string resto;
    for (char digito : numerador) {
        resto = sinCeros(resto + digito);
        char veces = '0';
        while (!menor(resto, denominador)) {
            resto = restar(resto, denominador);
            ++veces;
        }
        cociente += veces;
    }
    // Half away from zero: up when twice the remainder reaches the divisor.
    if (!resto.empty() && !menor(duplicar(resto), denominador))
        incrementar(cociente);
    return fromDigits(dividend.negative_ != divisor.negative_, cociente, std::size_t(decimals));
}

double Decimal::toDouble() const
{
    const std::string text = ascii();
    double value = 0;
    const auto parsed = std::from_chars(text.data(), text.data() + text.size(), value);
    // Every digit string here came from a double, so only rounding up the
    // largest double can leave the range.
    if (parsed.ec == std::errc::result_out_of_range)
        throw Error(kErrorDesbordamiento, QStringLiteral("Desbordamiento"));
    return value;
}

QString Decimal::toString() const { return QString::fromLatin1(ascii()); }

std::string Decimal::ascii() const
{
    std::string text = negative_ ? "-" : "";
    text += integer_.empty() ? "0" : integer_;
    if (!fraction_.empty())
        text += '.' + fraction_;
    return text;
}

void Decimal::normalize()
{
    integer_.erase(0, integer_.find_first_not_of('0'));
    fraction_.erase(fraction_.find_last_not_of('0') + 1);
    if (isZero())
        negative_ = false;
}

}  // namespace veluma
