// Pinyin initials.
#include "master/pinyin.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QtTest>

class TstPinyin : public QObject {
    Q_OBJECT
private slots:
    void initials_data();
    void initials();
    void commonGoodsWords_data();
    void commonGoodsWords();
    void lengthLimit_data();
    void lengthLimit();
    void everyGb2312CharacterGivesOneLetter();
    void tableMatchesGenerator();
};

void TstPinyin::initials_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("code");
    auto row = [](const char* tag, const char* text, const char* code) {
        QTest::newRow(tag) << QString::fromUtf8(text) << QString::fromUtf8(code);
    };
    // Edge cases of the Part.
    row("category", "商品类别", "SPLB");
    row("latin and digits", "abc 12", "ABC 12");
    row("mixed", "Coca可乐 500ml", "COCAKL 500ML");
    row("symbol only", "※", "");
    row("symbols among", "※可※乐※", "KL");
    row("empty", "", "");
    // Telling rows of the reading table.
    row("shang", "商", "S");
    row("pin", "品", "P");
    row("lei", "类", "L");
    row("bie", "别", "B");
    row("zhang", "张", "Z");
    row("san", "三", "S");
    // Single-byte characters are all kept, only a-z change case.
    row("punctuation", "a-b_c.d/e(f)?!", "A-B_C.D/E(F)?!");
    row("tab kept", "a\tb", "A\tB");
    // Full-width ASCII (row 0xA3) folds without case change.
    row("full-width digits", "１２３", "123");
    row("full-width letters", "ａｂｃＡＢＣ", "abcABC");
    row("full-width punctuation", "（！）", "(!)");
    row("full-width in name", "可乐ｍｌ５００", "KLml500");
    // Row 0xA2: the numbers give their digits.
    row("roman", "ⅰⅹⅫ", "11012");
    row("full stop numbers", "⒈⒛", "120");
    row("parenthesised", "⑴⒇", "120");
    row("circled", "①⑩", "110");
    row("chinese parenthesised", "㈠㈩", "110");
    // Row 0xA6: Greek letters give their transliteration, other cells nothing.
    row("greek capitals", "ΑΘΦΧΨΩ", "ATHPHKHPSO");
    row("greek small", "αβγηθω", "ABGETHO");
    row("vertical forms", "︵︶", "");
    // Other rows without readings: symbols, kana, Cyrillic, box drawing, tone-marked letters.
    row("kana", "あア", "");
    row("cyrillic", "Дд", "");
    row("box drawing", "┌┐", "");
    row("tone letters", "āé", "");
    // Outside GBK: adds nothing, and a real question mark stays.
    row("emoji", "a😀b", "AB");
    row("outside gbk", "可ă乐", "KL");
    row("question mark", "a?b", "A?B");
    row("question mark beside foreign", "?😀?", "??");
    row("euro sign", "5€", "5€");
    QTest::newRow("lone surrogates") << (QString("x") + QChar(0xD800) + "y" + QChar(0xDC00) + QString::fromUtf8("商"))
                                     << QString("XYS");
}

void TstPinyin::initials() {
    QFETCH(QString, text);
    QFETCH(QString, code);
    QCOMPARE(pinyinInitials(text), code);
}

void TstPinyin::commonGoodsWords_data() {
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("knownMiss");   // why the table's reading is not the one meant
    const char* rows[][3] = {
        {"可口可乐", "KKKL", ""}, {"矿泉水", "KQS", ""}, {"洗衣粉", "XYF", ""}, {"方便面", "FBM", ""},
        {"牙膏", "YG", ""}, {"饼干", "BG", ""}, {"火腿肠", "HTC", ""}, {"酱油", "JY", ""},
        {"啤酒", "PJ", ""}, {"卫生纸", "WSZ", ""}, {"打火机", "DHJ", ""}, {"巧克力", "QKL", ""},
        {"纯净水", "CJS", ""}, {"康师傅", "KSF", ""}, {"王老吉", "WLJ", ""}, {"绿茶", "LC", ""},
        {"称重", "CZ", ""}, {"重量", "ZL", ""}, {"乐百氏", "LBS", ""}, {"散装", "SZ", ""},
        {"薄荷糖", "BHT", ""},
        // The table takes the most frequent reading of kHanyuPinlu, which is not the one of
        // these words; a shopkeeper would type the codes given here.
        {"银行", "YH", "行 is read xíng (2943) before háng (218): YX"},
        {"长城", "CC", "长 is read zhǎng (1879) before cháng (1179): ZC"},
        {"调味料", "TWL", "调 is read diào (390) before tiáo (213): DWL"},
        {"重庆", "CQ", "重 is read zhòng (1823) before chóng (329): ZQ"},
        {"茄子", "QZ", "茄 has only the reading jiā in Unihan: JZ"},
    };
    for (auto& r : rows)
        QTest::newRow(r[0]) << QString::fromUtf8(r[0]) << QString::fromUtf8(r[1]) << QString::fromUtf8(r[2]);
}

