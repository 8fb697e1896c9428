#pragma once
// Pinyin initials of a text: the default goods code made from a goods name.
#include <QString>

// Upper-case pinyin initials of `text`, cut to `maxLen` characters (商品类别 -> "SPLB").
// Walks the GBK bytes of the text: single-byte characters are kept (a-z made upper case),
// full-width ASCII folds to ASCII without case change, the numbers of GBK row 0xA2 give
// their digits, Greek letters their transliteration, and every other double-byte cell the
// first letter of its Mandarin reading (nothing where it has none). A character outside
// GBK adds nothing. Pure, thread-safe, no allocation beyond the result.
QString pinyinInitials(const QString& text, int maxLen = 255);
