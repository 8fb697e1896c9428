#pragma once
// A read-only grid over a shared dataset, declared by column specs.
#include "data/dataset.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QPointer>
#include <QTableView>
#include <functional>

struct ColumnSpec {
    QString field;
    QString title;
    int width = 80;
    Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter;
    QColor color = {};                                        // text colour, invalid = default
    std::function<QString(const Dataset&, int row)> format = {};  // display text; default: the field's text
    bool visible = true;

    static ColumnSpec text(const QString& f, const QString& t, int w = 80) {
        return {f, t, w, Qt::AlignLeft | Qt::AlignVCenter};
    }
    static ColumnSpec centred(const QString& f, const QString& t, int w = 80) {
        return {f, t, w, Qt::AlignHCenter | Qt::AlignVCenter};
    }
    static ColumnSpec number(const QString& f, const QString& t, int w = 80) {
        return {f, t, w, Qt::AlignRight | Qt::AlignVCenter};
    }
};

class DatasetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    DatasetModel(Dataset* ds, QList<ColumnSpec> columns, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;

    Dataset* dataset() const { return ds_; }
    const QList<ColumnSpec>& columns() const { return cols_; }
    void setColumnTitle(int column, const QString& title);
    void setBoldColumn(int column);                           // -1: none bold
    int boldColumn() const { return bold_; }
    // Row colours: return an invalid colour for the default.
    std::function<QColor(const Dataset&, int row)> rowBackground;
    std::function<QColor(const Dataset&, int row)> rowForeground;

private:
    QPointer<Dataset> ds_;
    QList<ColumnSpec> cols_;
    int bold_ = -1;
};

class DataGrid : public QTableView {
    Q_OBJECT
public:
    DataGrid(Dataset* ds, QList<ColumnSpec> columns, QWidget* parent = nullptr);

    DatasetModel* gridModel() const { return model_; }
    Dataset* dataset() const { return model_->dataset(); }
    void setTitleSort(bool on) { titleSort_ = on; }
    // Title-click rule: ascending, then descending on the same column; bold title.
    void sortByColumn(int column);
    void setColumnVisibleSpec(int column, bool visible);

signals:
    void rowActivated();          // double-click or Enter: the list's main row action

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    void syncCurrent();
    DatasetModel* model_;
    bool titleSort_ = true;
    bool syncing_ = false;
};
