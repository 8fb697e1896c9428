#include "data/dataset.h"
#include "data/db.h"

#include <QCollator>
#include <QRegularExpression>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <algorithm>

namespace {

const QSet<QString>& decimalNames() {
    static const QSet<QString> names = {
        "jj", "xjpf", "xjls", "kcsl", "kcjg", "kcje", "slt", "jet", "jbgz",
        "hjsl", "hjje", "yhe", "yfe", "sfe", "yse", "sse", "qk",
        "sl", "jg", "je", "cbjg", "cbje", "maoli", "se", "ze", "xs",
        "zsl", "zje", "zcb", "zmaoli", "sltc", "jetc", "ztc",
        "cgsl", "cgje", "xssl", "xsje", "rksl", "rkje", "ysl", "yje"};
    return names;
}

QCollator& textCollator() {
    static QCollator c = [] {
        QCollator col(QLocale(QLocale::Chinese, QLocale::China));
        col.setNumericMode(false);
        col.setCaseSensitivity(Qt::CaseInsensitive);
        return col;
    }();
    return c;
}

} // namespace

bool Dataset::isDecimalName(const QString& field) {
    const QString f = field.trimmed().toLower();
    if (decimalNames().contains(f)) return true;
    // An aggregate over a decimal column, e.g. "sum(je)" or "sum(se-ze)".
    if (f.contains(u'(') && !f.startsWith(QLatin1String("count"))) {
        static const QRegularExpression ident(QStringLiteral("[a-z_][a-z0-9_]*"));
        auto it = ident.globalMatch(f);
        while (it.hasNext()) {
            QString tok = it.next().captured(0);
            int dot = tok.lastIndexOf(u'.');
            if (dot >= 0) tok = tok.mid(dot + 1);
            if (decimalNames().contains(tok)) return true;
        }
    }
    return false;
}

Dataset::Dataset(const QString& name, const QString& initialSql, QObject* parent) : QObject(parent) {
    setObjectName(name);
    if (!initialSql.isEmpty()) lines_ << initialSql;
}

void Dataset::clearSql() {
    close();
    lines_.clear();
    values_.clear();
}

Dataset& Dataset::add(const QString& line, const QVariantList& values) {
    lines_ << line;
    values_ << values;
    return *this;
}

Dataset& Dataset::bind(const QVariant& value) {
    values_ << value;
    return *this;
}

void Dataset::setSql(const QString& sql, const QVariantList& values) {
    clearSql();
    add(sql, values);
}

void Dataset::open() {
    close();
    QSqlQuery q(Db::connection());
    q.setForwardOnly(true);
    if (!q.prepare(sql())) throw Db::Error(q.lastError().text());
    for (const QVariant& v : values_) q.addBindValue(v);
    if (!q.exec()) throw Db::Error(q.lastError().text());
    QSqlRecord rec = q.record();
    fields_.clear();
    decimal_.clear();
    for (int i = 0; i < rec.count(); ++i) {
        fields_ << rec.fieldName(i);
        decimal_ << isDecimalName(rec.fieldName(i));
    }
    rows_.clear();
    const int n = rec.count();
    while (q.next()) {
        QVector<QVariant> row(n);
        for (int i = 0; i < n; ++i) row[i] = q.value(i);
        rows_.append(std::move(row));
    }
    open_ = true;
    sort_.clear();
    state_ = State::Browse;
    cur_ = rows_.isEmpty() ? -1 : 0;
    eof_ = bof_ = rows_.isEmpty();
    notifyReset();
}

int Dataset::exec() {
    close();
    QSqlQuery q(Db::connection());
    if (!q.prepare(sql())) throw Db::Error(q.lastError().text());
    for (const QVariant& v : values_) q.addBindValue(v);
    if (!q.exec()) throw Db::Error(q.lastError().text());
    return q.numRowsAffected();
}

void Dataset::close() {
    const bool was = open_ || !rows_.isEmpty();
    open_ = false;
    rows_.clear();
    fields_.clear();
    decimal_.clear();
    cur_ = -1;
    eof_ = bof_ = true;
    state_ = State::Browse;
    sort_.clear();
    if (was) notifyReset();
}

