#pragma once
// Work windows live in the main window's MDI area, at most one per window class.
#include <QString>
#include <functional>

class QMdiArea;
class QMdiSubWindow;
class QWidget;

namespace Mdi {

void setArea(QMdiArea* area);
QMdiArea* area();
// Brings the open window of this class to the front, or creates one with `make`.
// The window frees itself when closed. Returns the window's widget.
QWidget* open(const QString& className, const std::function<QWidget*()>& make);
QWidget* find(const QString& className);
QMdiSubWindow* frameOf(QWidget* w);

} // namespace Mdi
