#include "app/splash.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

KxrSplash::KxrSplash() : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("splash"));
    setFixedSize(498, 356);
    if (QScreen* s = QGuiApplication::primaryScreen()) move(s->geometry().center() - rect().center());
}

void KxrSplash::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, QColor(30, 100, 170));
    g.setColorAt(1, QColor(10, 50, 100));
    p.fillRect(rect(), g);
    p.setPen(Qt::white);
    QFont title(QStringLiteral("Noto Sans CJK SC"), 22, QFont::Bold);
    p.setFont(title);
    p.drawText(QRect(0, 80, width(), 60), Qt::AlignCenter, QStringLiteral("柯星软件通用行业版"));
    QFont sub(QStringLiteral("Noto Sans CJK SC"), 12);
    p.setFont(sub);
    p.drawText(QRect(0, 150, width(), 30), Qt::AlignCenter, QStringLiteral("进销存管理系统"));
    p.drawText(QRect(0, 250, width(), 30), Qt::AlignCenter, QStringLiteral("正在启动程序，请稍候"));
    QFont small(QStringLiteral("Noto Sans CJK SC"), 9);
    p.setFont(small);
    p.setPen(QColor(200, 220, 240));
    p.drawText(QRect(0, 320, width(), 24), Qt::AlignCenter, QStringLiteral("柯星软件 版权所有"));
}
