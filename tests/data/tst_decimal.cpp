#include "data/decimal.h"
#include "ui/keys.h"

#include <QTest>

class TestDecimal : public QObject {
    Q_OBJECT
private slots:
    void parse_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<qint64>("raw");
        QTest::newRow("integer") << "12" << true << qint64(120000);
        QTest::newRow("decimals") << "12.345" << true << qint64(123450);
        QTest::newRow("leading point") << ".25" << true << qint64(2500);
        QTest::newRow("trailing point") << "3." << true << qint64(30000);
        QTest::newRow("negative") << "-0.125" << true << qint64(-1250);
        QTest::newRow("plus") << "+1" << true << qint64(10000);
        QTest::newRow("blanks") << " 7.5 " << true << qint64(75000);
        QTest::newRow("fifth decimal half even down") << "0.00005" << true << qint64(0);
        QTest::newRow("fifth decimal half even up") << "0.00015" << true << qint64(2);
        QTest::newRow("beyond half") << "0.000051" << true << qint64(1);
        QTest::newRow("empty") << "" << false << qint64(0);
        QTest::newRow("minus alone") << "-" << false << qint64(0);
        QTest::newRow("letters") << "12a" << false << qint64(0);
        QTest::newRow("two points") << "1.2.3" << false << qint64(0);
        QTest::newRow("full-width digits") << "１２" << false << qint64(0);
        QTest::newRow("too large") << "99999999999999999999" << false << qint64(0);
    }
    void parse() {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(qint64, raw);
        auto d = Decimal::parse(text);
        QCOMPARE(d.has_value(), ok);
        if (ok) QCOMPARE(d->raw(), raw);
    }

    // Amounts the program stores: "0.00" rounds the magnitude half to even.
    void format00_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("0.125") << "0.125" << "0.12";
        QTest::newRow("0.135") << "0.135" << "0.14";
        QTest::newRow("-0.125") << "-0.125" << "-0.12";
        QTest::newRow("-0.135") << "-0.135" << "-0.14";
        QTest::newRow("whole") << "3" << "3.00";
        QTest::newRow("tiny negative") << "-0.001" << "0.00";
        QTest::newRow("12.355") << "12.355" << "12.36";
    }
    void format00() {
        QFETCH(QString, value);
        QFETCH(QString, expected);
        QCOMPARE(Decimal::parse(value)->format00(), expected);
    }

    void lineAmounts_data() {
        QTest::addColumn<QString>("sl");
        QTest::addColumn<QString>("jg");
        QTest::addColumn<QString>("je");
        QTest::newRow("3 x 0.125") << "3" << "0.125" << "0.38";
        QTest::newRow("1 x 0.125") << "1" << "0.125" << "0.12";
        QTest::newRow("3 x 2.5") << "3" << "2.5" << "7.50";
        QTest::newRow("return") << "-2" << "1.255" << "-2.51";
        QTest::newRow("fine quantity") << "0.3333" << "3" << "1.00";
    }
    void lineAmounts() {
        QFETCH(QString, sl);
        QFETCH(QString, jg);
        QFETCH(QString, je);
        QCOMPARE((*Decimal::parse(sl) * *Decimal::parse(jg)).format00(), je);
    }

    void shortestForm_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("7.50") << "7.50" << "7.5";
        QTest::newRow("3.0000") << "3.0000" << "3";
        QTest::newRow("zero") << "-0" << "0";
        QTest::newRow("four decimals") << "-1.2345" << "-1.2345";
    }
    void shortestForm() {
        QFETCH(QString, value);
        QFETCH(QString, expected);
        QCOMPARE(Decimal::parse(value)->toString(), expected);
    }

    void quotientRoundsHalfEven() {
        // Unit cost 10 / 3 and 0.0001 / 2 (a tie at the fifth decimal).
        QCOMPARE((Decimal::fromInt(10) / Decimal::fromInt(3)).toString(), QStringLiteral("3.3333"));
        QCOMPARE((Decimal::fromRaw(1) / Decimal::fromInt(2)).raw(), qint64(0));
        QCOMPARE((Decimal::fromRaw(3) / Decimal::fromInt(2)).raw(), qint64(2));
        QVERIFY_THROWS_EXCEPTION(std::domain_error, Decimal::fromInt(1) / Decimal());
    }

    void overflowIsAnError() {
        const Decimal big = Decimal::fromRaw(INT64_MAX / 2 + 1);
        QVERIFY_THROWS_EXCEPTION(DecimalOverflow, big + big);
        QVERIFY_THROWS_EXCEPTION(DecimalOverflow, big * Decimal::fromInt(3));
        QVERIFY_THROWS_EXCEPTION(DecimalOverflow, -Decimal::fromRaw(INT64_MIN));
    }

    // A number box being left.
    void typedNumbers_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("left");
        QTest::newRow("12.345") << "12.345" << "12.34";
        QTest::newRow("12.355") << "12.355" << "12.36";
        QTest::newRow("minus") << "-" << "0";
        QTest::newRow("empty") << "" << "0";
        QTest::newRow("two decimals kept") << "3.10" << "3.10";
        QTest::newRow("negative rounded") << "-0.125" << "-0.12";
    }
    void typedNumbers() {
        QFETCH(QString, typed);
        QFETCH(QString, left);
        QCOMPARE(normaliseTypedNumber(typed), left);
    }
};

QTEST_APPLESS_MAIN(TestDecimal)
#include "tst_decimal.moc"
