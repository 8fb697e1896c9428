#pragma once
// Shared test fixture: a fresh database in a temporary program folder, scripted messages,
// and typing of any text (Chinese included) one key event per character.
#include "data/decimal.h"
#include "ui/msg.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

class QWidget;

class TestDb {
public:
    // Creates the program folder with a new database and opens the data module.
    explicit TestDb(bool openDataModule = true);
    ~TestDb();
    QString folder() const { return dir_.path(); }
    QString dbPath() const;
    // Runs a statement on the connection (fixture rows); fails the test on error.
    static void exec(const QString& sql, const QVariantList& values = {});
    static QVariant scalar(const QString& sql, const QVariantList& values = {});
    static qint64 count(const QString& table, const QString& where = {}, const QVariantList& values = {});
private:
    QTemporaryDir dir_;
};

// Scripts the message service: answers questions from a queue (OK when empty) and
// records everything shown. Restores the dialogs when destroyed.
class MsgScript {
public:
    MsgScript();
    ~MsgScript();
    void answer(bool yes) { answers_.append(yes); }
    // Runs a function when the next message is shown (e.g. to inspect a dialog).
    QStringList texts() const { return Msg::texts(); }
    QString last() const { return Msg::log().isEmpty() ? QString() : Msg::log().last().text; }
    Msg::Kind lastKind() const { return Msg::log().isEmpty() ? Msg::Kind::Info : Msg::log().last().kind; }
    void clear() { Msg::clearLog(); }
private:
    QList<bool> answers_;
};

// One key event per character, so any text can be typed.
void typeText(QWidget* w, const QString& text);
void pressKey(QWidget* w, int key, Qt::KeyboardModifiers mods = Qt::NoModifier);

// Decimal from text, for table-driven cases.
inline Decimal D(const char* s) { return Decimal::parse(QString::fromUtf8(s)).value(); }
