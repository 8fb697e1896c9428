#include "data/db.h"
#include "data/dm.h"
#include "support/testkit.h"
#include "ui/datagrid.h"

#include <QApplication>
#include <QHeaderView>
#include <QTest>

class TestDataset : public QObject {
    Q_OBJECT
private slots:
    // Typed text never breaks a statement and selects the same rows.
    void awkwardTextThroughDataset_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("apostrophe") << "O'Brien's 店";
        QTest::newRow("percent") << "100% 纯棉";
        QTest::newRow("underscore") << "a_b";
        QTest::newRow("quotes and semicolon") << "\"x\"; drop table sp; --";
    }
    void awkwardTextThroughDataset() {
        QFETCH(QString, name);
        TestDb db;
        Dataset* ds = dm()->AQghs1;
        ds->clearSql();
        ds->add("select * from ghs").add("order by id");
        ds->open();
        ds->append();
        ds->setText("mc", name);
        ds->post();
        TestDb::exec("insert into ghs (mc) values ('other')");

        ds->clearSql();
        ds->add("select * from ghs where mc=?", {name});
        ds->open();
        QCOMPARE(ds->recordCount(), 1);
        QCOMPARE(ds->text("mc"), name);
        QVERIFY(ds->integer("id") > 0);
        // A like search on the same text finds it literally, wildcards escaped.
        ds->clearSql();
        QString pattern = name;
        pattern.replace("\\", "\\\\").replace("%", "\\%").replace("_", "\\_");
        ds->add("select * from ghs where mc like ? escape '\\'", {"%" + pattern + "%"});
        ds->open();
        QCOMPARE(ds->recordCount(), 1);
        QCOMPARE(TestDb::count("sp"), 0);
    }

    void decimalFieldsRoundTrip() {
        TestDb db;
        Dataset* ds = dm()->AQsp1;
        ds->clearSql();
        ds->add("select * from sp");
        ds->open();
        ds->append();
        ds->setText("ppgg", "可乐");
        ds->setText("jj", "2.5");
        ds->setDec("kcsl", D("3"));
        ds->post();
        QCOMPARE(TestDb::scalar("select jj from sp").toLongLong(), 25000);
        QCOMPARE(ds->text("jj"), QStringLiteral("2.5"));
        QCOMPARE(ds->dec("kcsl"), D("3"));
        QCOMPARE(ds->text("kcje"), QStringLiteral("0"));   // a default shows after the post
        ds->edit();
        QVERIFY_THROWS_EXCEPTION(Db::Error, ds->setText("jj", "abc"));
        ds->cancel();
        QCOMPARE(TestDb::scalar("select jj from sp").toLongLong(), 25000);
        // Aggregates by position.
        ds->clearSql();
        ds->add("SELECT sum(jj),sum(kcsl) FROM sp");
        ds->open();
        QCOMPARE(ds->dec(0), D("2.5"));
        QCOMPARE(ds->text(1), QStringLiteral("3"));
    }

    void removeAndEdit() {
        TestDb db;
        for (const char* n : {"甲", "乙", "丙"}) TestDb::exec("insert into lb (lb) values (?)", {QString::fromUtf8(n)});
        Dataset* ds = dm()->AQlb1;
        ds->clearSql();
        ds->add("SELECT * FROM lb").add("order by id");
        ds->open();
        ds->setRecNo(1);
        ds->remove();
        QCOMPARE(ds->recordCount(), 2);
        QCOMPARE(ds->text("lb"), QStringLiteral("丙"));
        ds->edit();
        ds->setText("lb", "丁");
        ds->post();
        QCOMPARE(TestDb::scalar("select group_concat(lb, ',') from (select lb from lb order by id)").toString(),
                 QStringLiteral("甲,丁"));
    }

    // A failed statement inside a transaction leaves nothing behind.
    void transactionRollsBack() {
        TestDb db;
        try {
            Db::Transaction tx;
            Db::exec("insert into lb (lb) values ('x')");
            Db::exec("insert into nosuchtable values (1)");
            tx.commit();
            QFAIL("no error");
        } catch (const Db::Error&) {}
        QCOMPARE(TestDb::count("lb"), 0);
        // A second copy saving the same slip number is refused, not duplicated.
        Db::exec("insert into cgglz (dh) values ('CGD20261211001')");
        QVERIFY_THROWS_EXCEPTION(Db::Error, Db::exec("insert into cgglz (dh) values ('CGD20261211001')"));
    }

    // Names sort in pinyin order; the title-click rule cycles ASC, DESC, ASC with a bold title.
    void titleClickSort() {
        TestDb db;
        for (const char* n : {"张三", "阿明", "李四", "陈红"}) TestDb::exec("insert into yg (xm) values (?)", {QString::fromUtf8(n)});
        Dataset* ds = dm()->AQyg1;
        ds->clearSql();
        ds->add("select * from yg").add("order by id");
        ds->open();
        DataGrid grid(ds, {ColumnSpec::text("id", "号"), ColumnSpec::text("xm", "姓名")});
        auto names = [&] {
            QStringList out;
            for (int r = 0; r < ds->recordCount(); ++r) out << ds->textAt(r, "xm");
            return out;
        };
        grid.sortByColumn(1);
        QCOMPARE(ds->sortExpr(), QStringLiteral("xm ASC"));
        QCOMPARE(names(), QStringList({"阿明", "陈红", "李四", "张三"}));
        QVERIFY(grid.model()->headerData(1, Qt::Horizontal, Qt::FontRole).value<QFont>().bold());
        grid.sortByColumn(1);
        QCOMPARE(ds->sortExpr(), QStringLiteral("xm DESC"));
        QCOMPARE(names().first(), QStringLiteral("张三"));
        grid.sortByColumn(1);
        QCOMPARE(ds->sortExpr(), QStringLiteral("xm ASC"));
        grid.sortByColumn(0);
        QCOMPARE(ds->sortExpr(), QStringLiteral("id ASC"));
        QVERIFY(!grid.model()->headerData(1, Qt::Horizontal, Qt::FontRole).value<QFont>().bold());
        QCOMPARE(grid.model()->rowCount(), 4);
        // Nothing happens on a closed dataset.
        ds->close();
        grid.sortByColumn(1);
        QCOMPARE(ds->sortExpr(), QString());
    }

    // A window using a shared dataset after another sees only what its own statement selects.
    void sharedDatasetKeepsNothing() {
        TestDb db;
        TestDb::exec("insert into lb (lb) values ('a'), ('b')");
        Dataset* ds = dm()->AQlb1;
        ds->clearSql();
        ds->add("select * from lb where lb=?", {"a"});
        ds->open();
        ds->setSort("lb DESC");
        ds->clearSql();
        ds->add("select * from lb");
        ds->open();
        QCOMPARE(ds->recordCount(), 2);
        QCOMPARE(ds->sortExpr(), QString());
    }

    void sqlProductsRoundHalfEven() {
        TestDb db;
        // 0.125 x 1 = 0.125 exactly; 0.0001 x 0.5 = 0.00005 -> 0.0000 (even), 0.0003 x 0.5 -> 0.0002
        QCOMPARE(TestDb::scalar("select dmul(1250, 10000)").toLongLong(), 1250);
        QCOMPARE(TestDb::scalar("select dmul(1, 5000)").toLongLong(), 0);
        QCOMPARE(TestDb::scalar("select dmul(3, 5000)").toLongLong(), 2);
        QCOMPARE(TestDb::scalar("select dmul(-3, 5000)").toLongLong(), -2);
    }
};

QTEST_MAIN(TestDataset)
#include "tst_dataset.moc"
