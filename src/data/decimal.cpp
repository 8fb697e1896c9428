#include "data/decimal.h"

namespace {

int64_t checkedAdd(int64_t a, int64_t b) {
    int64_t r;
    if (__builtin_add_overflow(a, b, &r)) throw DecimalOverflow();
    return r;
}

// a / b rounded half to even, with a wide numerator.
int64_t divRoundEven(__int128 a, __int128 b) {
    if (b == 0) throw std::domain_error("除数为零");
    if (b < 0) { a = -a; b = -b; }
    __int128 q = a / b;
    __int128 r = a % b;
    if (r != 0) {
        __int128 twice = (r < 0 ? -r : r) * 2;
        bool away = twice > b || (twice == b && (q % 2 != 0));
        if (away) q += (a < 0) ? -1 : 1;
    }
    if (q > INT64_MAX || q < INT64_MIN) throw DecimalOverflow();
    return static_cast<int64_t>(q);
}

} // namespace

Decimal Decimal::fromInt(int64_t whole) {
    int64_t r;
    if (__builtin_mul_overflow(whole, Scale, &r)) throw DecimalOverflow();
    return fromRaw(r);
}

std::optional<Decimal> Decimal::parse(QStringView text) {
    QStringView s = text.trimmed();
    if (s.isEmpty()) return std::nullopt;
    bool neg = false;
    qsizetype i = 0;
    if (s[0] == u'-' || s[0] == u'+') { neg = s[0] == u'-'; ++i; }
    __int128 intPart = 0;
    int intDigits = 0;
    for (; i < s.size() && s[i].isDigit() && s[i].unicode() < 128; ++i) {
        intPart = intPart * 10 + (s[i].unicode() - '0');
        ++intDigits;
        if (intPart > INT64_MAX) return std::nullopt;
    }
    __int128 frac = 0;      // the first five decimals, in hundred-thousandths
    int fracDigits = 0;
    bool sticky = false;    // any non-zero digit beyond the fifth
    if (i < s.size() && s[i] == u'.') {
        ++i;
        for (; i < s.size() && s[i].isDigit() && s[i].unicode() < 128; ++i) {
            int d = s[i].unicode() - '0';
            if (fracDigits < 5) { frac = frac * 10 + d; ++fracDigits; }
            else if (d != 0) sticky = true;
        }
    }
    if (i != s.size() || (intDigits == 0 && fracDigits == 0)) return std::nullopt;
    while (fracDigits < 5) { frac *= 10; ++fracDigits; }
    // Round the fifth decimal away, half to even, with the sticky digits.
    __int128 q = frac / 10;
    int last = static_cast<int>(frac % 10);
    __int128 whole = intPart * Scale + q;
    if (last > 5 || (last == 5 && (sticky || whole % 2 != 0))) whole += 1;
    if (neg) whole = -whole;
    if (whole > INT64_MAX || whole < INT64_MIN) return std::nullopt;
    return fromRaw(static_cast<int64_t>(whole));
}

Decimal Decimal::parseOrZero(QStringView text) {
    return parse(text).value_or(Decimal());
}

Decimal Decimal::operator+(Decimal o) const { return fromRaw(checkedAdd(v_, o.v_)); }
Decimal Decimal::operator-(Decimal o) const {
    int64_t r;
    if (__builtin_sub_overflow(v_, o.v_, &r)) throw DecimalOverflow();
    return fromRaw(r);
}
Decimal Decimal::operator-() const {
    if (v_ == INT64_MIN) throw DecimalOverflow();
    return fromRaw(-v_);
}
Decimal Decimal::operator*(Decimal o) const {
    return fromRaw(divRoundEven(static_cast<__int128>(v_) * o.v_, Scale));
}
Decimal Decimal::operator/(Decimal o) const {
    return fromRaw(divRoundEven(static_cast<__int128>(v_) * Scale, o.v_));
}

Decimal Decimal::rounded(int decimals) const {
    if (decimals >= 4) return *this;
    if (decimals < 0) decimals = 0;
    int64_t unit = 1;
    for (int k = decimals; k < 4; ++k) unit *= 10;
    // Half to even on the magnitude, then the sign back.
    __int128 mag = v_ < 0 ? -static_cast<__int128>(v_) : v_;
    __int128 q = divRoundEven(mag, unit);
    __int128 r = q * unit;
    if (v_ < 0) r = -r;
    if (r > INT64_MAX || r < INT64_MIN) throw DecimalOverflow();
    return fromRaw(static_cast<int64_t>(r));
}

Decimal Decimal::round2() const { return rounded(2); }

QString Decimal::toFixed(int decimals) const {
    if (decimals < 0) decimals = 0;
    if (decimals > 4) decimals = 4;
    Decimal d = rounded(decimals);
    __int128 mag = d.v_ < 0 ? -static_cast<__int128>(d.v_) : d.v_;
    int64_t ip = static_cast<int64_t>(mag / Scale);
    int64_t fp = static_cast<int64_t>(mag % Scale);
    QString s = QString::number(ip);
    if (decimals > 0) {
        QString f = QString::number(fp).rightJustified(4, u'0').left(decimals);
        s += u'.' + f;
    }
    if (d.v_ < 0) s.prepend(u'-');
    return s;
}

QString Decimal::format00() const { return toFixed(2); }

int Decimal::decimalsUsed() const {
    int64_t fp = v_ % Scale;
    if (fp == 0) return 0;
    int n = 4;
    while (fp % 10 == 0) { fp /= 10; --n; }
    return n;
}

QString Decimal::toString() const { return toFixed(decimalsUsed()); }