void TstPinyin::commonGoodsWords() {
    QFETCH(QString, word);
    QFETCH(QString, code);
    QFETCH(QString, knownMiss);
    if (!knownMiss.isEmpty()) QEXPECT_FAIL("", qPrintable(knownMiss), Continue);
    QCOMPARE(pinyinInitials(word), code);
}

void TstPinyin::lengthLimit_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("maxLen");
    QTest::addColumn<QString>("code");
    QString chinese300;
    for (int k = 0; k < 100; ++k) chinese300 += QString::fromUtf8("商品类");
    QTest::newRow("300 chinese -> 255") << chinese300 << 255 << QString("SPL").repeated(85);
    QTest::newRow("default limit") << chinese300 << -1 << QString("SPL").repeated(85);
    QTest::newRow("300 latin -> 255") << QString(300, u'x') << 255 << QString(255, u'X');
    QTest::newRow("shorter than limit") << QString::fromUtf8("商品") << 255 << QString("SP");
    QTest::newRow("limit 3") << QString::fromUtf8("商品类别") << 3 << QString("SPL");
    QTest::newRow("cut inside a transliteration") << QString::fromUtf8("αθ") << 2 << QString("AT");
    QTest::newRow("cut inside a number") << QString::fromUtf8("①⑩") << 2 << QString("11");
    QTest::newRow("limit 0") << QString::fromUtf8("商品") << 0 << QString();
    QTest::newRow("negative limit") << QString::fromUtf8("商品") << -5 << QString();
}

void TstPinyin::lengthLimit() {
    QFETCH(QString, text);
    QFETCH(int, maxLen);
    QFETCH(QString, code);
    const QString got = maxLen == -1 ? pinyinInitials(text) : pinyinInitials(text, maxLen);
    QCOMPARE(got, code);
}

// Every Chinese character of GB2312 (rows 0xB0-0xF7) has a reading: one letter, never I, U or V.
void TstPinyin::everyGb2312CharacterGivesOneLetter() {
    int characters = 0;
    for (int lead = 0xB0; lead <= 0xF7; ++lead) {
        for (int trail = 0xA1; trail <= 0xFE; ++trail) {
            if (lead == 0xD7 && trail > 0xF9) continue;   // D7FA-D7FE are not assigned
            const char bytes[2] = {char(lead), char(trail)};
            QStringDecoder decoder("GBK");
            const QString ch = decoder.decode(QByteArrayView(bytes, 2));
            QVERIFY(!decoder.hasError());
            const QString code = pinyinInitials(ch);
            const QString where = QString("%1%2 %3").arg(lead, 2, 16).arg(trail, 2, 16).arg(ch);
            QVERIFY2(code.size() == 1 && code[0] >= u'A' && code[0] <= u'Z', qPrintable(where));
            QVERIFY2(code != u"I" && code != u"U" && code != u"V", qPrintable(where));
            ++characters;
        }
    }
    QCOMPARE(characters, 6763);
}

// tools/gen_pinyin_table.py reproduces the committed table byte for byte.
void TstPinyin::tableMatchesGenerator() {
    const QString python = QStandardPaths::findExecutable("python3");
    if (python.isEmpty()) QSKIP("python3 is not installed");
    const QString unihan = "/usr/share/unicode/Unihan_Readings.txt.bz2";
    if (!QFile::exists(unihan)) QSKIP("Unihan_Readings.txt.bz2 (package unicode-data) is not installed");

    const QString source = QStringLiteral(KXR_SOURCE_DIR);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString generated = dir.filePath("pinyin_table.inc");
    QProcess proc;
    proc.start(python, {source + "/tools/gen_pinyin_table.py", "--unihan", unihan, "-o", generated});
    QVERIFY(proc.waitForFinished(120000));
    QVERIFY2(proc.exitStatus() == QProcess::NormalExit && proc.exitCode() == 0,
             proc.readAllStandardError().constData());

    QFile a(source + "/src/master/pinyin_table.inc"), b(generated);
    QVERIFY(a.open(QIODevice::ReadOnly));
    QVERIFY(b.open(QIODevice::ReadOnly));
    const QByteArray committed = a.readAll(), fresh = b.readAll();
    // The first line names the Unicode version; another version is a reason to regenerate,
    // not a fault of the committed table.
    if (committed.left(committed.indexOf('\n')) != fresh.left(fresh.indexOf('\n')))
        QSKIP("the installed Unihan is another version than the committed table's: regenerate it");
    QVERIFY2(committed == fresh, "src/master/pinyin_table.inc differs from the generator's output");
}

QTEST_APPLESS_MAIN(TstPinyin)
#include "tst_pinyin.moc"
