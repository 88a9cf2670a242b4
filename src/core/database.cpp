#include "core/database.h"

#include "core/sql_functions.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <fcntl.h>
#include <sqlcipher/sqlite3.h>
#include <unistd.h>

namespace veluma {

namespace {

DbErrorKind kindOf(int extended)
{
    switch (extended) {
    case SQLITE_CONSTRAINT_PRIMARYKEY:
    case SQLITE_CONSTRAINT_UNIQUE:
        return DbErrorKind::DuplicateKey;
    default:
        break;
    }
    switch (extended & 0xff) {
    case SQLITE_CONSTRAINT: return DbErrorKind::Constraint;
    case SQLITE_NOTADB: return DbErrorKind::NotADatabase;
    case SQLITE_CANTOPEN: return DbErrorKind::CannotOpen;
    case SQLITE_BUSY:
    case SQLITE_LOCKED: return DbErrorKind::Busy;
    case SQLITE_FULL: return DbErrorKind::DiskFull;
    case SQLITE_READONLY: return DbErrorKind::ReadOnly;
    case SQLITE_CORRUPT: return DbErrorKind::Corrupt;
    default: return DbErrorKind::General;
    }
}

// What the user reads: Spanish, plain, without the engine's jargon.
QString describe(int extended)
{
    switch (kindOf(extended)) {
    case DbErrorKind::DuplicateKey: return QStringLiteral("Ya existe un registro con la misma clave.");
    case DbErrorKind::Constraint: return QStringLiteral("Un valor no cumple las reglas de la base de datos.");
    case DbErrorKind::NotADatabase: return QStringLiteral("El archivo no es una base de datos válida o su clave no corresponde.");
    case DbErrorKind::CannotOpen: return QStringLiteral("No se puede abrir el archivo de la base de datos.");
    case DbErrorKind::Busy: return QStringLiteral("La base de datos está siendo usada por otro proceso.");
    case DbErrorKind::DiskFull: return QStringLiteral("No hay espacio suficiente en el disco.");
    case DbErrorKind::ReadOnly: return QStringLiteral("La base de datos o su carpeta no admite escritura.");
    case DbErrorKind::Corrupt: return QStringLiteral("La base de datos está dañada o incompleta.");
    case DbErrorKind::General: break;
    }
    switch (extended & 0xff) {
    case SQLITE_IOERR: return QStringLiteral("Error de lectura o escritura en el disco.");
    case SQLITE_NOMEM: return QStringLiteral("No hay memoria suficiente.");
    case SQLITE_TOOBIG: return QStringLiteral("El valor es demasiado grande.");
    default: return QStringLiteral("Error de la base de datos.");
    }
}

QString fromUtf8(const char* text) { return text ? QString::fromUtf8(text) : QString(); }

// Opening a missing file would create an empty database in its place.
void requireFile(const QString& path)
{
    const QFileInfo info(path);
    if (info.isFile())
        return;
    const QString description = info.exists()
        ? path + QStringLiteral(" no es un archivo de base de datos.")
        : QStringLiteral("No se encuentra el archivo de base de datos ") + path + QLatin1Char('.');
    throw DbError(SQLITE_CANTOPEN, SQLITE_CANTOPEN, description, description);
}

// How long a connection waits for another process's lock before it reports the database busy.
constexpr int kBusyTimeoutMs = 5000;

// The engine keeps its file locks on the bytes from 1 GiB on: the pending and
// reserved bytes and the 510 shared bytes. Any lock there, even a reader's,
// means another process is inside the file.
bool lockedByAnotherProcess(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;  // opening it will say what is wrong
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    lock.l_start = 0x40000000;
    lock.l_len = 2 + 510;
    const bool locked = ::fcntl(fd, F_GETLK, &lock) == 0 && lock.l_type != F_UNLCK;
    ::close(fd);
    return locked;
}

}  // namespace

void requireIdleDatabaseFile(const QString& path)
{
    requireFile(path);
    QElapsedTimer waited;
    waited.start();
    while (lockedByAnotherProcess(path)) {
        if (waited.elapsed() >= kBusyTimeoutMs)
            throwDbError(nullptr, SQLITE_BUSY);
        QThread::msleep(20);
    }
}

DbError::DbError(int code, int extendedCode, const QString& description, const QString& engineMessage)
    : Error(code, description), kind_(kindOf(extendedCode)), extendedCode_(extendedCode), engineMessage_(engineMessage)
{
}

QString DbError::ruleName() const
{
    static const QString marker = QStringLiteral("CHECK constraint failed: ");
    const int at = engineMessage_.indexOf(marker);
    return at < 0 ? QString() : engineMessage_.mid(at + marker.size());
}

void throwDbError(sqlite3* db, int rc, const QString& context)
{
    const int extended = db ? sqlite3_extended_errcode(db) : rc;
    const int code = (extended & 0xff) == (rc & 0xff) ? extended : rc;
    QString engine = db ? fromUtf8(sqlite3_errmsg(db)) : fromUtf8(sqlite3_errstr(rc));
    QString description = describe(code);
    if (kindOf(code) == DbErrorKind::Constraint || kindOf(code) == DbErrorKind::General)
        description += QStringLiteral(" (") + engine + QLatin1Char(')');
    if (!context.isEmpty())
        description += QLatin1Char(' ') + context;
    throw DbError(code & 0xff, code, description, engine);
}

// ---- Statement ------------------------------------------------------------

Statement::Statement(sqlite3* db, sqlite3_stmt* stmt) : db_(db), stmt_(stmt) {}

Statement::Statement(Statement&& other) noexcept : db_(other.db_), stmt_(other.stmt_)
{
    other.stmt_ = nullptr;
}

Statement& Statement::operator=(Statement&& other) noexcept
{
    if (this != &other) {
        sqlite3_finalize(stmt_);
        db_ = other.db_;
        stmt_ = other.stmt_;
        other.stmt_ = nullptr;
    }
    return *this;
}

Statement::~Statement() { sqlite3_finalize(stmt_); }

void Statement::check(int rc) const
{
    if (rc != SQLITE_OK)
        throwDbError(db_, rc);
}

Statement& Statement::bind(int index, std::nullptr_t)
{
    check(sqlite3_bind_null(stmt_, index));
    return *this;
}

Statement& Statement::bind(int index, int value)
{
    check(sqlite3_bind_int64(stmt_, index, value));
    return *this;
}

Statement& Statement::bind(int index, qint64 value)
{
    check(sqlite3_bind_int64(stmt_, index, value));
    return *this;
}

Statement& Statement::bind(int index, double value)
{
    check(sqlite3_bind_double(stmt_, index, value));
    return *this;
}

// A QString is always text, even a default-constructed one: NULL is said
// with nullptr or an empty optional, never by accident.
Statement& Statement::bind(int index, const QString& value)
{
    const QByteArray utf8 = value.toUtf8();
    check(sqlite3_bind_text(stmt_, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT));
    return *this;
}

Statement& Statement::bind(int index, const char* value)
{
    return value ? bind(index, QString::fromUtf8(value)) : bind(index, nullptr);
}

// A value whose type is only known at run time: numbers as numbers, a null
// QVariant as NULL, anything else as its text.
Statement& Statement::bind(int index, const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::UnknownType: return bind(index, nullptr);
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::Bool: return bind(index, value.toLongLong());
    case QMetaType::Double:
    case QMetaType::Float: return bind(index, value.toDouble());
    default: return bind(index, value.toString());
    }
}

