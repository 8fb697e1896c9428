#include "admin/capitals.h"

namespace {

// Characters 1-10 the digits 0-9, 11 a filler, 12 "分", 13 "角", 14-26 the units of the
// integer digits from the right.
constexpr char16_t kTable[] = u"零壹贰叁肆伍陆柒捌玖◇分角圆拾佰仟万拾佰仟亿拾佰仟万";
static_assert(sizeof(kTable) / sizeof(kTable[0]) == 26 + 1);

inline QChar digitChar(int d) { return QChar(kTable[d]); }      // character d + 1
constexpr int kUnits = 13;
inline QChar unitChar(int position) { return QChar(kTable[13 + position - 1]); }   // 14 + i - 1

} // namespace

QString amountInCapitals(Decimal amount) {
    if (amount.isNegative()) return QStringLiteral("负") + amountInCapitals(amount.abs());
    if (amount.isZero()) return QStringLiteral("零");

    // S: the amount written with "0.00" (half to even at two decimals).
    const int64_t cents = amount.round2().raw() / (Decimal::Scale / 100);
    int64_t whole = cents / 100;
    const int j = int(cents / 10 % 10);     // tenths
    const int f = int(cents % 10);          // hundredths
    const bool small = amount < Decimal::fromInt(1);

    // Integer digits from the right; S always has at least one ("0.05" has the digit 0).
    QString integer;
    bool z = small;
    int i = 1;
    do {
        const int d = int(whole % 10);
        whole /= 10;
        const bool unitPosition = i == 1 || i == 5 || i == 9;
        QString part;
        if (!(d == 0 && (z || unitPosition))) part += digitChar(d);
        if (i <= kUnits && (d != 0 || i == 5 || i == 9 || (i == 1 && !z))) part += unitChar(i);
        integer.prepend(part);
        z = d == 0;
        ++i;
    } while (whole > 0);
    integer.replace(QStringLiteral("亿万"), QStringLiteral("亿"));

    // Decimals: j's digit and unit, then f's digit and unit.
    QString decimals;
    if (j != 0) decimals += digitChar(j) + QString(QChar(kTable[12]));          // "角"
    else if (!(f == 0 || small)) decimals += digitChar(0);                      // "零"
    if (f != 0) decimals += digitChar(f) + QString(QChar(kTable[11]));          // "分"
    else decimals += QStringLiteral("整");

    return integer + decimals;
}
