#include "admin/backup.h"
#include "data/db.h"
#include "ui/keys.h"
#include "ui/msg.h"

#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
std::function<QString(const QString&, const QString&)> g_chooser;
}

QString proposedBackupPath(const QDate& day) {
    return QDir(Db::backupFolder()).filePath(QStringLiteral("KXR") + day.toString(QStringLiteral("yyyyMMdd"))
                                             + QStringLiteral(".bak"));
}

QString withBakSuffix(const QString& chosen) {
    return chosen.contains(QLatin1String(".bak")) ? chosen : chosen + QStringLiteral(".bak");
}

void TFbeifen1::setFileChooser(std::function<QString(const QString&, const QString&)> f) { g_chooser = std::move(f); }

TFbeifen1::TFbeifen1(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TFbeifen1"));
    setWindowTitle(QStringLiteral("数据备份（请先关闭其他窗口）"));
    auto* v = new QVBoxLayout(this);
    auto* label = new QLabel(QStringLiteral("保存数据备份文件"), this);
    v->addWidget(label);
    auto* row = new QHBoxLayout;
    path_ = new QLineEdit(this);
    path_->setObjectName(QStringLiteral("lj"));
    path_->setMinimumWidth(360);
    label->setBuddy(path_);
    browse_ = new QPushButton(QStringLiteral("..."), this);
    browse_->setObjectName(QStringLiteral("BBll"));
    browse_->setAccessibleName(QStringLiteral("浏览"));
    browse_->setAutoDefault(false);
    row->addWidget(path_);
    row->addWidget(browse_);
    v->addLayout(row);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    ok_ = new QPushButton(QStringLiteral("备份"), this);
    ok_->setObjectName(QStringLiteral("BBbf"));
    ok_->setAutoDefault(false);
    cancel_ = new QPushButton(QStringLiteral("取消"), this);
    cancel_->setObjectName(QStringLiteral("BBqx"));
    cancel_->setAutoDefault(false);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    v->addLayout(buttons);
    path_->setText(QDir::toNativeSeparators(proposedBackupPath(QDate::currentDate())));
    connect(browse_, &QPushButton::clicked, this, &TFbeifen1::browse);
    connect(ok_, &QPushButton::clicked, this, &TFbeifen1::backup);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    Keys::install(this, cancel_);
    // Enter: back up when a path is there, else browse.
    connect(path_, &QLineEdit::returnPressed, this, [this] {
        if (path_->text().trimmed().isEmpty()) browse(); else backup();
    });
}

void TFbeifen1::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    path_->setFocus();
}

void TFbeifen1::browse() {
    const QString folder = Db::backupFolder();
    const QString proposed = QStringLiteral("KXR") + QDate::currentDate().toString(QStringLiteral("yyyyMMdd"));
    QString chosen;
    if (g_chooser) chosen = g_chooser(folder, proposed);
    else
        chosen = QFileDialog::getSaveFileName(this, QStringLiteral("保存数据备份文件"), QDir(folder).filePath(proposed),
                                              QStringLiteral("数据备份文件（*.bak）(*.bak)"), nullptr,
                                              QFileDialog::DontConfirmOverwrite);
    if (chosen.isEmpty()) return;
    path_->setText(QDir::toNativeSeparators(withBakSuffix(chosen)));
}

void TFbeifen1::backup() {
    const QString target = path_->text();
    if (target.trimmed().isEmpty()) {
        Msg::info(QStringLiteral("数据库备份文件不可为空！"), this);
        browse();
        return;
    }
    QString why;
    bool ok = false;
    try {
        ok = Db::backupTo(QDir::fromNativeSeparators(target), &why);
    } catch (const Db::Error&) {
        ok = false;
    }
    Msg::info(ok ? QStringLiteral("数据库备份成功！") : QStringLiteral("数据库备份失败！"), this);
    accept();
}
