#include "data/db.h"
#include "data/password.h"

#include <QCollator>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <sqlite3.h>

#include <vector>

namespace Db {
namespace {

const QString ConnName = QStringLiteral("ADOC1");
QString g_folder;
int g_txDepth = 0;
bool g_txFailed = false;
std::vector<std::function<void()>> g_closeCallbacks;

QCollator& pinyinCollator() {
    static QCollator c = [] {
        QCollator col(QLocale(QLocale::Chinese, QLocale::China));
        col.setNumericMode(true);
        col.setCaseSensitivity(Qt::CaseInsensitive);
        return col;
    }();
    return c;
}

int pinyinCompare(void*, int la, const void* a, int lb, const void* b) {
    QString sa = QString::fromUtf8(static_cast<const char*>(a), la);
    QString sb = QString::fromUtf8(static_cast<const char*>(b), lb);
    int r = pinyinCollator().compare(sa, sb);
    if (r == 0) r = QString::compare(sa, sb);
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

// dmul(a, b): product of two ten-thousandth counts, rounded half to even.
void dmulFunc(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    __int128 p = static_cast<__int128>(sqlite3_value_int64(argv[0])) * sqlite3_value_int64(argv[1]);
    __int128 q = p / 10000, r = p % 10000;
    if (r != 0) {
        __int128 twice = (r < 0 ? -r : r) * 2;
        if (twice > 10000 || (twice == 10000 && q % 2 != 0)) q += p < 0 ? -1 : 1;
    }
    if (q > INT64_MAX || q < INT64_MIN) {
        sqlite3_result_error(ctx, "数值超出范围", -1);
        return;
    }
    sqlite3_result_int64(ctx, static_cast<sqlite3_int64>(q));
}

sqlite3* handleOf(const QSqlDatabase& db) {
    QVariant v = db.driver()->handle();
    if (v.isValid() && qstrcmp(v.typeName(), "sqlite3*") == 0) return *static_cast<sqlite3* const*>(v.data());
    return nullptr;
}

void registerExtensions(const QSqlDatabase& db) {
    sqlite3* h = handleOf(db);
    if (!h) return;
    sqlite3_create_collation_v2(h, "pinyin", SQLITE_UTF8, nullptr, pinyinCompare, nullptr);
    sqlite3_create_function_v2(h, "dmul", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, dmulFunc,
                               nullptr, nullptr, nullptr);
}

QString readResource(const QString& name) {
    QFile f(name);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(f.readAll());
}

// Reads the file's header and a sanity query through a private read-only connection.
bool inspect(const QString& path, bool full, QString* why) {
    auto fail = [&](const QString& w) { if (why) *why = w; return false; };
    QFileInfo fi(path);
    if (!fi.exists() || !fi.isFile()) return fail(QStringLiteral("文件不存在"));
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return fail(QStringLiteral("文件不可读"));
    if (f.read(16) != QByteArray("SQLite format 3\0", 16)) return fail(QStringLiteral("不是数据库文件"));
    f.close();
    bool ok = false;
    QString reason;
    const QString name = QStringLiteral("kxr-check-") + QUuid::createUuid().toString(QUuid::Id128);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (!db.open()) {
            reason = db.lastError().text();
        } else {
            QSqlQuery q(db);
            if (!q.exec(QStringLiteral("PRAGMA application_id")) || !q.next()) reason = q.lastError().text();
            else if (q.value(0).toInt() != ApplicationId) reason = QStringLiteral("不是本软件的数据库");
            else if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next() || q.value(0).toInt() > SchemaVersion)
                reason = QStringLiteral("数据库版本不符");
            else if (full && (!q.exec(QStringLiteral("PRAGMA integrity_check")) || !q.next()
                              || q.value(0).toString() != QLatin1String("ok")))
                reason = QStringLiteral("数据库文件已损坏");
            else if (!q.exec(QStringLiteral("select count(*) from danwei")) || !q.next())
                reason = q.lastError().text();
            else ok = true;
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    if (!ok) return fail(reason);
    return true;
}

QSqlQuery run(const QString& sql, const QVariantList& values) {
    QSqlQuery q(connection());
    if (!q.prepare(sql)) throw Error(q.lastError().text());
    for (const QVariant& v : values) q.addBindValue(v);
    if (!q.exec()) throw Error(q.lastError().text());
    return q;
}

} // namespace

QString programFolder() {
    if (!g_folder.isEmpty()) return g_folder;
    return QCoreApplication::applicationDirPath();
}
void setProgramFolder(const QString& folder) { g_folder = folder; }
QString databasePath() { return QDir(programFolder()).filePath(FileName); }
QString backupFolder() { return QDir(programFolder()).filePath(BackupFolderName); }

bool open(QString* why) {
    if (isOpen()) return true;
    if (!inspect(databasePath(), false, why)) return false;
    QSqlDatabase db = QSqlDatabase::contains(ConnName) ? QSqlDatabase::database(ConnName, false)
                                                        : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), ConnName);
    db.setDatabaseName(databasePath());
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    if (!db.open()) {
        if (why) *why = db.lastError().text();
        return false;
    }
    registerExtensions(db);
    QSqlQuery q(db);
    q.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
    q.exec(QStringLiteral("PRAGMA synchronous=FULL"));
    q.exec(QStringLiteral("PRAGMA foreign_keys=OFF"));
    return true;
}

void close() {
    for (auto& cb : g_closeCallbacks) cb();
    if (QSqlDatabase::contains(ConnName)) {
        QSqlDatabase db = QSqlDatabase::database(ConnName, false);
        if (db.isOpen()) db.close();
    }
    g_txDepth = 0;
}

