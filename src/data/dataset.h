#pragma once
// A shared dataset: SQL held as lines with bound values, opened into a client-side
// result with a current row, edited row by row on a one-table select, sorted on the client.
#include "data/decimal.h"

#include <QObject>
#include <QStringList>
#include <QVariant>
#include <QVector>

class Dataset : public QObject {
    Q_OBJECT
public:
    explicit Dataset(const QString& name, const QString& initialSql = {}, QObject* parent = nullptr);

    // --- SQL text
    void clearSql();                                        // also closes
    Dataset& add(const QString& line, const QVariantList& values = {});
    Dataset& bind(const QVariant& value);                   // one more value for the last '?'
    QStringList sqlLines() const { return lines_; }
    QString sql() const { return lines_.join(u'\n'); }
    void setSql(const QString& sql, const QVariantList& values = {});

    // --- open / execute (throw Db::Error)
    void open();
    int exec();
    void close();
    bool isOpen() const { return open_; }
    void reopen();                                          // same SQL, current row kept by id when possible

    // --- navigation
    int recordCount() const { return rows_.size(); }
    bool isEmpty() const { return rows_.isEmpty(); }
    int recNo() const { return cur_; }                      // -1 when empty
    void first();
    void last();
    void next();
    void prior();
    bool eof() const { return eof_; }
    bool bof() const { return bof_; }
    void setRecNo(int row);
    bool locateId(qint64 id);

    // --- fields
    QStringList fieldNames() const { return fields_; }
    int fieldIndex(const QString& name) const;
    bool hasField(const QString& name) const { return fieldIndex(name) >= 0; }
    bool isDecimalField(int index) const;
    QVariant value(const QString& name) const;
    QVariant value(int pos) const;
    QString text(const QString& name) const;                // display text: decimals in shortest form
    QString text(int pos) const;
    Decimal dec(const QString& name) const;
    Decimal dec(int pos) const;
    qint64 integer(const QString& name) const;
    // The same for any row, without moving.
    QVariant valueAt(int row, int pos) const;
    QString textAt(int row, int pos) const;
    QString textAt(int row, const QString& name) const;
    Decimal decAt(int row, const QString& name) const;

    // --- editing on a one-table select
    void append();
    void edit();
    void setField(const QString& name, const QVariant& value);   // text, number or Decimal-as-text
    void setText(const QString& name, const QString& text) { setField(name, text); }
    void setDec(const QString& name, Decimal d);
    void post();
    void cancel();
    void remove();                                          // deletes the current row
    bool editing() const { return state_ != State::Browse; }

    // --- client-side sort: "field ASC" / "field DESC"; empty = as fetched
    QString sortExpr() const { return sort_; }
    void setSort(const QString& expr);

    // --- bound controls
    void disableControls();
    void enableControls();
    bool controlsDisabled() const { return disabled_ > 0; }

    QString name() const { return objectName(); }
    QString tableName() const;                              // the table of a one-table select

    // The columns kept as ten-thousandth counts, by name (schema columns and result aliases).
    static bool isDecimalName(const QString& field);

signals:
    void reset();                // rows replaced (open, close, sort, controls re-enabled)
    void rowChanged(int row);
    void rowInserted(int row);
    void rowRemoved(int row);
    void currentChanged(int row);

private:
    enum class State { Browse, Insert, Edit };
    QVariant storeValue(int index, const QVariant& v) const;
    void notifyReset();
    void moveTo(int row);
    void applySort();

    QStringList lines_;
    QVariantList values_;
    bool open_ = false;
    QStringList fields_;
    QVector<bool> decimal_;
    QVector<QVector<QVariant>> rows_;
    QVector<QVector<QVariant>> fetched_;     // in fetch order, for clearing the sort
    int cur_ = -1;
    bool eof_ = true;
    bool bof_ = true;
    State state_ = State::Browse;
    QVector<QVariant> buffer_;
    QVector<bool> touched_;
    QString sort_;
    int disabled_ = 0;
    bool pendingReset_ = false;
};
