#pragma once

#include "core/error.h"

#include <QString>
#include <QVariant>
#include <cstdint>
#include <optional>

struct sqlite3;
struct sqlite3_stmt;

namespace veluma {

enum class DbErrorKind {
    General,
    DuplicateKey,  // a PRIMARY KEY or UNIQUE index refused the row
    Constraint,    // a NOT NULL or CHECK rule refused a value
    NotADatabase,  // wrong key, scrambled or foreign file
    CannotOpen,
    Busy,
    DiskFull,
    ReadOnly,
    Corrupt,
};

class DbError : public Error {
public:
    DbError(int code, int extendedCode, const QString& description, const QString& engineMessage);

    DbErrorKind kind() const { return kind_; }
    int extendedCode() const { return extendedCode_; }
    // The engine's own words, kept for logs and for telling which rule refused a value.
    const QString& engineMessage() const { return engineMessage_; }
    // For a refused value, the name of the rule ("CUIT:longitud"); empty otherwise.
    QString ruleName() const;

private:
    DbErrorKind kind_;
    int extendedCode_;
    QString engineMessage_;
};

// A prepared statement. Parameters are 1-based, as in the SQL text ("?").
class Statement {
public:
    Statement(sqlite3* db, sqlite3_stmt* stmt);
    Statement(Statement&& other) noexcept;
    Statement& operator=(Statement&& other) noexcept;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    ~Statement();

    Statement& bind(int index, std::nullptr_t);
    Statement& bind(int index, int value);
    Statement& bind(int index, qint64 value);
    Statement& bind(int index, double value);
    Statement& bind(int index, const QString& value);
    Statement& bind(int index, const char* value);
    Statement& bind(int index, const QVariant& value);
    template <class T>
    Statement& bind(int index, const std::optional<T>& value)
    {
        return value ? bind(index, *value) : bind(index, nullptr);
    }
    template <class... Args>
    Statement& bindAll(const Args&... args)
    {
        int index = 0;
        (bind(++index, args), ...);
        return *this;
    }

    // Steps once; true when a row is available.
    bool next();
    // Steps to the end, for statements that return no rows.
    void run();
    void reset();

    int columnCount() const;
    QString columnName(int column) const;
    // Case-insensitive, as table and column names are throughout the program.
    int columnIndex(const QString& name) const;

    bool isNull(int column) const;
    std::optional<qint64> integer(int column) const;
    std::optional<double> real(int column) const;
    std::optional<QString> text(int column) const;
    QVariant value(int column) const;

    bool isNull(const QString& column) const { return isNull(columnIndex(column)); }
    std::optional<qint64> integer(const QString& column) const { return integer(columnIndex(column)); }
    std::optional<double> real(const QString& column) const { return real(columnIndex(column)); }
    std::optional<QString> text(const QString& column) const { return text(columnIndex(column)); }

private:
    void check(int rc) const;

    sqlite3* db_ = nullptr;
    sqlite3_stmt* stmt_ = nullptr;
};

// One connection to a SQLCipher file. Closed on destruction.
class Database {
public:
    enum class OpenMode { Existing, Create };

    static Database open(const QString& path, const QString& password, OpenMode mode = OpenMode::Existing);

    Database() = default;
    Database(Database&& other) noexcept;
    Database& operator=(Database&& other) noexcept;
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;
    ~Database();

    bool isOpen() const { return db_ != nullptr; }
    const QString& path() const { return path_; }
    void close();

    // Attaches another keyed file under an alias. The file must exist: the
    // engine would otherwise create an empty one silently.
    void attach(const QString& path, const QString& alias, const QString& password);
    // Attaches a new file, created empty, under the main database's key as the
    // engine already derived it, its salt included: no key is derived for it,
    // and it later opens with the main database's password.
    void attachNew(const QString& path, const QString& alias);
    void detach(const QString& alias);
    bool isAttached(const QString& alias) const;

    // Runs SQL without parameters (one or more statements).
    void execute(const QString& sql);
    Statement prepare(const QString& sql);

    // Reads every page; throws when the file is damaged or cut short.
    void checkIntegrity(const QString& schema = QStringLiteral("main"));

    int userVersion();
    void setUserVersion(int version, const QString& schema = QStringLiteral("main"));

    // Rows changed by the last INSERT, UPDATE or DELETE.
    int changes() const;
    sqlite3* handle() const { return db_; }

private:
    Database(sqlite3* db, const QString& path);
    // Reads the attached file once, so a wrong key or a damaged file shows now.
    void checkAttached(const QString& alias);

    sqlite3* db_ = nullptr;
    QString path_;
};

// Throws the DbError that opening `path` gives for a missing file or a folder,
// and for a file another process keeps locked past the engine's wait; neither
// reads nor changes the file.
void requireIdleDatabaseFile(const QString& path);

// Throws the DbError that describes rc on the connection.
[[noreturn]] void throwDbError(sqlite3* db, int rc, const QString& context = {});

}  // namespace veluma