bool Statement::next()
{
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    // The statement must be reset before the engine reports the precise error.
    sqlite3_reset(stmt_);
    throwDbError(db_, rc);
}

void Statement::run()
{
    while (next()) {
    }
}

void Statement::reset()
{
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

int Statement::columnCount() const { return sqlite3_column_count(stmt_); }

QString Statement::columnName(int column) const { return fromUtf8(sqlite3_column_name(stmt_, column)); }

int Statement::columnIndex(const QString& name) const
{
    for (int i = 0; i < columnCount(); ++i) {
        if (columnName(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    throw Error(SQLITE_ERROR, QStringLiteral("La consulta no tiene la columna ") + name + QLatin1Char('.'));
}

bool Statement::isNull(int column) const { return sqlite3_column_type(stmt_, column) == SQLITE_NULL; }

std::optional<qint64> Statement::integer(int column) const
{
    if (isNull(column))
        return std::nullopt;
    return sqlite3_column_int64(stmt_, column);
}

std::optional<double> Statement::real(int column) const
{
    if (isNull(column))
        return std::nullopt;
    return sqlite3_column_double(stmt_, column);
}

std::optional<QString> Statement::text(int column) const
{
    if (isNull(column))
        return std::nullopt;
    const auto* data = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
    return QString::fromUtf8(data, sqlite3_column_bytes(stmt_, column));
}

QVariant Statement::value(int column) const
{
    switch (sqlite3_column_type(stmt_, column)) {
    case SQLITE_INTEGER: return QVariant(qint64(sqlite3_column_int64(stmt_, column)));
    case SQLITE_FLOAT: return QVariant(sqlite3_column_double(stmt_, column));
    case SQLITE_NULL: return QVariant();
    default: return QVariant(*text(column));
    }
}

// ---- Database -------------------------------------------------------------

Database::Database(sqlite3* db, const QString& path) : db_(db), path_(path) {}

Database::Database(Database&& other) noexcept : db_(other.db_), path_(std::move(other.path_))
{
    other.db_ = nullptr;
}

Database& Database::operator=(Database&& other) noexcept
{
    if (this != &other) {
        close();
        db_ = other.db_;
        path_ = std::move(other.path_);
        other.db_ = nullptr;
    }
    return *this;
}

Database::~Database() { close(); }

void Database::close()
{
    if (db_) {
        sqlite3_close_v2(db_);
        db_ = nullptr;
    }
}

Database Database::open(const QString& path, const QString& password, OpenMode mode)
{
    if (mode == OpenMode::Existing)
        requireFile(path);
    sqlite3* raw = nullptr;
    const int flags = SQLITE_OPEN_READWRITE | (mode == OpenMode::Create ? SQLITE_OPEN_CREATE : 0);
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &raw, flags, nullptr);
    Database db(raw, path);
    if (rc != SQLITE_OK)
        throwDbError(raw, rc, path);
    sqlite3_extended_result_codes(raw, 1);
    sqlite3_busy_timeout(raw, kBusyTimeoutMs);
    const QByteArray key = password.toUtf8();
    if (sqlite3_key(raw, key.constData(), int(key.size())) != SQLITE_OK)
        throwDbError(raw, SQLITE_ERROR, path);
    // The key is only tried when a page is read; read one now so a wrong key,
    // a scrambled file or a foreign file is reported here.
    db.execute(QStringLiteral("SELECT count(*) FROM sqlite_master"));
    registerSqlFunctions(raw);
    return db;
}

void Database::attach(const QString& path, const QString& alias, const QString& password)
{
    requireFile(path);
    prepare(QStringLiteral("ATTACH DATABASE ? AS ? KEY ?")).bindAll(path, alias, password).run();
    checkAttached(alias);
}

void Database::attachNew(const QString& path, const QString& alias)
{
    // The connection may not create files; an empty file is a new database to the engine.
    QFile empty(path);
    if (!empty.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        const QString description = QStringLiteral("No se puede crear el archivo ") + path + QStringLiteral(": ")
            + empty.errorString();
        throw DbError(SQLITE_CANTOPEN, SQLITE_CANTOPEN, description, description);
    }
    empty.close();
    // Without KEY the engine gives the new file the main database's key and
    // salt. The main database always has one: the engine refuses an empty key.
    prepare(QStringLiteral("ATTACH DATABASE ? AS ?")).bindAll(path, alias).run();
    checkAttached(alias);
}

void Database::checkAttached(const QString& alias)
{
    prepare(QStringLiteral("SELECT count(*) FROM \"%1\".sqlite_master").arg(alias)).run();
}

void Database::detach(const QString& alias)
{
    prepare(QStringLiteral("DETACH DATABASE ?")).bindAll(alias).run();
}

bool Database::isAttached(const QString& alias) const
{
    return sqlite3_db_filename(db_, alias.toUtf8().constData()) != nullptr;
}

void Database::execute(const QString& sql)
{
    char* message = nullptr;
    const int rc = sqlite3_exec(db_, sql.toUtf8().constData(), nullptr, nullptr, &message);
    sqlite3_free(message);
    if (rc != SQLITE_OK)
        throwDbError(db_, rc);
}

Statement Database::prepare(const QString& sql)
{
    sqlite3_stmt* stmt = nullptr;
    const QByteArray utf8 = sql.toUtf8();
    const int rc = sqlite3_prepare_v2(db_, utf8.constData(), int(utf8.size()), &stmt, nullptr);
    if (rc != SQLITE_OK)
        throwDbError(db_, rc);
    return Statement(db_, stmt);
}

void Database::checkIntegrity(const QString& schema)
{
    Statement check = prepare(QStringLiteral("PRAGMA \"%1\".quick_check").arg(schema));
    QString verdict;
    if (check.next())
        verdict = check.text(0).value_or(QString());
    if (verdict != QLatin1String("ok")) {
        throw DbError(SQLITE_CORRUPT, SQLITE_CORRUPT,
                      QStringLiteral("La base de datos está dañada o incompleta: ") + verdict, verdict);
    }
}

int Database::userVersion()
{
    Statement query = prepare(QStringLiteral("PRAGMA user_version"));
    return query.next() ? int(query.integer(0).value_or(0)) : 0;
}

void Database::setUserVersion(int version, const QString& schema)
{
    // PRAGMA takes no parameters; both values are ours, not the user's.
    execute(QStringLiteral("PRAGMA \"%1\".user_version = %2").arg(schema).arg(version));
}

int Database::changes() const { return sqlite3_changes(db_); }

}  // namespace veluma
