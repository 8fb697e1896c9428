// Amount in Chinese capitals.
#include "admin/capitals.h"

#include <QtTest>

class TstCapitals : public QObject {
    Q_OBJECT
private slots:
    void capitals_data();
    void capitals();
};

void TstCapitals::capitals_data() {
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("text");
    auto row = [](const char* amount, const char* text, const char* tag = nullptr) {
        QTest::newRow(tag ? tag : amount) << QString::fromUtf8(amount) << QString::fromUtf8(text);
    };
    // The table of the Part.
    row("0", "零");
    row("0.05", "伍分");
    row("0.50", "伍角整");
    row("1.00", "壹圆整");
    row("1.05", "壹圆零伍分");
    row("10.30", "壹拾圆叁角整");
    row("101.00", "壹佰零壹圆整");
    row("10100.00", "壹万零壹佰圆整");
    row("101000.00", "壹拾万壹仟圆整");
    row("1000000.00", "壹佰万圆整");
    row("100000000.00", "壹亿圆整");
    row("100000001.00", "壹亿零壹圆整");
    row("100001000.00", "壹亿壹仟圆整");
    row("123456789.12", "壹亿贰仟叁佰肆拾伍万陆仟柒佰捌拾玖圆壹角贰分");
    // Zero and unit rules beyond the table.
    row("0.55", "伍角伍分");
    row("10", "壹拾圆整");
    row("10.05", "壹拾圆零伍分");
    row("1001", "壹仟零壹圆整");
    row("100010", "壹拾万零壹拾圆整");
    row("20000000", "贰仟万圆整");
    row("1000000000", "壹拾亿圆整");
    row("1000010000", "壹拾亿零壹万圆整");
    row("9999999999999.99", "玖万玖仟玖佰玖拾玖亿玖仟玖佰玖拾玖万玖仟玖佰玖拾玖圆玖角玖分", "13 digits");
    // A third decimal is rounded half to even by the "0.00" pattern first.
    row("12.345", "壹拾贰圆叁角肆分");
    row("12.355", "壹拾贰圆叁角陆分");
    row("12.3451", "壹拾贰圆叁角伍分");
    row("0.125", "壹角贰分");
    row("0.995", "壹圆整");
    row("0.005", "整", "rounds to 0.00 but is not 0");
    row("0.004", "整", "below half a fen");
    // Negative amounts, as the capitals window shows them.
    row("-1.05", "负壹圆零伍分");
    row("-0.50", "负伍角整");
}

void TstCapitals::capitals() {
    QFETCH(QString, amount);
    QFETCH(QString, text);
    const auto value = Decimal::parse(amount);
    QVERIFY(value);
    QCOMPARE(amountInCapitals(*value), text);
}

QTEST_APPLESS_MAIN(TstCapitals)
#include "tst_capitals.moc"
