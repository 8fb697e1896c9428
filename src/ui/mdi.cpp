#include "ui/mdi.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>

namespace Mdi {
namespace {
QPointer<QMdiArea> g_area;
}

void setArea(QMdiArea* a) { g_area = a; }
QMdiArea* area() { return g_area; }

QWidget* find(const QString& className) {
    if (!g_area) return nullptr;
    for (QMdiSubWindow* s : g_area->subWindowList())
        if (s->widget() && s->widget()->objectName() == className) return s->widget();
    return nullptr;
}

QMdiSubWindow* frameOf(QWidget* w) {
    for (QWidget* p = w; p; p = p->parentWidget())
        if (auto* s = qobject_cast<QMdiSubWindow*>(p)) return s;
    return nullptr;
}

QWidget* open(const QString& className, const std::function<QWidget*()>& make) {
    if (QWidget* w = find(className)) {
        QMdiSubWindow* s = frameOf(w);
        if (s->isMinimized()) s->showNormal();
        s->show();
        s->raise();
        g_area->setActiveSubWindow(s);
        w->setFocus();
        return w;
    }
    QWidget* w = make();
    w->setObjectName(className);
    if (!g_area) { w->setAttribute(Qt::WA_DeleteOnClose); w->show(); return w; }
    w->setAttribute(Qt::WA_DeleteOnClose);
    QMdiSubWindow* s = g_area->addSubWindow(w);
    s->setAttribute(Qt::WA_DeleteOnClose);
    s->setWindowTitle(w->windowTitle());
    s->setWindowIcon(QIcon());
    s->show();
    g_area->setActiveSubWindow(s);
    return w;
}

} // namespace Mdi