void Dataset::reopen() {
    qint64 id = -1;
    if (cur_ >= 0 && hasField(QStringLiteral("id"))) id = integer(QStringLiteral("id"));
    const QString sort = sort_;
    open();
    if (!sort.isEmpty()) setSort(sort);
    if (id >= 0) locateId(id);
}

void Dataset::moveTo(int row) {
    if (rows_.isEmpty()) { cur_ = -1; eof_ = bof_ = true; return; }
    cur_ = std::clamp(row, 0, int(rows_.size()) - 1);
    if (!disabled_) emit currentChanged(cur_);
}

void Dataset::first() { moveTo(0); eof_ = rows_.isEmpty(); bof_ = true; }
void Dataset::last() { moveTo(rows_.size() - 1); eof_ = rows_.isEmpty(); bof_ = rows_.isEmpty(); }
void Dataset::next() {
    if (rows_.isEmpty() || cur_ >= rows_.size() - 1) { eof_ = true; return; }
    moveTo(cur_ + 1);
    bof_ = false;
}
void Dataset::prior() {
    if (rows_.isEmpty() || cur_ <= 0) { bof_ = true; return; }
    moveTo(cur_ - 1);
    eof_ = false;
}
void Dataset::setRecNo(int row) {
    moveTo(row);
    eof_ = bof_ = rows_.isEmpty();
}

bool Dataset::locateId(qint64 id) {
    int f = fieldIndex(QStringLiteral("id"));
    if (f < 0) return false;
    for (int r = 0; r < rows_.size(); ++r)
        if (rows_[r][f].toLongLong() == id) { setRecNo(r); return true; }
    return false;
}

