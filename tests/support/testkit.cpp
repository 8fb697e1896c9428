#include "support/testkit.h"
#include "data/db.h"
#include "data/dm.h"

#include <QTest>
#include <QWidget>

TestDb::TestDb(bool openDataModule) {
    Db::close();
    Db::setProgramFolder(dir_.path());
    QString why;
    if (!Db::createDatabase(dbPath(), QStringLiteral("888"), &why)) qFatal("test database: %s", qPrintable(why));
    if (openDataModule && !DM1::create(&why)) qFatal("data module: %s", qPrintable(why));
}

TestDb::~TestDb() { DM1::destroy(); }

QString TestDb::dbPath() const { return dir_.filePath(Db::FileName); }

void TestDb::exec(const QString& sql, const QVariantList& values) {
    try {
        Db::exec(sql, values);
    } catch (const Db::Error& e) {
        QTest::qFail(qPrintable(e.text()), __FILE__, __LINE__);
    }
}

QVariant TestDb::scalar(const QString& sql, const QVariantList& values) {
    try {
        return Db::scalar(sql, values);
    } catch (const Db::Error& e) {
        QTest::qFail(qPrintable(e.text()), __FILE__, __LINE__);
        return {};
    }
}

qint64 TestDb::count(const QString& table, const QString& where, const QVariantList& values) {
    QString sql = QStringLiteral("select count(*) from ") + table;
    if (!where.isEmpty()) sql += QStringLiteral(" where ") + where;
    return scalar(sql, values).toLongLong();
}

MsgScript::MsgScript() {
    Msg::clearLog();
    Msg::setAnswerer([this](const Msg::Shown&) {
        if (answers_.isEmpty()) return true;
        return answers_.takeFirst();
    });
}

MsgScript::~MsgScript() { Msg::setAnswerer(nullptr); }

void typeText(QWidget* w, const QString& text) {
    for (QChar c : text) {
        int key = Qt::Key_unknown;
        if (c.unicode() < 128 && c.isLetterOrNumber()) key = c.toUpper().unicode();
        else if (c == u'.') key = Qt::Key_Period;
        else if (c == u'-') key = Qt::Key_Minus;
        else if (c == u' ') key = Qt::Key_Space;
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key(key), QString(c), Qt::NoModifier);
    }
}

void pressKey(QWidget* w, int key, Qt::KeyboardModifiers mods) {
    QTest::keyClick(w, Qt::Key(key), mods);
}
