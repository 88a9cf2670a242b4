#pragma once

#include <QString>
#include <string>

namespace veluma {

// An exact decimal number kept as its digits. A double becomes a Decimal
// through its 15-significant-digit text, so 1.005 is 1.005 here and not the
// binary value just below it; that is what makes rounding come out as a
// person working on paper expects.
class Decimal {
public:
    // Throws veluma::Error (6) for infinity and NaN.
    explicit Decimal(double value);

    // Half away from zero: 2.5 gives 3, -2.5 gives -3. Throws for decimals < 0.
    Decimal rounded(int decimals) const;

    // The exact product.
    Decimal operator*(const Decimal& other) const;
    // The exact quotient rounded half away from zero to `decimals` places.
    // Throws veluma::Error (11) when `divisor` is zero.
    static Decimal quotient(const Decimal& dividend, const Decimal& divisor, int decimals);

    // Zero is never negative.
    bool isNegative() const { return negative_; }
    bool isZero() const { return integer_.empty() && fraction_.empty(); }
    // ASCII digits without leading zeros: empty when the integer part is zero.
    const std::string& integerDigits() const { return integer_; }
    // ASCII digits without trailing zeros.
    const std::string& fractionDigits() const { return fraction_; }

    // The double nearest to this decimal; throws veluma::Error (6) when out of range.
    double toDouble() const;
    // "-1234.5", "0.25", "0".
    QString toString() const;

private:
    Decimal() = default;
    // The value digits × 10^-scale.
    static Decimal fromDigits(bool negative, const std::string& digits, std::size_t scale);
    std::string allDigits() const { return integer_ + fraction_; }

    std::string ascii() const;
    void normalize();

    bool negative_ = false;
    std::string integer_;
    std::string fraction_;
};

}  // namespace veluma
