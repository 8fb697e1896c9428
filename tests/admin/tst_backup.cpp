#include "admin/backup.h"
#include "data/db.h"
#include "data/dm.h"
#include "support/testkit.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class TestBackup : public QObject {
    Q_OBJECT
private slots:
    void suffixRule_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("used");
        QTest::newRow("plain") << "/b/KXR20101101" << "/b/KXR20101101.bak";
        QTest::newRow("ends .bak") << "/b/x.bak" << "/b/x.bak";
        QTest::newRow(".bak inside") << "/b/x.bak.old" << "/b/x.bak.old";
        QTest::newRow("other suffix") << "/b/x.db" << "/b/x.db.bak";
    }
    void suffixRule() {
        QFETCH(QString, chosen);
        QFETCH(QString, used);
        QCOMPARE(withBakSuffix(chosen), used);
    }

    void proposedName() {
        TestDb db(false);
        QCOMPARE(proposedBackupPath(QDate(2010, 11, 1)),
                 QDir(db.folder()).filePath("数据备份库/KXR20101101.bak"));
        TFbeifen1 w;
        QCOMPARE(QDir::fromNativeSeparators(w.pathBox()->text()), proposedBackupPath(QDate::currentDate()));
    }

    void backupTwiceReplaces() {
        TestDb db;
        MsgScript msgs;
        QDir().mkpath(Db::backupFolder());
        TFbeifen1 w;
        w.backup();
        TestDb::exec("insert into lb (lb) values ('饮料')");
        TFbeifen1 again;
        again.backup();
        QCOMPARE(msgs.texts(), (QStringList{"数据库备份成功！", "数据库备份成功！"}));
        const QString file = proposedBackupPath(QDate::currentDate());
        QVERIFY(Db::checkFile(file));
        // The copy is the newer one.
        Db::close();
        Db::setProgramFolder(QDir(db.folder()).filePath("copy"));
        QDir().mkpath(Db::programFolder());
        QVERIFY(QFile::copy(file, Db::databasePath()));
        QCOMPARE(TestDb::count("lb"), 1);
        Db::close();
        Db::setProgramFolder(db.folder());
    }

    void failuresAreReported() {
        TestDb db;
        MsgScript msgs;
        TFbeifen1 w;
        w.pathBox()->setText(QDir(db.folder()).filePath("no/such/folder/x.bak"));
        w.backup();
        QCOMPARE(msgs.last(), QStringLiteral("数据库备份失败！"));
        QVERIFY(!QFile::exists(QDir(db.folder()).filePath("no/such/folder/x.bak")));

        int browsed = 0;
        TFbeifen1::setFileChooser([&](const QString&, const QString& proposed) {
            ++browsed;
            return QDir(db.folder()).filePath(proposed);
        });
        TFbeifen1 blank;
        blank.pathBox()->setText("   ");
        blank.backup();
        QCOMPARE(msgs.last(), QStringLiteral("数据库备份文件不可为空！"));
        QCOMPARE(browsed, 1);
        QVERIFY(blank.pathBox()->text().endsWith(".bak"));
        TFbeifen1::setFileChooser(nullptr);
    }
};

QTEST_MAIN(TestBackup)
#include "tst_backup.moc"
