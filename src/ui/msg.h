#pragma once
// The one message service: every message box of the program goes through here,
// so that tests can script the answers and read what was shown.
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace Msg {

enum class Kind { Info, Warning, Question, Error, YesNo };

// Caption "提示", information icon.
void info(const QString& text, QWidget* parent = nullptr);
// Caption "警告", warning icon.
void warn(const QString& text, QWidget* parent = nullptr);
// Caption "提示", question icon, OK and Cancel: true on OK.
bool ask(const QString& text, QWidget* parent = nullptr);
// Caption "错误", error icon.
void error(const QString& text, QWidget* parent = nullptr);
// Caption "提示", question icon, Yes and No: true on Yes.
bool yesNo(const QString& text, QWidget* parent = nullptr);

struct Shown {
    Kind kind;
    QString caption;
    QString text;
};

// Replaces the dialogs by a function (tests). It gets each message and returns the
// answer for questions (ignored for the others). Pass nullptr to restore the dialogs.
using Answerer = std::function<bool(const Shown&)>;
void setAnswerer(Answerer answerer);

// Every message shown since the last clear, oldest first (kept always; cheap).
const QList<Shown>& log();
QStringList texts();
void clearLog();

QString captionOf(Kind kind);

} // namespace Msg
