#include "core/decimal.h"

#include "core/error.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace veluma {

namespace {

using Mantisa = unsigned __int128;

constexpr Mantisa kMantisaMaxima = ~Mantisa(0);
// 10^38 is the largest power of ten below 2^128.
constexpr int kMayorPotencia = 38;

constexpr std::array<Mantisa, kMayorPotencia + 1> kPotencias = [] {
    std::array<Mantisa, kMayorPotencia + 1> potencias{};
    potencias[0] = 1;
    for (std::size_t i = 1; i < potencias.size(); ++i)
        potencias[i] = potencias[i - 1] * 10;
    return potencias;
}();

[[noreturn]] void desbordamiento() { throw Error(kErrorDesbordamiento, QStringLiteral("Desbordamiento")); }

[[noreturn]] void decimalesNoValidos()
{
    throw Error(kErrorArgumentoNoValido, QStringLiteral("Cantidad de decimales no válida"));
}

bool cabeEn64(Mantisa m) { return m <= std::numeric_limits<std::uint64_t>::max(); }

// Appends the decimal digits of m, most significant first.
void agregarDigitos(std::string& texto, Mantisa m)
{
    char digitos[40];
    char* const fin = digitos + sizeof digitos;
    char* p = fin;
    // Nineteen digits at a time, so the rest is 64-bit arithmetic.
    constexpr std::uint64_t kTrozo = 10'000'000'000'000'000'000u;
    while (!cabeEn64(m)) {
        std::uint64_t trozo = std::uint64_t(m % kTrozo);
        m /= kTrozo;
        for (int i = 0; i < 19; ++i, trozo /= 10)
            *--p = char('0' + trozo % 10);
    }
    for (std::uint64_t resto = std::uint64_t(m); resto != 0 || p == fin; resto /= 10)
        *--p = char('0' + resto % 10);
    texto.append(p, fin);
}

// m / 10^k, k >= 1, rounded half up.
Mantisa redondearPotencia(Mantisa m, qint64 k)
{
    // Below 2^128 everything is less than half of 10^39.
    if (k > kMayorPotencia)
        return 0;
    const Mantisa potencia = kPotencias[std::size_t(k)];
    return m / potencia + (m % potencia >= potencia / 2 ? 1 : 0);
}

// n × 10^k / d rounded half up, for d > 0 and k >= 0: mantissa × 10^exponent.
struct Cociente {
    Mantisa mantisa;
    qint64 exponente;
};

Cociente dividirRedondeando(Mantisa n, qint64 k, Mantisa d)
{
    Mantisa cociente;
    Mantisa resto;
    if (k <= kMayorPotencia && n <= kMantisaMaxima / kPotencias[std::size_t(k)]) {
        const Mantisa numerador = n * kPotencias[std::size_t(k)];
        if (cabeEn64(numerador) && cabeEn64(d)) {
            cociente = std::uint64_t(numerador) / std::uint64_t(d);
            resto = std::uint64_t(numerador) % std::uint64_t(d);
        } else {
            cociente = numerador / d;
            resto = numerador % d;
        }
        // Twice the remainder reaching the divisor rounds up; with d >= 2 there is room for it.
        return {cociente + (resto != 0 && resto >= d - resto ? 1 : 0), 0};
    }

    // Long division, one zero of the numerator at a time. Ten times the
    // remainder is built by additions that stay below d, so nothing overflows.
    // Digits past what fits must be zeros that stay zeros, or nines that
    // rounding up turns into zeros; the loop ends within some 120 steps.
    cociente = n / d;
    resto = n % d;
    qint64 sobrantes = 0;
    unsigned digitoSobrante = 0;
    qint64 paso = 0;
    for (; paso < k && resto != 0; ++paso) {
        unsigned digito = 0;
        Mantisa diezRestos = 0;
        for (int vez = 0; vez < 10; ++vez) {
            if (diezRestos >= d - resto) {
                diezRestos -= d - resto;
                ++digito;
            } else {
                diezRestos += resto;
            }
        }
        resto = diezRestos;
        if (sobrantes == 0 && cociente <= (kMantisaMaxima - digito) / 10) {
            cociente = cociente * 10 + digito;
        } else if (sobrantes == 0 ? digito == 0 || digito == 9 : digito == digitoSobrante) {
            digitoSobrante = digito;
            ++sobrantes;
        } else {
            desbordamiento();
        }
    }
    const bool sube = resto != 0 && resto >= d - resto;
    // Nines past what fits must carry, zeros must not.
    if (sobrantes > 0 && sube != (digitoSobrante == 9))
        desbordamiento();
    if (sube && cociente == kMantisaMaxima)
        desbordamiento();
    // Once the remainder is zero, only zeros are left to append.
    return {cociente + (sube ? 1 : 0), sobrantes + (k - paso)};
}

// The product of two mantissas, trailing zeros dropped until it fits:
// mantissa × 10^exponent. Its four 64-bit limbs, least significant first.
Cociente multiplicar(Mantisa a, Mantisa b)
{
    Mantisa producto;
    if (!__builtin_mul_overflow(a, b, &producto))
        return {producto, 0};
    const auto bajo = [](Mantisa m) { return std::uint64_t(m); };
    const auto alto = [](Mantisa m) { return std::uint64_t(m >> 64); };
    const Mantisa p00 = Mantisa(bajo(a)) * bajo(b);
    const Mantisa p01 = Mantisa(bajo(a)) * alto(b);
    const Mantisa p10 = Mantisa(alto(a)) * bajo(b);
    const Mantisa p11 = Mantisa(alto(a)) * alto(b);
    const Mantisa medio = Mantisa(alto(p00)) + bajo(p01) + bajo(p10);
    const Mantisa superior = p11 + alto(p01) + alto(p10) + alto(medio);
    std::uint64_t limbos[4] = {bajo(p00), bajo(medio), bajo(superior), alto(superior)};
    qint64 ceros = 0;
    while (limbos[2] != 0 || limbos[3] != 0) {
        std::uint64_t cocientes[4];
        Mantisa resto = 0;
        for (int i = 3; i >= 0; --i) {
            const Mantisa parcial = (resto << 64) | limbos[i];
            cocientes[i] = std::uint64_t(parcial / 10);
            resto = parcial % 10;
        }
        if (resto != 0)
            desbordamiento();
        std::copy(cocientes, cocientes + 4, limbos);
        ++ceros;
    }
    return {(Mantisa(limbos[1]) << 64) | limbos[0], ceros};
}

}  // namespace