bool isOpen() {
    return QSqlDatabase::contains(ConnName) && QSqlDatabase::database(ConnName, false).isOpen();
}

void ensureOpen() {
    QString why;
    if (!open(&why)) throw Error(why.isEmpty() ? QStringLiteral("数据库无法打开") : why);
}

QSqlDatabase connection() {
    ensureOpen();
    return QSqlDatabase::database(ConnName, false);
}

bool checkFile(const QString& path, QString* why) { return inspect(path, true, why); }

bool createDatabase(const QString& path, const QString& adminPassword, QString* why) {
    auto fail = [&](const QString& w) { if (why) *why = w; return false; };
    if (QFileInfo::exists(path)) return fail(QStringLiteral("文件已存在"));
    initResources();
    const QString schema = readResource(QStringLiteral(":/db/schema.sql"));
    const QString seed = readResource(QStringLiteral(":/db/seed.sql"));
    if (schema.isEmpty() || seed.isEmpty()) return fail(QStringLiteral("缺少数据库结构"));
    const QString tmp = path + QStringLiteral(".new");
    QFile::remove(tmp);
    sqlite3* h = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(tmp).constData(), &h, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr)
        != SQLITE_OK) {
        sqlite3_close(h);
        return fail(QStringLiteral("无法创建文件"));
    }
    QString hash = hashPassword(adminPassword);
    char* err = nullptr;
    QByteArray script = (QStringLiteral("BEGIN;") + schema + seed + QStringLiteral("COMMIT;")).toUtf8();
    int rc = sqlite3_exec(h, script.constData(), nullptr, nullptr, &err);
    if (rc == SQLITE_OK) {
        sqlite3_stmt* st = nullptr;
        rc = sqlite3_prepare_v2(h, "UPDATE yhsz SET yhmm=?", -1, &st, nullptr);
        QByteArray hb = hash.toUtf8();
        if (rc == SQLITE_OK) {
            sqlite3_bind_text(st, 1, hb.constData(), hb.size(), SQLITE_TRANSIENT);
            rc = sqlite3_step(st) == SQLITE_DONE ? SQLITE_OK : SQLITE_ERROR;
        }
        sqlite3_finalize(st);
    }
    QString msg = err ? QString::fromUtf8(err) : QString::fromUtf8(sqlite3_errmsg(h));
    sqlite3_free(err);
    sqlite3_close(h);
    if (rc != SQLITE_OK || hash.isEmpty()) {
        QFile::remove(tmp);
        return fail(msg);
    }
    if (!QFile::rename(tmp, path)) {
        QFile::remove(tmp);
        return fail(QStringLiteral("无法写入文件"));
    }
    return true;
}

int exec(const QString& sql, const QVariantList& values) {
    QSqlQuery q = run(sql, values);
    return q.numRowsAffected();
}

QVariant scalar(const QString& sql, const QVariantList& values) {
    QSqlQuery q = run(sql, values);
    return q.next() ? q.value(0) : QVariant();
}

bool exists(const QString& sql, const QVariantList& values) {
    QSqlQuery q = run(sql, values);
    return q.next();
}

bool backupTo(const QString& path, QString* why) {
    auto fail = [&](const QString& w) { if (why) *why = w; return false; };
    sqlite3* src = handleOf(connection());
    if (!src) return fail(QStringLiteral("数据库未打开"));
    // Written next to the target first, so a failed copy never leaves a broken file under its name.
    const QString tmp = path + QStringLiteral(".part");
    QFile::remove(tmp);
    sqlite3* dst = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(tmp).constData(), &dst, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                        nullptr) != SQLITE_OK) {
        sqlite3_close(dst);
        QFile::remove(tmp);
        return fail(QStringLiteral("无法创建备份文件"));
    }
    sqlite3_backup* b = sqlite3_backup_init(dst, "main", src, "main");
    int rc = SQLITE_ERROR;
    if (b) {
        rc = sqlite3_backup_step(b, -1);
        sqlite3_backup_finish(b);
    }
    QString msg = QString::fromUtf8(sqlite3_errmsg(dst));
    // A backup is a standalone file: no WAL beside it.
    if (rc == SQLITE_DONE) sqlite3_exec(dst, "PRAGMA journal_mode=DELETE", nullptr, nullptr, nullptr);
    sqlite3_close(dst);
    if (rc != SQLITE_DONE) {
        QFile::remove(tmp);
        return fail(msg);
    }
    if (QFileInfo::exists(path) && !QFile::remove(path)) {
        QFile::remove(tmp);
        return fail(QStringLiteral("无法替换原有文件"));
    }
    if (!QFile::rename(tmp, path)) {
        QFile::remove(tmp);
        return fail(QStringLiteral("无法写入备份文件"));
    }
    return true;
}

Transaction::Transaction() {
    if (g_txDepth == 0) {
        if (!connection().transaction()) throw Error(connection().lastError().text());
        outer_ = true;
        g_txFailed = false;
    }
    ++g_txDepth;
}

Transaction::~Transaction() {
    if (!done_) {
        g_txFailed = true;
        if (g_txDepth > 0) --g_txDepth;
        if (outer_ && isOpen()) connection().rollback();
    }
}

void Transaction::commit() {
    if (done_) return;
    done_ = true;
    if (g_txDepth > 0) --g_txDepth;
    if (!outer_) return;
    if (g_txFailed) {
        connection().rollback();
        throw Error(QStringLiteral("操作未完成，数据已恢复原状"));
    }
    if (!connection().commit()) {
        QString e = connection().lastError().text();
        connection().rollback();
        throw Error(e);
    }
}

void onClose(std::function<void()> callback) { g_closeCallbacks.push_back(std::move(callback)); }

} // namespace Db
