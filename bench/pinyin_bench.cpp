// Pinyin initials over a catalogue-sized list of names, beside the GBK encoding of the same
// names alone (the reference: what any GBK walk must pay) measured in the same run.
// Not part of the test suite. Build, for example:
//   g++ -O2 -std=c++20 -fPIC $(pkg-config --cflags Qt6Core) -Isrc bench/pinyin_bench.cpp \
//       src/master/pinyin.cpp $(pkg-config --libs Qt6Core) -o /tmp/pinyin_bench
#include "master/pinyin.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QStringList>
#include <cstdio>

int main() {
    // 100,000 names of 2-12 GB2312 characters, a third with a Latin/digit tail ("500ml").
    QRandomGenerator rng(42);
    QStringDecoder decoder("GBK");
    QStringList names;
    for (int n = 0; n < 100000; ++n) {
        QByteArray bytes;
        const int len = 2 + int(rng.bounded(11));
        for (int k = 0; k < len; ++k) {
            bytes += char(0xB0 + rng.bounded(0xD7 - 0xB0));
            bytes += char(0xA1 + rng.bounded(0xFE - 0xA1 + 1));
        }
        if (n % 3 == 0) bytes += " 500ml";
        names << decoder.decode(bytes);
    }

    QElapsedTimer t;
    qint64 sink = 0;
    t.start();
    QStringEncoder encoder("GBK", QStringConverter::Flag::Stateless);
    for (const QString& s : names) sink += QByteArray(encoder.encode(s)).size();
    const double refNs = double(t.nsecsElapsed()) / names.size();

    t.restart();
    for (const QString& s : names) sink += pinyinInitials(s).size();
    const double ourNs = double(t.nsecsElapsed()) / names.size();

    std::printf("names: %lld, checksum %lld\n", static_cast<long long>(names.size()), static_cast<long long>(sink));
    std::printf("reference  QStringEncoder(\"GBK\").encode: %8.1f ns per name\n", refNs);
    std::printf("pinyinInitials                         : %8.1f ns per name (%.2fx)\n", ourNs, ourNs / refNs);
    return 0;
}
