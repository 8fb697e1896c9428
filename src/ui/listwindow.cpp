#include "ui/listwindow.h"
#include "ui/keys.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

ListWindow::ListWindow(const QString& className, const QString& caption, QWidget* parent) : QDialog(parent) {
    setObjectName(className);
    setWindowTitle(caption);
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(2, 2, 2, 2);
    v->setSpacing(2);
    bar_ = new QToolBar(this);
    bar_->setObjectName(QStringLiteral("ToolBar1"));
    bar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    bar_->setIconSize(QSize(20, 20));
    v->addWidget(bar_);
    row_ = new QHBoxLayout;
    body_ = new QVBoxLayout;
    row_->addLayout(body_, 1);
    v->addLayout(row_, 1);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("StatusBar1"));
    status_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    status_->setMinimumHeight(22);
    v->addWidget(status_);
    resize(760, 480);
}

QToolButton* ListWindow::addButton(const QString& name, const QString& caption, const QString& icon) {
    auto* b = new QToolButton(bar_);
    b->setObjectName(name);
    b->setText(caption);
    b->setAccessibleName(caption);
    b->setAutoRaise(true);
    b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    b->setMinimumSize(52, 42);
    if (!icon.isEmpty()) b->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(icon)));
    bar_->addWidget(b);
    return b;
}

void ListWindow::addSeparator() { bar_->addSeparator(); }

QToolButton* ListWindow::button(const QString& name) const { return findChild<QToolButton*>(name); }

DataGrid* ListWindow::setGrid(Dataset* ds, QList<ColumnSpec> columns) {
    grid_ = new DataGrid(ds, std::move(columns), this);
    grid_->setObjectName(QStringLiteral("DBGrid1"));
    body_->addWidget(grid_, 1);
    return grid_;
}

void ListWindow::setSidePanel(QWidget* w) { row_->insertWidget(0, w); }

void ListWindow::setStatus(const QString& text) { status_->setText(text); }

void ListWindow::setCloseButton(QAbstractButton* b) {
    connect(b, &QAbstractButton::clicked, this, &QWidget::close, Qt::UniqueConnection);
    Keys::install(this, b);
}
