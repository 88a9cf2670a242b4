#pragma once

#include <QString>
#include <string>

namespace veluma {

// An exact decimal number: a whole number below 2^128 (any of 38 digits)
// times a power of ten. A double becomes a Decimal through its
// 15-significant-digit text, so 1.005 is 1.005 here and not the binary value
// just below it; that is what makes rounding come out as a person working on
// paper expects.
class Decimal {
public:
    // Throws veluma::Error (6) for infinity and NaN.
    explicit Decimal(double value);

    // Half away from zero: 2.5 gives 3, -2.5 gives -3. Throws for decimals < 0.
    Decimal rounded(int decimals) const;

    // The exact product; throws veluma::Error (6) when its digits do not fit.
    Decimal operator*(const Decimal& other) const;
    // The exact quotient rounded half away from zero to `decimals` places.
    // Throws veluma::Error (11) when `divisor` is zero, (5) for decimals < 0
    // and (6) when the digits of the rounded quotient do not fit.
    static Decimal quotient(const Decimal& dividend, const Decimal& divisor, int decimals);

    // Zero is never negative.
    bool isNegative() const { return negative_; }
    bool isZero() const { return mantissa_ == 0; }
    // How many digits follow the point, trailing zeros aside: 2 for 1.25, 0 for 100.
    int decimales() const { return exponent_ < 0 ? -exponent_ : 0; }
    // The digits of the absolute value with exactly `decimales` places and no
    // point, without leading zeros: 12.5 with 2 places is "1250", zero is "".
    // Throws veluma::Error (5) when `decimales` is less than decimales().
    std::string digitos(int decimales) const;

    // The double nearest to this decimal; throws veluma::Error (6) when out of range.
    double toDouble() const;
    // "-1234.5", "0.25", "0".
    QString toString() const;

private:
    using Mantisa = unsigned __int128;

    // ±mantissa × 10^exponent, without trailing zeros in the mantissa.
    Decimal(bool negative, Mantisa mantissa, qint64 exponent);

    std::string ascii() const;

    bool negative_ = false;
    Mantisa mantissa_ = 0;  // without trailing zeros; zero has exponent 0
    int exponent_ = 0;
};

}  // namespace veluma
