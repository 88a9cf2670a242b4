#include "core/decimal.h"

#include "core/error.h"

#include <charconv>
#include <cmath>

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

Decimal Decimal::rounded(int decimals) const
{
    if (decimals < 0)
        throw Error(kErrorArgumentoNoValido, QStringLiteral("Cantidad de decimales no válida"));
    if (fraction_.size() <= std::size_t(decimals))
        return *this;

    // The first dropped digit decides: the decimal is exact, so 5 or more
    // means at least half.
    std::string kept = integer_ + fraction_.substr(0, std::size_t(decimals));
    if (fraction_[std::size_t(decimals)] >= '5') {
        std::size_t i = kept.size();
        while (i > 0 && kept[i - 1] == '9')
            kept[--i] = '0';
        if (i == 0)
            kept.insert(kept.begin(), '1');
        else
            ++kept[i - 1];
    }

    Decimal result;
    result.negative_ = negative_;
    result.integer_ = kept.substr(0, kept.size() - std::size_t(decimals));
    result.fraction_ = kept.substr(kept.size() - std::size_t(decimals));
    result.normalize();
    return result;
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
