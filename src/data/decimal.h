#pragma once
// Fixed-point number with four fractional digits: money, prices and quantities.
#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>
#include <stdexcept>

class DecimalOverflow : public std::overflow_error {
public:
    DecimalOverflow() : std::overflow_error("数值超出范围") {}
};

class Decimal {
public:
    static constexpr int64_t Scale = 10000;

    constexpr Decimal() = default;
    static constexpr Decimal fromRaw(int64_t raw) { Decimal d; d.v_ = raw; return d; }
    static Decimal fromInt(int64_t whole);
    constexpr int64_t raw() const { return v_; }

    // Exact parse of typed text ("12.5", "-3", ".25", "+1"); more than four decimals
    // are rounded half to even. Empty, malformed or out-of-range text gives nullopt.
    static std::optional<Decimal> parse(QStringView text);
    // Like parse, but empty or invalid text reads as 0 (an emptied number box).
    static Decimal parseOrZero(QStringView text);

    Decimal operator+(Decimal o) const;
    Decimal operator-(Decimal o) const;
    Decimal operator-() const;
    Decimal operator*(Decimal o) const;   // rounded half to even to four decimals
    Decimal operator/(Decimal o) const;   // rounded half to even; division by zero throws
    Decimal& operator+=(Decimal o) { return *this = *this + o; }
    Decimal& operator-=(Decimal o) { return *this = *this - o; }
    auto operator<=>(const Decimal&) const = default;

    bool isZero() const { return v_ == 0; }
    bool isNegative() const { return v_ < 0; }
    Decimal abs() const { return v_ < 0 ? -*this : *this; }

    // Rounded to two decimals, half to even on the magnitude: what "0.00" shows.
    Decimal round2() const;
    // Rounded to n decimals (0..4), half to even on the magnitude.
    Decimal rounded(int decimals) const;
    // The "0.00" pattern: "0.125" -> "0.12", "-0.125" -> "-0.12", "3" -> "3.00".
    QString format00() const;
    // Shortest form: no trailing zeros, no trailing point ("7.5", "-3", "0").
    QString toString() const;
    // Fixed number of decimals (rounded half to even), e.g. 4 for "1.2500".
    QString toFixed(int decimals) const;

    // Number of decimals actually used (0..4).
    int decimalsUsed() const;

private:
    int64_t v_ = 0;
};
