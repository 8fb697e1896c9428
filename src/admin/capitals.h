#pragma once
// The amount in Chinese capital numerals: slips, vouchers and the capitals window.
#include "data/decimal.h"
#include <QString>

// Chinese capitals of a non-negative amount: 0 -> "零", 1.05 -> "壹圆零伍分",
// 100000000 -> "壹亿圆整". The amount is first written with the pattern "0.00", so a third
// decimal is rounded half to even (12.345 -> 12.34, 12.355 -> 12.36) — a non-zero amount
// below 0.005 thus reads "整". A negative amount gives "负" followed by the capitals of its
// absolute value, as the capitals window shows it.
QString amountInCapitals(Decimal amount);
