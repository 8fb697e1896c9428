#pragma once
// The one connection to the shop database (ADOC1) over Qt SQL / SQLite.
#include <QSqlDatabase>
#include <QString>
#include <QVariant>
#include <stdexcept>

namespace Db {

inline constexpr int ApplicationId = 0x4B585231;  // "KXR1"
inline constexpr int SchemaVersion = 1;
inline const QString FileName = QStringLiteral("KXRData1.mdb");
inline const QString BackupFolderName = QStringLiteral("数据备份库");
inline const QString TemplateFolderName = QStringLiteral("数据导入模版");

// An error the engine raised; what() carries the engine's text.
class Error : public std::runtime_error {
public:
    explicit Error(const QString& text) : std::runtime_error(text.toStdString()) {}
    QString text() const { return QString::fromStdString(what()); }
};

// The folder of the program: database, backups, templates, help files.
QString programFolder();
void setProgramFolder(const QString& folder);   // tests and tools
QString databasePath();
QString backupFolder();

// Opens the connection on databasePath(); false with a reason when the file is missing,
// not SQLite, not ours or unreadable.
bool open(QString* why = nullptr);
void close();                 // closes every dataset with it
bool isOpen();
void ensureOpen();            // reopens after close(); throws Error on failure
QSqlDatabase connection();    // opened if closed

// Checks that a file is a readable database of this program (application id,
// schema version, integrity check), without touching the connection.
bool checkFile(const QString& path, QString* why = nullptr);

// Builds a new database file from the delivered schema and seed; the administrator's
// password is stored hashed. Replaces nothing: fails if the file exists.
bool createDatabase(const QString& path, const QString& adminPassword, QString* why = nullptr);

// Runs one statement with bound values; throws Error. Returns rows affected.
int exec(const QString& sql, const QVariantList& values = {});
// First column of the first row (null when none); throws Error.
QVariant scalar(const QString& sql, const QVariantList& values = {});
// True when the select returns at least one row.
bool exists(const QString& sql, const QVariantList& values = {});

// Online backup of the open database into a file (a consistent copy); false with a reason.
bool backupTo(const QString& path, QString* why = nullptr);

// A transaction; rolls back unless committed. Nested guards join the outer one.
class Transaction {
public:
    Transaction();
    ~Transaction();
    void commit();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
private:
    bool outer_ = false;
    bool done_ = false;
};

// Makes the built-in schema and seed readable (resources of the library).
void initResources();

// Called when the connection closes, so datasets can drop their rows.
void onClose(std::function<void()> callback);

} // namespace Db
