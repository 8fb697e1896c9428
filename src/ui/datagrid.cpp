#include "ui/datagrid.h"

#include <QFont>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

DatasetModel::DatasetModel(Dataset* ds, QList<ColumnSpec> columns, QObject* parent)
    : QAbstractTableModel(parent), ds_(ds), cols_(std::move(columns)) {
    connect(ds, &Dataset::reset, this, [this] { beginResetModel(); endResetModel(); });
    connect(ds, &Dataset::rowChanged, this, [this](int r) {
        emit dataChanged(index(r, 0), index(r, columnCount() - 1));
    });
    // Inserts and removals are rare and small: a reset keeps the view in step.
    connect(ds, &Dataset::rowInserted, this, [this](int) { beginResetModel(); endResetModel(); });
    connect(ds, &Dataset::rowRemoved, this, [this](int) { beginResetModel(); endResetModel(); });
}

int DatasetModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || !ds_ || !ds_->isOpen()) return 0;
    return ds_->recordCount();
}

int DatasetModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : cols_.size(); }

QVariant DatasetModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !ds_ || index.row() >= ds_->recordCount()) return {};
    const ColumnSpec& c = cols_[index.column()];
    switch (role) {
    case Qt::DisplayRole:
        if (c.format) return c.format(*ds_, index.row());
        if (c.field.isEmpty()) return QString();
        return ds_->textAt(index.row(), c.field);
    case Qt::TextAlignmentRole: return int(c.align);
    case Qt::ForegroundRole: {
        if (rowForeground) { QColor col = rowForeground(*ds_, index.row()); if (col.isValid()) return col; }
        if (c.color.isValid()) return c.color;
        return {};
    }
    case Qt::BackgroundRole:
        if (rowBackground) { QColor col = rowBackground(*ds_, index.row()); if (col.isValid()) return col; }
        return {};
    default: return {};
    }
}

QVariant DatasetModel::headerData(int section, Qt::Orientation o, int role) const {
    if (o != Qt::Horizontal) return role == Qt::DisplayRole ? QVariant(section + 1) : QVariant();
    if (section < 0 || section >= cols_.size()) return {};
    switch (role) {
    case Qt::DisplayRole: return cols_[section].title;
    case Qt::TextAlignmentRole: return int(Qt::AlignCenter);
    case Qt::FontRole: {
        QFont f;
        f.setBold(section == bold_);
        return f;
    }
    default: return {};
    }
}

void DatasetModel::setColumnTitle(int column, const QString& title) {
    if (column < 0 || column >= cols_.size()) return;
    cols_[column].title = title;
    emit headerDataChanged(Qt::Horizontal, column, column);
}

void DatasetModel::setBoldColumn(int column) {
    bold_ = column;
    emit headerDataChanged(Qt::Horizontal, 0, std::max<int>(0, cols_.size() - 1));
}

DataGrid::DataGrid(Dataset* ds, QList<ColumnSpec> columns, QWidget* parent) : QTableView(parent) {
    model_ = new DatasetModel(ds, std::move(columns), this);
    setModel(model_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    verticalHeader()->setDefaultSectionSize(22);
    verticalHeader()->setFixedWidth(12);
    verticalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    setAlternatingRowColors(false);
    for (int i = 0; i < model_->columns().size(); ++i) {
        setColumnWidth(i, model_->columns()[i].width);
        setColumnHidden(i, !model_->columns()[i].visible);
    }
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int c) {
        if (titleSort_) sortByColumn(c);
    });
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex& cur) {
        if (syncing_ || !cur.isValid() || !dataset()) return;
        syncing_ = true;
        if (dataset()->recNo() != cur.row()) dataset()->setRecNo(cur.row());
        syncing_ = false;
    });
    connect(ds, &Dataset::currentChanged, this, [this](int) { syncCurrent(); });
    connect(model_, &QAbstractItemModel::modelReset, this, [this] { syncCurrent(); });
}

void DataGrid::syncCurrent() {
    if (syncing_ || !dataset()) return;
    const int r = dataset()->recNo();
    if (r < 0 || r >= model_->rowCount()) return;
    syncing_ = true;
    int col = currentIndex().isValid() ? currentIndex().column() : 0;
    while (col < model_->columnCount() && isColumnHidden(col)) ++col;
    if (col >= model_->columnCount()) col = 0;
    setCurrentIndex(model_->index(r, col));
    syncing_ = false;
}

void DataGrid::sortByColumn(int column) {
    Dataset* ds = dataset();
    if (!ds || !ds->isOpen()) return;
    if (column < 0 || column >= model_->columns().size()) return;
    const QString field = model_->columns()[column].field;
    if (field.isEmpty()) return;
    model_->setBoldColumn(-1);
    const QString asc = field + QStringLiteral(" ASC");
    ds->setSort(ds->sortExpr() != asc ? asc : field + QStringLiteral(" DESC"));
    model_->setBoldColumn(column);
}

void DataGrid::setColumnVisibleSpec(int column, bool visible) { setColumnHidden(column, !visible); }

void DataGrid::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        emit rowActivated();
        e->accept();
        return;
    }
    QTableView::keyPressEvent(e);
}

void DataGrid::mouseDoubleClickEvent(QMouseEvent* e) {
    QTableView::mouseDoubleClickEvent(e);
    if (indexAt(e->position().toPoint()).isValid()) emit rowActivated();
}
