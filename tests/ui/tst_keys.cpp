#include "support/testkit.h"
#include "ui/keys.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

namespace {

struct Form {
    QDialog w;
    QLineEdit* a = new QLineEdit(&w);
    QLineEdit* picker = new QLineEdit(&w);
    QCheckBox* check = new QCheckBox(&w);
    NumberEdit* price = new NumberEdit(&w);
    QPushButton* save = new QPushButton("保存", &w);
    QPushButton* close = new QPushButton("关闭", &w);
    int saved = 0, closed = 0, picked = 0;
    Form() {
        auto* l = new QVBoxLayout(&w);
        for (QWidget* x : {static_cast<QWidget*>(a), static_cast<QWidget*>(picker), static_cast<QWidget*>(check),
                           static_cast<QWidget*>(price), static_cast<QWidget*>(save), static_cast<QWidget*>(close)})
            l->addWidget(x);
        QObject::connect(save, &QPushButton::clicked, [this] { ++saved; });
        QObject::connect(close, &QPushButton::clicked, [this] { ++closed; });
        Keys::install(&w, close, save, price);
        Keys::setPicker(picker, [this] { ++picked; });
        w.show();
        QApplication::setActiveWindow(&w);
    }
};

} // namespace

class TestKeys : public QObject {
    Q_OBJECT
private slots:
    void enterWalksTheBoxesThenActs() {
        Form f;
        f.a->setFocus();
        pressKey(f.a, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), f.picker);
        typeText(f.picker, "张");
        pressKey(f.picker, Qt::Key_Return);   // not empty: moves on
        QCOMPARE(f.picked, 0);
        QCOMPARE(QApplication::focusWidget(), f.check);
        pressKey(f.check, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), f.price);
        pressKey(f.price, Qt::Key_Return);    // the last box presses the action
        QCOMPARE(f.saved, 1);
        QCOMPARE(f.closed, 0);
    }

    void enterInEmptyPickerBoxOpensPicker() {
        Form f;
        f.picker->setFocus();
        pressKey(f.picker, Qt::Key_Return);
        QCOMPARE(f.picked, 1);
        QCOMPARE(QApplication::focusWidget(), f.picker);
        typeText(f.picker, "   ");
        pressKey(f.picker, Qt::Key_Return);
        QCOMPARE(f.picked, 2);
    }

    void escPressesClose() {
        Form f;
        f.price->setFocus();
        pressKey(f.price, Qt::Key_Escape);
        QCOMPARE(f.closed, 1);
    }

    void numberBoxFilters_data() {
        QTest::addColumn<bool>("negative");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("letters dropped") << false << "1a2b" << "12";
        QTest::newRow("one point") << false << "1.2.3" << "1.23";
        QTest::newRow("no minus") << false << "-5" << "5";
        QTest::newRow("one minus") << true << "-5-" << "-5";
        QTest::newRow("Chinese dropped") << false << "三3" << "3";
    }
    void numberBoxFilters() {
        QFETCH(bool, negative);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        Form f;
        f.price->setAllowNegative(negative);
        f.price->setFocus();
        f.price->selectAll();
        QTest::keyClick(f.price, Qt::Key_Backspace);
        QCOMPARE(f.price->text(), QStringLiteral("0"));   // never empty
        typeText(f.price, typed);
        QCOMPARE(f.price->text(), shown);
    }

    void leavingANumberBox() {
        Form f;
        f.price->setRoundOnLeave(true);
        f.price->setFocus();
        f.price->setText("12.345");
        f.a->setFocus();
        QCOMPARE(f.price->text(), QStringLiteral("12.34"));
        f.price->setAllowNegative(true);
        f.price->setFocus();
        f.price->setText("-");
        f.a->setFocus();
        QCOMPARE(f.price->text(), QStringLiteral("0"));
    }
};

QTEST_MAIN(TestKeys)
#include "tst_keys.moc"
