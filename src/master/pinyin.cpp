#include "master/pinyin.h"

#include <QStringEncoder>
#include <cstdint>

namespace {

// kPinyinInitialsByGbkCell: one letter (or '-') per double-byte GBK cell.
#include "master/pinyin_table.inc"

constexpr int kLeadFirst = 0x81;
constexpr int kTrailFirst = 0x40;
constexpr int kTrailLast = 0xFE;
constexpr int kTrails = kTrailLast - kTrailFirst + 1;   // 191
constexpr int kCells = 126 * kTrails;                    // 24,066
static_assert(sizeof(kPinyinInitialsByGbkCell) == kCells + 1, "reading table has one cell per GBK code");

// GBK row 0xA2, trail 0xA1-0xFE: small Roman numerals, numbers with a full stop, numbers in
// parentheses, circled numbers, Chinese numbers in parentheses, Roman numerals.
constexpr const char* kNumberRow[94] = {
    "1", "2", "3", "4", "5", "6", "7", "8", "9", "10",                          // A1-AA ⅰ-ⅹ
    "", "", "", "", "", "",                                                     // AB-B0
    "1", "2", "3", "4", "5", "6", "7", "8", "9", "10",                          // B1-C4 ⒈-⒛
    "11", "12", "13", "14", "15", "16", "17", "18", "19", "20",
    "1", "2", "3", "4", "5", "6", "7", "8", "9", "10",                          // C5-D8 ⑴-⒇
    "11", "12", "13", "14", "15", "16", "17", "18", "19", "20",
    "1", "2", "3", "4", "5", "6", "7", "8", "9", "10",                          // D9-E2 ①-⑩
    "", "",                                                                     // E3-E4
    "1", "2", "3", "4", "5", "6", "7", "8", "9", "10",                          // E5-EE ㈠-㈩
    "", "",                                                                     // EF-F0
    "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12",              // F1-FC Ⅰ-Ⅻ
    "", "",                                                                     // FD-FE
};

// GBK row 0xA6: Α-Ω at trail 0xA1-0xB8 and α-ω at 0xC1-0xD8, in alphabet order.
constexpr const char* kGreek[24] = {
    "A", "B", "G", "D", "E", "Z", "E", "TH", "I", "K", "L", "M",
    "N", "X", "O", "P", "R", "S", "T", "U", "PH", "KH", "PS", "O",
};

inline void appendLatin1(QString& out, const char* s) {
    for (; *s; ++s) out.append(QChar(char16_t(static_cast<unsigned char>(*s))));
}

// Rule 1 for a byte below 0x80: the character itself, a-z made upper case.
inline void appendSingle(QString& out, char16_t c) {
    if (c >= u'a' && c <= u'z') c = char16_t(c - u'a' + u'A');
    out.append(QChar(c));
}

// Rule 2: one double-byte character (lead 0x81-0xFE, trail 0x40-0xFE).
inline void appendDouble(QString& out, unsigned lead, unsigned trail) {
    switch (lead) {
    case 0xA2:
        if (trail >= 0xA1) appendLatin1(out, kNumberRow[trail - 0xA1]);
        return;
    case 0xA3:
        // Full-width ASCII A3A1-A3FE: the ASCII character trail - 0x80, case unchanged.
        // The row's lower cells are a user-defined area, not ASCII: they give nothing.
        if (trail >= 0xA1) out.append(QChar(char16_t(trail - 0x80)));
        return;
    case 0xA6:
        if (trail >= 0xA1 && trail <= 0xB8) appendLatin1(out, kGreek[trail - 0xA1]);
        else if (trail >= 0xC1 && trail <= 0xD8) appendLatin1(out, kGreek[trail - 0xC1]);
        return;
    default: {
        const char letter = kPinyinInitialsByGbkCell[(lead - kLeadFirst) * kTrails + (trail - kTrailFirst)];
        if (letter != '-') out.append(QChar(char16_t(letter)));
        return;
    }
    }
}

// Walks the GBK bytes of a run of non-ASCII characters. Inside such a run every byte below
// 0x80 is the encoder's substitute for a character outside GBK, which adds nothing.
void walkRun(QString& out, const unsigned char* b, qsizetype n) {
    qsizetype k = 0;
    while (k < n) {
        const unsigned lead = b[k];
        if (lead < 0x80) { ++k; continue; }                    // substitute: outside GBK
        if (lead == 0x80 || k + 1 >= n || b[k + 1] < 0x40 || b[k + 1] > kTrailLast) {
            // Single byte of the upper half: only 0x80, the euro sign of code page 936.
            if (lead == 0x80) out.append(QChar(char16_t(0x20AC)));
            ++k;
            continue;
        }
        appendDouble(out, lead, b[k + 1]);
        k += 2;
    }
}

// One stateless GBK encoder per thread, opened once.
QStringEncoder& gbkEncoder() {
    thread_local QStringEncoder encoder("GBK", QStringConverter::Flag::Stateless);
    return encoder;
}

constexpr qsizetype kChunk = 64;   // UTF-16 units encoded at a time

} // namespace

QString pinyinInitials(const QString& text, int maxLen) {
    QString out;
    if (maxLen <= 0 || text.isEmpty()) return out;
    out.reserve(qMin<qsizetype>(text.size(), maxLen) + 2);

    const char16_t* p = QStringView(text).utf16();
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && out.size() < maxLen) {
        if (p[i] < 0x80) {                                      // GBK and ASCII agree here
            appendSingle(out, p[i]);
            ++i;
            continue;
        }
        // A run of non-ASCII characters, at most kChunk units, never splitting a surrogate pair.
        qsizetype j = i;
        while (j < n && p[j] >= 0x80 && j - i < kChunk) ++j;
        if (j < n && j - i == kChunk && QChar::isHighSurrogate(p[j - 1])) --j;

        QStringEncoder& encoder = gbkEncoder();
        if (!encoder.isValid()) { i = j; continue; }            // no GBK on this platform
        const QStringView run(p + i, j - i);
        char buffer[kChunk * 4];
        if (encoder.requiredSpace(run.size()) <= qsizetype(sizeof buffer)) {
            char* end = encoder.appendToBuffer(buffer, run);
            walkRun(out, reinterpret_cast<const unsigned char*>(buffer), end - buffer);
        } else {
            const QByteArray bytes = encoder.encode(run);
            walkRun(out, reinterpret_cast<const unsigned char*>(bytes.constData()), bytes.size());
        }
        i = j;
    }
    if (out.size() > maxLen) out.truncate(maxLen);
    return out;
}
