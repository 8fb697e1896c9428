#include "app/navchart.h"
#include "app/mainwindow.h"
#include "ui/windows.h"

#include <QAction>
#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace {

// Boxes of the flow: id, caption, rectangle (in chart coordinates, below the banner).
struct Box { const char* caption; QRect rect; const char* item; };
const Box kBoxes[] = {
    {"采购入库", {60, 40, 120, 56}, "采购"},
    {"零售出库", {420, 20, 120, 56}, "零售"},
    {"批发出库", {420, 130, 120, 56}, "批发"},
    {"库存异动", {240, 220, 120, 56}, "库存异动"},
    {"商品库存", {240, 90, 120, 56}, "商品库存明细表"},
};

void arrow(QPainter& p, QPoint a, QPoint b) {
    p.drawLine(a, b);
    QLineF l(b, a);
    QLineF h1 = l; h1.setLength(9); h1.setAngle(l.angle() + 25);
    QLineF h2 = l; h2.setLength(9); h2.setAngle(l.angle() - 25);
    p.drawLine(h1); p.drawLine(h2);
}

} // namespace

ChartLabel::ChartLabel(const QString& text, const QString& menuItem, QWidget* parent)
    : QLabel(text, parent), item_(menuItem) {
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
    if (text.isEmpty()) setAttribute(Qt::WA_TranslucentBackground);
}

void ChartLabel::perform() {
    // Through the item, so a disabled item does nothing.
    if (TFmain1* m = TFmain1::instance())
        if (QAction* a = m->action(item_); a && a->isEnabled()) a->trigger();
}

void ChartLabel::enterEvent(QEnterEvent* e) {
    if (!text().isEmpty()) setStyleSheet(QStringLiteral("color: rgb(0,128,0);"));
    QLabel::enterEvent(e);
}

void ChartLabel::leaveEvent(QEvent* e) {
    setStyleSheet(QString());
    QLabel::leaveEvent(e);
}

void ChartLabel::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) perform();
    QLabel::mouseReleaseEvent(e);
}

TFdaohang1::TFdaohang1(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TFdaohang1"));
    setWindowTitle(QStringLiteral("业务导航图"));
    setMinimumSize(700, 470);
    setToolTip(QString());
    const int top = banner().bottom() + 10;
    struct L { const char* text; const char* item; QPoint pos; };
    const L labels[] = {
        {"采购开单", "采购", {80, 140}},          {"零售开单", "零售", {560, 100}},
        {"批发开单", "批发", {560, 210}},         {"异动开单", "库存异动", {380, 300}},
        {"商品库存查询", "商品库存明细表", {250, 170}},
        {"△厂商", "厂商资料", {30, 340}},          {"△客户", "客户资料", {110, 340}},
        {"△商品", "商品资料", {190, 340}},         {"△网站", "访问柯星软件网站", {460, 340}},
        {"△帮助", "操作说明", {540, 340}},         {"△问答", "常见问题", {620, 340}},
    };
    for (const L& l : labels) {
        auto* w = new ChartLabel(QString::fromUtf8(l.text), QString::fromUtf8(l.item), this);
        w->setObjectName(QStringLiteral("lbl_") + QString::fromUtf8(l.text));
        QFont f = w->font(); f.setPointSize(10); f.setUnderline(true); w->setFont(f);
        w->adjustSize();
        w->move(l.pos.x(), l.pos.y() + top);
    }
    for (const Box& b : kBoxes) {
        auto* area = new ChartLabel(QString(), QString::fromUtf8(b.item), this);
        area->setObjectName(QStringLiteral("area_") + QString::fromUtf8(b.item));
        area->setGeometry(b.rect.translated(0, top));
    }
    auto* build = new QLabel(QStringLiteral("Build 2014.01.12"), this);
    build->setObjectName(QStringLiteral("build"));
    build->adjustSize();
    build->move(580, top + 380);
    if (TFmain1* m = TFmain1::instance()) m->setChartTicked(true);
}

TFdaohang1::~TFdaohang1() {
    if (TFmain1* m = TFmain1::instance()) m->setChartTicked(false);
}

void TFdaohang1::closeEvent(QCloseEvent* e) {
    if (TFmain1* m = TFmain1::instance()) m->setChartTicked(false);
    QWidget::closeEvent(e);
}

QList<ChartLabel*> TFdaohang1::labels() const { return findChildren<ChartLabel*>(); }

QRect TFdaohang1::banner() const { return QRect(0, 0, 700, 60); }

void TFdaohang1::mouseDoubleClickEvent(QMouseEvent* e) {
    if (banner().contains(e->position().toPoint())) Windows::open(QStringLiteral("website"));
}

void TFdaohang1::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), QColor(250, 250, 245));
    // Banner
    QLinearGradient g(0, 0, width(), 0);
    g.setColorAt(0, QColor(20, 90, 160));
    g.setColorAt(1, QColor(90, 160, 220));
    p.fillRect(QRect(0, 0, width(), banner().height()), g);
    p.setPen(Qt::white);
    QFont bf = font(); bf.setPointSize(16); bf.setBold(true);
    p.setFont(bf);
    p.drawText(QRect(20, 0, width() - 40, banner().height()), Qt::AlignVCenter | Qt::AlignLeft,
               QStringLiteral("柯星软件通用行业版 — 业务导航图"));
    const int top = banner().bottom() + 10;
    p.translate(0, top);
    // Flow: purchase into stock, stock out to retail and wholesale, movements both ways.
    QPen line(QColor(60, 60, 60), 2);
    p.setPen(line);
    auto centre = [](const QRect& r) { return r.center(); };
    const QRect pur = kBoxes[0].rect, ret = kBoxes[1].rect, who = kBoxes[2].rect, mov = kBoxes[3].rect,
                stk = kBoxes[4].rect;
    arrow(p, QPoint(pur.right(), centre(pur).y()), QPoint(stk.left(), centre(stk).y()));
    arrow(p, QPoint(stk.right(), centre(stk).y() - 10), QPoint(ret.left(), centre(ret).y()));
    arrow(p, QPoint(stk.right(), centre(stk).y() + 10), QPoint(who.left(), centre(who).y()));
    arrow(p, QPoint(centre(mov).x(), mov.top()), QPoint(centre(stk).x(), stk.bottom()));
    QFont f = font(); f.setPointSize(11); f.setBold(true);
    p.setFont(f);
    for (const Box& b : kBoxes) {
        QPainterPath path;
        path.addRoundedRect(b.rect, 8, 8);
        p.fillPath(path, QColor(225, 238, 250));
        p.setPen(QPen(QColor(20, 90, 160), 2));
        p.drawPath(path);
        p.setPen(QColor(20, 50, 90));
        p.drawText(b.rect, Qt::AlignCenter, QString::fromUtf8(b.caption));
    }
    // The master-data strip.
    p.setPen(QPen(QColor(150, 150, 150), 1, Qt::DashLine));
    p.drawRoundedRect(QRect(15, 325, 670, 45), 6, 6);
    p.setPen(QColor(100, 100, 100));
    QFont sf = font(); sf.setPointSize(9);
    p.setFont(sf);
    p.drawText(QRect(270, 325, 180, 45), Qt::AlignCenter, QStringLiteral("基本资料与帮助"));
}
