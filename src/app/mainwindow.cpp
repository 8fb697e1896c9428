#include "app/mainwindow.h"
#include "app/navchart.h"
#include "admin/backup.h"
#include "data/db.h"
#include "data/dm.h"
#include "data/session.h"
#include "ui/mdi.h"
#include "ui/msg.h"
#include "ui/windows.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QIcon>
#include <QLabel>
#include <QLocale>
#include <QMdiArea>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace {
TFmain1* g_main = nullptr;

// Items enabled by each permission, in the order of the check.
const QList<QPair<QString, QStringList>>& permissionItems() {
    static const QList<QPair<QString, QStringList>> t = {
        {"系统设置", {"店铺信息", "操作员与权限", "清空数据库"}},
        {"基本资料", {"商品资料", "厂商资料", "客户资料", "员工资料"}},
        {"采购开单", {"采购", "采购单据"}},
        {"采购查询", {"采购明细表", "采购统计表"}},
        {"零售开单", {"零售"}},
        {"批发开单", {"批发"}},
        {"销售查询", {"销售明细表", "销售统计表", "员工提成表"}},
        {"异动开单", {"库存异动", "异动单据"}},
        {"异动查询", {"异动明细表", "异动统计表"}},
        {"财务管理", {"采购应付明细表", "销售应收明细表", "采购付款明细表", "销售收款明细表", "其他收支明细表"}},
    };
    return t;
}
} // namespace

TFmain1* TFmain1::instance() { return g_main; }

TFmain1::TFmain1(QWidget* parent) : QMainWindow(parent) {
    g_main = this;
    setObjectName(QStringLiteral("TFmain1"));
    mdi_ = new QMdiArea(this);
    mdi_->setObjectName(QStringLiteral("mdi"));
    mdi_->setBackground(QColor(128, 128, 128));
    setCentralWidget(mdi_);
    Mdi::setArea(mdi_);
    buildMenus();
    buildToolbar();
    buildStatusBar();
    connect(this, &QObject::destroyed, [] { g_main = nullptr; });
}

QString TFmain1::clockText(const QDateTime& t) {
    const QLocale zh(QLocale::Chinese, QLocale::China);
    return t.toString(QStringLiteral("yyyy年MM月dd日 ")) + zh.dayName(t.date().dayOfWeek(), QLocale::LongFormat)
           + t.toString(QStringLiteral(" hh时mm分ss秒"));
}

bool TFmain1::rebuildCaption() {
    try {
        const QString shop = dm()->shopText(QStringLiteral("mczc"));
        setWindowTitle(QStringLiteral("柯星软件通用行业版V2014 ［使用单位：") + shop + QStringLiteral("］"));
        return true;
    } catch (const Db::Error&) {
        return false;
    }
}

QAction* TFmain1::item(QMenu* menu, const QString& caption, const QString& windowClass) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(caption);
    actions_.insert(caption, a);
    if (!windowClass.isEmpty()) {
        windowOf_.insert(caption, windowClass);
        connect(a, &QAction::triggered, this, [this, windowClass] { openWindow(windowClass); });
    }
    return a;
}

void TFmain1::openWindow(const QString& windowClass) {
    try {
        Windows::open(windowClass);
    } catch (const Db::Error& e) {
        Msg::error(e.text(), this);
    }
}

