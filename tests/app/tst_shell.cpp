#include "admin/backup.h"
#include "app/login.h"
#include "app/mainwindow.h"
#include "app/navchart.h"
#include "app/startup.h"
#include "data/db.h"
#include "data/dm.h"
#include "data/session.h"
#include "support/testkit.h"
#include "ui/mdi.h"
#include "ui/windows.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

// Logs an operator in the way the login window leaves things: AQyhsz1 on the operator's row.
void standOn(const QString& name) {
    Dataset* q = dm()->AQyhsz1;
    q->clearSql();
    q->add("select *from yhsz where yhmc=?", {name});
    q->open();
}

void addOperator(const QString& name, const QStringList& grants) {
    TestDb::exec("insert into yhsz (yhmc, yhmm) values (?, '')", {name});
    for (const QString& g : grants) TestDb::exec("insert into quanxian (yh, qx) values (?, ?)", {name, g});
}

} // namespace

class TestShell : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Windows::registerAll(); }

    void startupErrorForBadDatabase_data() {
        QTest::addColumn<QString>("damage");
        QTest::newRow("missing") << "missing";
        QTest::newRow("not a database") << "garbage";
        QTest::newRow("foreign database") << "foreign";
        QTest::newRow("truncated") << "truncated";
    }
    void startupErrorForBadDatabase() {
        QFETCH(QString, damage);
        TestDb db(false);
        const QString path = db.dbPath();
        if (damage == "missing") {
            QFile::remove(path);
        } else if (damage == "garbage") {
            QFile f(path);
            f.open(QIODevice::WriteOnly | QIODevice::Truncate);
            f.write(QByteArray(4096, 'x'));
        } else if (damage == "foreign") {
            QFile::remove(path);
            {
                QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "foreign");
                other.setDatabaseName(path);
                QVERIFY(other.open());
                QSqlQuery(other).exec("create table danwei (mczc text)");
                QSqlQuery(other).exec("insert into danwei values ('x')");
                other.close();
            }
            QSqlDatabase::removeDatabase("foreign");
        } else {
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadWrite));
            f.resize(1024);
        }
        MsgScript msgs;
        TFmain1* w = Startup::createMain();
        QVERIFY(!w);
        QCOMPARE(msgs.texts(), QStringList{DM1::StartupError});
        QCOMPARE(msgs.lastKind(), Msg::Kind::Error);
        QCOMPARE(Msg::log().last().caption, QStringLiteral("错误"));
        if (damage == "missing") QVERIFY(!QFile::exists(path));   // never created behind the user's back
    }

    void startupOpensMainWindow() {
        TestDb db(false);
        MsgScript msgs;
        std::unique_ptr<TFmain1> w(Startup::createMain());
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QStringLiteral("柯星软件通用行业版V2014 ［使用单位：柯星商店］"));
        QVERIFY(Mdi::find("TFdaohang1"));
        QVERIFY(w->action("显示业务导航图")->isChecked());
        // Closing the chart removes the tick; the menu item shows it again.
        Mdi::frameOf(Mdi::find("TFdaohang1"))->close();
        QTRY_VERIFY(!Mdi::find("TFdaohang1"));
        QVERIFY(!w->action("显示业务导航图")->isChecked());
        w->action("显示业务导航图")->trigger();
        QVERIFY(Mdi::find("TFdaohang1"));
        QVERIFY(w->action("显示业务导航图")->isChecked());
        QVERIFY(msgs.texts().isEmpty());
    }

    void loginMessages() {
        TestDb db;
        MsgScript msgs;
        TFdl1 login;
        QVERIFY(login.loadNames());
        QCOMPARE(login.nameBox()->count(), 1);
        QCOMPARE(login.nameBox()->currentText(), QStringLiteral("系统管理员"));
        login.show();
        QApplication::setActiveWindow(&login);
        login.passwordBox()->setFocus();

        typeText(login.passwordBox(), "888 ");          // a trailing blank counts
        pressKey(login.passwordBox(), Qt::Key_Return);
        QCOMPARE(msgs.last(), QStringLiteral("用户密码不正确！"));
        QVERIFY(login.result() != QDialog::Accepted);

        login.passwordBox()->clear();
        typeText(login.passwordBox(), "888");
        pressKey(login.passwordBox(), Qt::Key_Return);
        QCOMPARE(msgs.texts(), QStringList{"用户密码不正确！"});
        QCOMPARE(login.result(), int(QDialog::Accepted));
        QCOMPARE(dm()->AQyhsz1->text("yhmc"), QStringLiteral("系统管理员"));
    }

    void loginUnknownAndEmptyName() {
        TestDb db;
        MsgScript msgs;
        addOperator("甲'乙", {});
        TFdl1 login;
        QVERIFY(login.loadNames());
        login.nameBox()->setCurrentText("甲'乙");
        TestDb::exec("delete from yhsz where yhmc=?", {"甲'乙"});
        login.tryLogin();
        QCOMPARE(msgs.last(), QStringLiteral("该用户不存在！"));
        login.nameBox()->clear();
        login.tryLogin();
        QCOMPARE(msgs.last(), QStringLiteral("请选择用户名称！"));
        QCOMPARE(msgs.texts().size(), 2);
    }

    void loginCancelEnds() {
        TestDb db;
        TFdl1 login;
        login.show();
        QApplication::setActiveWindow(&login);
        login.passwordBox()->setFocus();
        pressKey(login.passwordBox(), Qt::Key_Escape);
        QVERIFY(login.cancelled());
        QCOMPARE(login.result(), int(QDialog::Rejected));
    }

    void permissions_data() {
        QTest::addColumn<QStringList>("grants");
        QTest::addColumn<QStringList>("enabled");
        QTest::addColumn<QStringList>("disabled");
        QTest::addColumn<bool>("prices");
        QTest::addColumn<bool>("zeroing");
        const QStringList bound = {"店铺信息", "操作员与权限", "清空数据库", "商品资料", "厂商资料", "客户资料", "员工资料",
                                   "采购", "零售", "批发", "库存异动", "采购单据", "采购明细表", "采购统计表", "销售单据",
                                   "销售明细表", "销售统计表", "员工提成表", "异动单据", "异动明细表", "异动统计表",
                                   "采购应付明细表", "销售应收明细表", "采购付款明细表", "销售收款明细表", "其他收支明细表"};
        const QStringList free = {"备份数据库", "恢复数据库", "压缩数据库", "暂时离开系统", "更改我的密码", "退出",
                                  "商品库存明细表", "商品进销存统计表", "计算器", "关于本软件"};
        QTest::newRow("no rows") << QStringList{} << free << bound << false << false;
        QTest::newRow("wholesale only") << QStringList{"批发开单"} << QStringList{"批发", "销售单据", "商品库存明细表"}
                                        << QStringList{"零售", "采购", "销售明细表"} << false << false;
        QTest::newRow("retail only") << QStringList{"零售开单"} << QStringList{"零售", "销售单据"}
                                     << QStringList{"批发"} << false << false;
        QTest::newRow("stock rights") << QStringList{"显示库存价格", "库存归零"} << free << bound << true << true;
        QTest::newRow("everything") << Session::permissionNames() << bound + free << QStringList{} << true << true;
    }
    void permissions() {
        QFETCH(QStringList, grants);
        QFETCH(QStringList, enabled);
        QFETCH(QStringList, disabled);
        QFETCH(bool, prices);
        QFETCH(bool, zeroing);
        TestDb db;
        MsgScript msgs;
        addOperator("店员", grants);
        standOn("店员");
        TFmain1 w;
        w.applyPermissions();
        for (const QString& c : enabled) QVERIFY2(w.action(c)->isEnabled(), qPrintable(c));
        for (const QString& c : disabled) QVERIFY2(!w.action(c)->isEnabled(), qPrintable(c));
        QCOMPARE(w.statusText(1), QStringLiteral("操作员：店员"));
        QCOMPARE(Session::operatorName(), QStringLiteral("店员"));
        QCOMPARE(Session::showsStockPrices(), prices);
        QCOMPARE(Session::mayZeroStock(), zeroing);
        QCOMPARE(Session::stockPriceRight(), prices ? QStringLiteral("显示价格") : QStringLiteral("不显价格"));
        QCOMPARE(Session::stockZeroRight(), zeroing ? QStringLiteral("归零") : QStringLiteral("不归零"));
    }

    // A disabled item silences its toolbar button and chart labels.
    void disabledItemSilencesButtons() {
        TestDb db;
        addOperator("店员", {});
        standOn("店员");
        TFmain1 w;
        w.applyPermissions();
        int opened = 0;
        Windows::add("TFtjcgd1", [&] { ++opened; });
        Windows::add("TFkcfx1", [&] { ++opened; });
        w.findChild<QToolButton*>("tb_采购")->click();
        TFdaohang1 chart;
        for (ChartLabel* l : chart.labels())
            if (l->menuItem() == "采购") l->perform();
        QCOMPARE(opened, 0);
        w.findChild<QToolButton*>("tb_库存")->click();
        QCOMPARE(opened, 1);
    }

    void singleInstance() {
        TestDb db;
        TFmain1 w;
        w.show();
        int made = 0;
        auto make = [&] { ++made; auto* x = new QWidget; x->setWindowTitle("库存异动"); return x; };
        QWidget* a = Mdi::open("TFtjrkd1", make);
        Mdi::open("TFdaohang1", [] { return new TFdaohang1; });
        QWidget* b = Mdi::open("TFtjrkd1", make);
        QCOMPARE(a, b);
        QCOMPARE(made, 1);
        QCOMPARE(w.mdiArea()->activeSubWindow(), Mdi::frameOf(a));
        Mdi::frameOf(a)->showMinimized();
        Mdi::open("TFtjrkd1", make);
        QVERIFY(!Mdi::frameOf(a)->isMinimized());
        Mdi::frameOf(a)->close();
        QTRY_VERIFY(!Mdi::find("TFtjrkd1"));
        QWidget* c = Mdi::open("TFtjrkd1", make);
        QVERIFY(c);
        QCOMPARE(made, 2);
    }

    void exitCancelKeepsWorking() {
        TestDb db;
        MsgScript msgs;
        standOn("系统管理员");
        TFmain1 w;
        w.show();
        msgs.answer(false);
        QVERIFY(!w.close());
        QCOMPARE(msgs.texts(), QStringList{"确定要退出本系统吗？"});
        QVERIFY(w.isVisible());
        // The connection was closed for a backup; the next access reopens it.
        QVERIFY(!Db::isOpen());
        QCOMPARE(dm()->shopText("mczc"), QStringLiteral("柯星商店"));
        Dataset* ds = dm()->AQlb1;
        ds->clearSql();
        ds->add("select * from lb");
        ds->open();
        ds->append();
        ds->setText("lb", "饮料");
        ds->post();
        QCOMPARE(TestDb::count("lb"), 1);
        QVERIFY(w.rebuildCaption());
    }

    void exitWithBackup() {
        TestDb db;
        MsgScript msgs;
        TFmain1 w;
        w.show();
        msgs.answer(true);   // exit
        msgs.answer(true);   // back up
        const QString target = proposedBackupPath(QDate::currentDate());
        QDir().mkpath(Db::backupFolder());
        QTimer::singleShot(0, [] {
            if (auto* d = qobject_cast<TFbeifen1*>(QApplication::activeModalWidget()))
                d->findChild<QPushButton*>("BBbf")->click();
        });
        QVERIFY(w.close());
        QCOMPARE(msgs.texts(), (QStringList{"确定要退出本系统吗？", "退出时需要备份数据吗？", "数据库备份成功！"}));
        QVERIFY(Db::checkFile(target));
    }

    void clockText() {
        const QDateTime t(QDate(2010, 11, 1), QTime(9, 5, 7));
        QCOMPARE(TFmain1::clockText(t), QStringLiteral("2010年11月01日 星期一 09时05分07秒"));
    }
};

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