Decimal::Decimal(bool negative, Mantisa mantissa, qint64 exponent)
{
    if (mantissa == 0)
        return;
    while (cabeEn64(mantissa) ? std::uint64_t(mantissa) % 10 == 0 : mantissa % 10 == 0) {
        mantissa /= 10;
        ++exponent;
    }
    if (exponent < std::numeric_limits<int>::min() || exponent > std::numeric_limits<int>::max())
        desbordamiento();
    negative_ = negative;
    mantissa_ = mantissa;
    exponent_ = int(exponent);
}

Decimal::Decimal(double value)
{
    if (!std::isfinite(value))
        desbordamiento();
    // A whole number of up to 15 digits is its own 15-digit text.
    if (std::fabs(value) < 1e15 && value == std::trunc(value)) {
        *this = Decimal(value < 0, std::uint64_t(std::fabs(value)), 0);
        return;
    }

    // to_chars ignores the locale, unlike printf: the desktop may use ",".
    // Same text as printf("%.15g"): "1.005", "1e+20", "1.5e-07".
    char buffer[32];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    const char* p = buffer;
    const char* const end = written.ptr;

    const bool negativo = p < end && *p == '-';
    if (negativo)
        ++p;
    std::uint64_t digitos = 0;  // at most 15 of them
    qint64 exponente = 0;
    bool trasElPunto = false;
    for (; p < end && *p != 'e'; ++p) {
        if (*p == '.') {
            trasElPunto = true;
        } else {
            digitos = digitos * 10 + std::uint64_t(*p - '0');
            exponente -= trasElPunto ? 1 : 0;
        }
    }
    if (p < end) {
        ++p;  // 'e'
        if (*p == '+')
            ++p;
        int potencia = 0;
        std::from_chars(p, end, potencia);
        exponente += potencia;
    }
    *this = Decimal(negativo, digitos, exponente);
}