void TFmain1::buildMenus() {
    QMenuBar* mb = menuBar();
    QMenu* sys = mb->addMenu(QStringLiteral("系统"));
    item(sys, "店铺信息", "TFdanwei1");
    item(sys, "操作员与权限", "TFyhsz1");
    sys->addSeparator();
    item(sys, "清空数据库", "TFqingkong1");
    item(sys, "备份数据库", "TFbeifen1");
    item(sys, "恢复数据库", "TFhuifu1");
    item(sys, "压缩数据库", "TFyasuo1");
    sys->addSeparator();
    item(sys, "暂时离开系统", "TFlikai1");
    item(sys, "更改我的密码", "TFtjyh1");
    connect(item(sys, "退出", {}), &QAction::triggered, this, &QWidget::close);

    QMenu* basic = mb->addMenu(QStringLiteral("基本资料"));
    item(basic, "商品资料", "TFsp1");
    item(basic, "厂商资料", "TFghs1");
    item(basic, "客户资料", "TFkh1");
    item(basic, "员工资料", "TFyg1");

    QMenu* daily = mb->addMenu(QStringLiteral("日常业务"));
    item(daily, "采购", "TFtjcgd1");
    item(daily, "零售", "TFtjxsd1");
    item(daily, "批发", "TFtjpfd1");
    item(daily, "库存异动", "TFtjrkd1");

    QMenu* rec = mb->addMenu(QStringLiteral("查询统计"));
    item(rec, "采购单据", "TFcggl1");
    item(rec, "采购明细表", "TFcgfx1");
    item(rec, "采购统计表", "TFcghz1");
    rec->addSeparator();
    item(rec, "销售单据", "TFxsgl1");
    item(rec, "销售明细表", "TFxsfx1");
    item(rec, "销售统计表", "TFxshz1");
    item(rec, "员工提成表", "TFxstj3");
    rec->addSeparator();
    item(rec, "异动单据", "TFrkgl1");
    item(rec, "异动明细表", "TFrkfx1");
    item(rec, "异动统计表", "TFrkhz1");
    rec->addSeparator();
    item(rec, "商品库存明细表", "TFkcfx1");
    item(rec, "商品进销存统计表", "TFkctj1");

    QMenu* fin = mb->addMenu(QStringLiteral("财务管理"));
    item(fin, "采购应付明细表", "TFyffx1");
    item(fin, "销售应收明细表", "TFysfx1");
    item(fin, "采购付款明细表", "TFfkfx1");
    item(fin, "销售收款明细表", "TFskfx1");
    fin->addSeparator();
    item(fin, "其他收支明细表", "TFszfx1");

    QMenu* help = mb->addMenu(QStringLiteral("帮助"));
    item(help, "计算器", "calc");
    item(help, "金额大小写转换", "TFntoc1");
    item(help, "找零钱工具", "TFzhaoling1");
    help->addSeparator();
    item(help, "操作说明", "manual");
    item(help, "常见问题", "questions");
    QAction* chart = item(help, "显示业务导航图", {});
    chart->setCheckable(true);
    connect(chart, &QAction::triggered, this, [this] { showNavigationChart(); });
    help->addSeparator();
    item(help, "联系本软件", "contact");
    item(help, "访问柯星软件网站", "website");
    item(help, "关于本软件", "TFgy1");

    // Top-level items act through the menu items they repeat.
    QAction* contactTop = mb->addAction(QStringLiteral("联系本软件"));
    contactTop->setObjectName(QStringLiteral("联系本软件_top"));
    actions_.insert(QStringLiteral("联系本软件_top"), contactTop);
    connect(contactTop, &QAction::triggered, actions_.value("联系本软件"), &QAction::trigger);
    QAction* exitTop = mb->addAction(QStringLiteral("退出软件"));
    exitTop->setObjectName(QStringLiteral("退出软件"));
    actions_.insert(QStringLiteral("退出软件"), exitTop);
    connect(exitTop, &QAction::triggered, actions_.value("退出"), &QAction::trigger);
}

void TFmain1::buildToolbar() {
    QToolBar* tb = addToolBar(QStringLiteral("工具栏"));
    tb->setObjectName(QStringLiteral("ToolBar1"));
    tb->setMovable(false);
    tb->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    tb->setIconSize(QSize(24, 24));
    struct B { const char* caption; const char* hint; const char* item; const char* icon; };
    const B buttons[] = {
        {"厂商", "厂商资料", "厂商资料", "supplier"}, {"客户", "客户资料", "客户资料", "customer"},
        {"商品", "商品资料", "商品资料", "goods"},    {"采购", "采购开单", "采购", "purchase"},
        {"批发", "批发开单", "批发", "wholesale"},    {"零售", "零售开单", "零售", "retail"},
        {"库存", "商品库存", "商品库存明细表", "stock"}};
    for (const B& b : buttons) {
        auto* btn = new QToolButton(tb);
        btn->setObjectName(QStringLiteral("tb_") + QString::fromUtf8(b.caption));
        btn->setText(QString::fromUtf8(b.caption));
        btn->setToolTip(QString::fromUtf8(b.hint));
        btn->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(b.icon))));
        btn->setAutoRaise(true);
        btn->setFixedSize(65, 45);
        btn->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        // Through the item, so a disabled item makes the button do nothing.
        const QString target = QString::fromUtf8(b.item);
        connect(btn, &QToolButton::clicked, this, [this, target] {
            if (QAction* a = action(target); a && a->isEnabled()) a->trigger();
        });
        tb->addWidget(btn);
    }
}

