#include "app/login.h"
#include "data/db.h"
#include "data/dm.h"
#include "data/password.h"
#include "ui/keys.h"
#include "ui/msg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TFdl1::TFdl1(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TFdl1"));
    setWindowTitle(QStringLiteral("登录系统"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    auto* lay = new QGridLayout(this);
    auto* l1 = new QLabel(QStringLiteral("用户名称"), this);
    yhmc_ = new QComboBox(this);
    yhmc_->setObjectName(QStringLiteral("yhmc"));
    yhmc_->setEditable(false);
    yhmc_->setMinimumWidth(200);
    l1->setBuddy(yhmc_);
    auto* l2 = new QLabel(QStringLiteral("用户密码"), this);
    yhmm_ = new QLineEdit(this);
    yhmm_->setObjectName(QStringLiteral("yhmm"));
    yhmm_->setEchoMode(QLineEdit::Password);
    l2->setBuddy(yhmm_);
    auto* hint = new QLabel(QStringLiteral("系统管理员的默认密码") + QStringLiteral("888"), this);
    hint->setObjectName(QStringLiteral("hint"));
    ok_ = new QPushButton(QStringLiteral("确定"), this);
    ok_->setObjectName(QStringLiteral("BBqd"));
    ok_->setAutoDefault(false);
    cancel_ = new QPushButton(QStringLiteral("取消"), this);
    cancel_->setObjectName(QStringLiteral("BBqx"));
    cancel_->setAutoDefault(false);
    lay->addWidget(l1, 0, 0);
    lay->addWidget(yhmc_, 0, 1, 1, 2);
    lay->addWidget(l2, 1, 0);
    lay->addWidget(yhmm_, 1, 1, 1, 2);
    lay->addWidget(hint, 2, 0, 1, 3);
    lay->addWidget(ok_, 3, 1);
    lay->addWidget(cancel_, 3, 2);
    setFixedSize(sizeHint().expandedTo(QSize(320, 170)));
    connect(ok_, &QPushButton::clicked, this, &TFdl1::tryLogin);
    connect(cancel_, &QPushButton::clicked, this, [this] { cancelled_ = true; reject(); });
    Keys::install(this, cancel_, ok_, yhmm_);
    Keys::enterMovesTo(yhmc_, yhmm_);
}

bool TFdl1::loadNames() {
    try {
        Dataset* q = dm()->AQyhsz1;
        q->clearSql();
        q->add(QStringLiteral("select yhmc from yhsz"));
        q->open();
        yhmc_->clear();
        for (q->first(); !q->eof(); q->next()) yhmc_->addItem(q->text(0));
        return true;
    } catch (const Db::Error&) {
        return false;
    }
}

void TFdl1::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    yhmm_->clear();
    yhmc_->setFocus();
}

void TFdl1::keyPressEvent(QKeyEvent* e) {
    // Alt+F4 is swallowed; Esc goes through the cancel button.
    if (e->key() == Qt::Key_F4 && (e->modifiers() & Qt::AltModifier)) { e->accept(); return; }
    if (e->key() == Qt::Key_Escape) { cancel_->click(); return; }
    QDialog::keyPressEvent(e);
}

void TFdl1::tryLogin() {
    const QString name = yhmc_->currentText().trimmed();
    if (name.isEmpty()) {
        Msg::info(QStringLiteral("请选择用户名称！"), this);
        yhmc_->setFocus();
        return;
    }
    try {
        Dataset* q = dm()->AQyhsz1;
        q->clearSql();
        q->add(QStringLiteral("select *from yhsz where yhmc=?"), {name});
        q->open();
        if (q->isEmpty()) {
            Msg::info(QStringLiteral("该用户不存在！"), this);
            return;
        }
        if (!verifyPassword(yhmm_->text(), q->text(QStringLiteral("yhmm")))) {
            Msg::info(QStringLiteral("用户密码不正确！"), this);
            return;
        }
    } catch (const Db::Error& e) {
        Msg::error(e.text(), this);
        return;
    }
    accept();
}
