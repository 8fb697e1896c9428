#include "ui/msg.h"

#include <QApplication>
#include <QMessageBox>

namespace Msg {
namespace {

Answerer g_answerer;
QList<Shown> g_log;

bool show(Kind kind, const QString& text, QWidget* parent) {
    Shown s{kind, captionOf(kind), text};
    g_log.append(s);
    if (g_answerer) return g_answerer(s);

    QWidget* owner = parent ? parent : QApplication::activeWindow();
    QMessageBox box(owner);
    box.setWindowTitle(s.caption);
    box.setText(text);
    switch (kind) {
    case Kind::Info: box.setIcon(QMessageBox::Information); box.setStandardButtons(QMessageBox::Ok); break;
    case Kind::Warning: box.setIcon(QMessageBox::Warning); box.setStandardButtons(QMessageBox::Ok); break;
    case Kind::Error: box.setIcon(QMessageBox::Critical); box.setStandardButtons(QMessageBox::Ok); break;
    case Kind::Question:
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Ok);
        break;
    case Kind::YesNo:
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        break;
    }
    int r = box.exec();
    return r == QMessageBox::Ok || r == QMessageBox::Yes;
}

} // namespace

QString captionOf(Kind kind) {
    switch (kind) {
    case Kind::Warning: return QStringLiteral("警告");
    case Kind::Error: return QStringLiteral("错误");
    default: return QStringLiteral("提示");
    }
}

void info(const QString& text, QWidget* parent) { show(Kind::Info, text, parent); }
void warn(const QString& text, QWidget* parent) { show(Kind::Warning, text, parent); }
bool ask(const QString& text, QWidget* parent) { return show(Kind::Question, text, parent); }
void error(const QString& text, QWidget* parent) { show(Kind::Error, text, parent); }
bool yesNo(const QString& text, QWidget* parent) { return show(Kind::YesNo, text, parent); }

void setAnswerer(Answerer answerer) { g_answerer = std::move(answerer); }
const QList<Shown>& log() { return g_log; }
QStringList texts() {
    QStringList out;
    for (const auto& s : g_log) out << s.text;
    return out;
}
void clearLog() { g_log.clear(); }

} // namespace Msg