void TFmain1::buildStatusBar() {
    QStatusBar* sb = statusBar();
    sb->setObjectName(QStringLiteral("StatusBar1"));
    struct P { int width; Qt::Alignment align; QString text; };
    const P panels[] = {
        {150, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("操作员：")},
        {400, Qt::AlignCenter, QStringLiteral("现在时刻：") + clockText(QDateTime::currentDateTime())},
        {200, Qt::AlignCenter, QStringLiteral("关注柯星网站，下载最新版本")},
        {100, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("©柯星软件")}};
    int i = 0;
    for (const P& p : panels) {
        auto* l = new QLabel(p.text, sb);
        l->setObjectName(QStringLiteral("panel%1").arg(++i));
        l->setFixedWidth(p.width);
        l->setAlignment(p.align);
        l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        sb->addWidget(l);
        panels_ << l;
    }
    clock_ = new QTimer(this);
    clock_->setInterval(1000);
    connect(clock_, &QTimer::timeout, this, [this] {
        panels_[1]->setText(QStringLiteral("现在时刻：") + clockText(QDateTime::currentDateTime()));
    });
    clock_->start();
}

QString TFmain1::statusText(int panel) const {
    return panel >= 1 && panel <= panels_.size() ? panels_[panel - 1]->text() : QString();
}

void TFmain1::applyPermissions() {
    if (permissionsApplied_) return;
    permissionsApplied_ = true;
    QString name;
    try {
        name = dm()->AQyhsz1->isOpen() && dm()->AQyhsz1->recNo() >= 0 ? dm()->AQyhsz1->text("yhmc") : QString();
    } catch (const Db::Error&) {}
    panels_[0]->setText(QStringLiteral("操作员：") + name);
    auto held = [&](const QString& p) {
        try { return Session::holds(name, p); } catch (const Db::Error&) { return false; }
    };
    bool retail = false, wholesale = false;
    for (const auto& [perm, items] : permissionItems()) {
        const bool on = held(perm);
        if (perm == u"零售开单"_qs) retail = on;
        if (perm == u"批发开单"_qs) wholesale = on;
        for (const QString& it : items)
            if (QAction* a = action(it)) a->setEnabled(on);
        if (perm == u"批发开单"_qs) action("销售单据")->setEnabled(retail || wholesale);
    }
    Session::set(name, held(QStringLiteral("显示库存价格")), held(QStringLiteral("库存归零")));
}

void TFmain1::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    applyPermissions();
}

void TFmain1::showNavigationChart() {
    Mdi::open(QStringLiteral("TFdaohang1"), [] { return new TFdaohang1(); });
    setChartTicked(true);
}

void TFmain1::setChartTicked(bool on) {
    if (QAction* a = action(QStringLiteral("显示业务导航图"))) a->setChecked(on);
}

void TFmain1::closeEvent(QCloseEvent* e) {
    // The file must be free for a backup copy.
    Db::close();
    if (!Msg::ask(QStringLiteral("确定要退出本系统吗？"), this)) {
        e->ignore();
        return;
    }
    if (Msg::yesNo(QStringLiteral("退出时需要备份数据吗？"), this)) {
        TFbeifen1 backup(this);
        backup.exec();
    }
    mdi_->closeAllSubWindows();
    Db::close();
    e->accept();
}