Decimal Decimal::rounded(int decimals) const
{
    if (decimals < 0)
        decimalesNoValidos();
    if (decimales() <= decimals)
        return *this;
    return Decimal(negative_, redondearPotencia(mantissa_, decimales() - decimals), -decimals);
}

Decimal Decimal::operator*(const Decimal& other) const
{
    const Cociente producto = multiplicar(mantissa_, other.mantissa_);
    return Decimal(negative_ != other.negative_, producto.mantisa,
                   qint64(exponent_) + other.exponent_ + producto.exponente);
}

Decimal Decimal::quotient(const Decimal& dividend, const Decimal& divisor, int decimals)
{
    if (divisor.isZero())
        throw Error(kErrorDivisionPorCero, QStringLiteral("División por cero"));
    if (decimals < 0)
        decimalesNoValidos();
    // dividend / divisor × 10^decimals = dividend's mantissa / divisor's mantissa × 10^escala.
    const qint64 escala = qint64(dividend.exponent_) - divisor.exponent_ + decimals;
    // Rounding n / (d × 10^k) equals rounding (n / d, truncated) / 10^k.
    const Cociente cociente = escala >= 0
        ? dividirRedondeando(dividend.mantissa_, escala, divisor.mantissa_)
        : Cociente{redondearPotencia(dividend.mantissa_ / divisor.mantissa_, -escala), 0};
    return Decimal(dividend.negative_ != divisor.negative_, cociente.mantisa, cociente.exponente - decimals);
}

std::string Decimal::digitos(int decimales) const
{
    if (decimales < this->decimales())
        decimalesNoValidos();
    std::string texto;
    if (isZero())
        return texto;
    agregarDigitos(texto, mantissa_);
    texto.append(std::size_t(qint64(exponent_) + decimales), '0');
    return texto;
}

double Decimal::toDouble() const
{
    // Both factors are exact doubles here, so one operation rounds once, correctly.
    static constexpr double kPotenciasExactas[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                   1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                   1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (mantissa_ <= Mantisa(1) << 53 && exponent_ >= -22 && exponent_ <= 22) {
        const double mantisa = double(std::uint64_t(mantissa_));
        const double valor = exponent_ < 0 ? mantisa / kPotenciasExactas[-exponent_]
                                           : mantisa * kPotenciasExactas[exponent_];
        return negative_ ? -valor : valor;
    }

    std::string texto = negative_ ? "-" : "";
    agregarDigitos(texto, mantissa_);
    texto += 'e';
    texto += std::to_string(exponent_);
    double valor = 0;
    const auto parsed = std::from_chars(texto.data(), texto.data() + texto.size(), valor);
    if (parsed.ec == std::errc::result_out_of_range)
        desbordamiento();
    return valor;
}

QString Decimal::toString() const { return QString::fromLatin1(ascii()); }

std::string Decimal::ascii() const
{
    std::string texto = negative_ ? "-" : "";
    std::string digitos;
    agregarDigitos(digitos, mantissa_);
    if (exponent_ >= 0) {
        texto += digitos;
        if (!isZero())
            texto.append(std::size_t(exponent_), '0');
        return texto;
    }
    const std::size_t decimales = std::size_t(-exponent_);
    if (digitos.size() <= decimales)
        digitos.insert(0, decimales + 1 - digitos.size(), '0');
    const std::size_t entero = digitos.size() - decimales;
    return texto + digitos.substr(0, entero) + '.' + digitos.substr(entero);
}

}  // namespace veluma