int Dataset::fieldIndex(const QString& name) const {
    for (int i = 0; i < fields_.size(); ++i)
        if (fields_[i].compare(name, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

bool Dataset::isDecimalField(int index) const { return index >= 0 && index < decimal_.size() && decimal_[index]; }

QVariant Dataset::valueAt(int row, int pos) const {
    if (row < 0 || row >= rows_.size() || pos < 0 || pos >= fields_.size()) return {};
    if (row == cur_ && state_ != State::Browse) return buffer_.value(pos);
    return rows_[row][pos];
}

QVariant Dataset::value(int pos) const {
    if (state_ == State::Insert) return buffer_.value(pos);
    return valueAt(cur_, pos);
}
QVariant Dataset::value(const QString& name) const {
    int i = fieldIndex(name);
    if (i < 0) throw Db::Error(QStringLiteral("字段不存在：") + name);
    return value(i);
}

QString Dataset::textAt(int row, int pos) const {
    QVariant v = (state_ == State::Insert && row == cur_) ? buffer_.value(pos) : valueAt(row, pos);
    if (v.isNull()) return {};
    if (isDecimalField(pos)) return Decimal::fromRaw(v.toLongLong()).toString();
    return v.toString();
}
QString Dataset::textAt(int row, const QString& name) const { return textAt(row, fieldIndex(name)); }

QString Dataset::text(int pos) const {
    if (state_ == State::Insert) {
        QVariant v = buffer_.value(pos);
        if (v.isNull()) return {};
        return isDecimalField(pos) ? Decimal::fromRaw(v.toLongLong()).toString() : v.toString();
    }
    return textAt(cur_, pos);
}
QString Dataset::text(const QString& name) const {
    int i = fieldIndex(name);
    if (i < 0) throw Db::Error(QStringLiteral("字段不存在：") + name);
    return text(i);
}

Decimal Dataset::dec(int pos) const { return Decimal::fromRaw(value(pos).toLongLong()); }
Decimal Dataset::dec(const QString& name) const { return Decimal::fromRaw(value(name).toLongLong()); }
Decimal Dataset::decAt(int row, const QString& name) const {
    return Decimal::fromRaw(valueAt(row, fieldIndex(name)).toLongLong());
}
qint64 Dataset::integer(const QString& name) const { return value(name).toLongLong(); }

QString Dataset::tableName() const {
    static const QRegularExpression re(QStringLiteral("\\bfrom\\s+([A-Za-z_][A-Za-z0-9_]*)"),
                                       QRegularExpression::CaseInsensitiveOption);
    auto m = re.match(sql());
    return m.hasMatch() ? m.captured(1) : QString();
}

void Dataset::append() {
    if (!open_) throw Db::Error(QStringLiteral("数据表未打开"));
    if (state_ != State::Browse) cancel();
    state_ = State::Insert;
    buffer_ = QVector<QVariant>(fields_.size());
    touched_ = QVector<bool>(fields_.size(), false);
}

void Dataset::edit() {
    if (!open_ || cur_ < 0) throw Db::Error(QStringLiteral("没有可修改的记录"));
    if (state_ == State::Edit) return;
    state_ = State::Edit;
    buffer_ = rows_[cur_];
    touched_ = QVector<bool>(fields_.size(), false);
}

QVariant Dataset::storeValue(int index, const QVariant& v) const {
    if (isDecimalField(index)) {
        if (v.isNull()) return qlonglong(0);
        if (v.metaType().id() == QMetaType::QString) {
            auto d = Decimal::parse(v.toString());
            if (!d) {
                if (v.toString().trimmed().isEmpty()) return qlonglong(0);
                throw Db::Error(QStringLiteral("数值格式不正确：") + v.toString());
            }
            return qlonglong(d->raw());
        }
        if (v.metaType().id() == QMetaType::Double)
            return qlonglong(Decimal::parseOrZero(QString::number(v.toDouble(), 'f', 6)).raw());
        return qlonglong(Decimal::fromInt(v.toLongLong()).raw());
    }
    if (v.isNull()) return QString();
    return v;
}

void Dataset::setField(const QString& name, const QVariant& value) {
    if (state_ == State::Browse) throw Db::Error(QStringLiteral("记录不在编辑状态"));
    int i = fieldIndex(name);
    if (i < 0) throw Db::Error(QStringLiteral("字段不存在：") + name);
    buffer_[i] = storeValue(i, value);
    touched_[i] = true;
}

void Dataset::setDec(const QString& name, Decimal d) {
    if (state_ == State::Browse) throw Db::Error(QStringLiteral("记录不在编辑状态"));
    int i = fieldIndex(name);
    if (i < 0) throw Db::Error(QStringLiteral("字段不存在：") + name);
    buffer_[i] = qlonglong(d.raw());
    touched_[i] = true;
}

void Dataset::post() {
    if (state_ == State::Browse) return;
    const QString table = tableName();
    if (table.isEmpty()) throw Db::Error(QStringLiteral("数据集不可编辑"));
    const int idIdx = fieldIndex(QStringLiteral("id"));
    QStringList cols;
    QVariantList vals;
    for (int i = 0; i < fields_.size(); ++i)
        if (touched_[i] && i != idIdx) { cols << fields_[i]; vals << buffer_[i]; }
    QSqlQuery q(Db::connection());
    if (state_ == State::Insert) {
        QString sql = cols.isEmpty()
            ? QStringLiteral("insert into %1 default values").arg(table)
            : QStringLiteral("insert into %1 (%2) values (%3)")
                  .arg(table, cols.join(u','), QStringList(cols.size(), QStringLiteral("?")).join(u','));
        if (!q.prepare(sql)) throw Db::Error(q.lastError().text());
        for (const auto& v : vals) q.addBindValue(v);
        if (!q.exec()) throw Db::Error(q.lastError().text());
        const qlonglong id = q.lastInsertId().toLongLong();
        // Read the stored row back, so defaults and the new id show.
        QSqlQuery r(Db::connection());
        if (!r.prepare(QStringLiteral("select %1 from %2 where id=?").arg(fields_.join(u','), table)))
            throw Db::Error(r.lastError().text());
        r.addBindValue(id);
        if (!r.exec() || !r.next()) throw Db::Error(r.lastError().text());
        QVector<QVariant> row(fields_.size());
        for (int i = 0; i < fields_.size(); ++i) row[i] = r.value(i);
        rows_.append(row);
        state_ = State::Browse;
        cur_ = rows_.size() - 1;
        eof_ = bof_ = false;
        if (!disabled_) { emit rowInserted(cur_); emit currentChanged(cur_); }
        else pendingReset_ = true;
        return;
    }
    if (idIdx < 0) throw Db::Error(QStringLiteral("数据集不可编辑"));
    if (!cols.isEmpty()) {
        QStringList sets;
        for (const auto& c : cols) sets << c + QStringLiteral("=?");
        if (!q.prepare(QStringLiteral("update %1 set %2 where id=?").arg(table, sets.join(u','))))
            throw Db::Error(q.lastError().text());
        for (const auto& v : vals) q.addBindValue(v);
        q.addBindValue(buffer_[idIdx]);
        if (!q.exec()) throw Db::Error(q.lastError().text());
    }
    rows_[cur_] = buffer_;
    state_ = State::Browse;
    if (!disabled_) emit rowChanged(cur_);
    else pendingReset_ = true;
}

void Dataset::cancel() {
    state_ = State::Browse;
    buffer_.clear();
    touched_.clear();
}

void Dataset::remove() {
    if (!open_ || cur_ < 0) throw Db::Error(QStringLiteral("没有可删除的记录"));
    if (state_ != State::Browse) cancel();
    const QString table = tableName();
    const int idIdx = fieldIndex(QStringLiteral("id"));
    if (table.isEmpty() || idIdx < 0) throw Db::Error(QStringLiteral("数据集不可编辑"));
    QSqlQuery q(Db::connection());
    if (!q.prepare(QStringLiteral("delete from %1 where id=?").arg(table))) throw Db::Error(q.lastError().text());
    q.addBindValue(rows_[cur_][idIdx]);
    if (!q.exec()) throw Db::Error(q.lastError().text());
    const int gone = cur_;
    rows_.remove(gone);
    if (!disabled_) emit rowRemoved(gone);
    else pendingReset_ = true;
    if (rows_.isEmpty()) { cur_ = -1; eof_ = bof_ = true; }
    else moveTo(std::min(gone, int(rows_.size()) - 1));
}

void Dataset::setSort(const QString& expr) {
    sort_ = expr.trimmed();
    applySort();
    notifyReset();
}

void Dataset::applySort() {
    if (sort_.isEmpty() || rows_.isEmpty()) return;
    QString field = sort_;
    bool desc = false;
    if (sort_.endsWith(QLatin1String(" DESC"), Qt::CaseInsensitive)) { desc = true; field.chop(5); }
    else if (sort_.endsWith(QLatin1String(" ASC"), Qt::CaseInsensitive)) field.chop(4);
    const int f = fieldIndex(field.trimmed());
    if (f < 0) return;
    QVector<QVariant> current = cur_ >= 0 ? rows_[cur_] : QVector<QVariant>();
    auto less = [&](const QVector<QVariant>& a, const QVector<QVariant>& b) {
        const QVariant& x = a[f];
        const QVariant& y = b[f];
        if (x.isNull() || y.isNull()) return x.isNull() && !y.isNull();
        const int tx = x.metaType().id(), ty = y.metaType().id();
        const bool numeric = (tx == QMetaType::LongLong || tx == QMetaType::Int || tx == QMetaType::Double)
                             && (ty == QMetaType::LongLong || ty == QMetaType::Int || ty == QMetaType::Double);
        if (numeric) return x.toDouble() < y.toDouble();
        return textCollator().compare(x.toString(), y.toString()) < 0;
    };
    if (desc) std::stable_sort(rows_.begin(), rows_.end(), [&](const auto& a, const auto& b) { return less(b, a); });
    else std::stable_sort(rows_.begin(), rows_.end(), less);
    if (!current.isEmpty()) {
        int pos = rows_.indexOf(current);
        cur_ = pos >= 0 ? pos : 0;
    }
}

void Dataset::disableControls() { ++disabled_; }

void Dataset::enableControls() {
    if (disabled_ > 0) --disabled_;
    if (disabled_ == 0) {
        pendingReset_ = false;
        emit reset();
        if (cur_ >= 0) emit currentChanged(cur_);
    }
}

void Dataset::notifyReset() {
    if (disabled_) { pendingReset_ = true; return; }
    emit reset();
}
