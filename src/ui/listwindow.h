#pragma once
// Base of the list windows: a toolbar of flat buttons (glyph above caption), a read-only
// grid over a shared dataset, a status line under it, Esc to close. Works as an MDI work
// window or as a modal dialog (exec()).
#include "ui/datagrid.h"

#include <QDialog>

class QAbstractButton;
class QHBoxLayout;
class QLabel;
class QToolBar;
class QToolButton;
class QVBoxLayout;

class ListWindow : public QDialog {
    Q_OBJECT
public:
    ListWindow(const QString& className, const QString& caption, QWidget* parent = nullptr);

    // A flat button with the caption under a glyph; objectName = name.
    QToolButton* addButton(const QString& name, const QString& caption, const QString& icon = {});
    void addSeparator();
    // The grid, placed in the body; call once.
    DataGrid* setGrid(Dataset* ds, QList<ColumnSpec> columns);
    DataGrid* grid() const { return grid_; }
    // A widget placed left of the grid (e.g. a category tree).
    void setSidePanel(QWidget* w);
    QLabel* statusLabel() const { return status_; }
    void setStatus(const QString& text);
    // Esc presses this button; it closes the window by default.
    void setCloseButton(QAbstractButton* b);
    QToolButton* button(const QString& name) const;
    QVBoxLayout* bodyLayout() const { return body_; }

private:
    QToolBar* bar_;
    QVBoxLayout* body_;
    QHBoxLayout* row_;
    DataGrid* grid_ = nullptr;
    QLabel* status_;
};
