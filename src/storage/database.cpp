#include "storage/database.h"

#include <QAtomicInt>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlRecord>

namespace vocalith {

Recordset::Recordset(QStringList columns, QVector<QVector<QVariant>> rows)
    : m_columns(std::move(columns)), m_rows(std::move(rows)) {}

int Recordset::columnIndex(const QString &name) const {
    for (int c = 0; c < m_columns.size(); ++c)
        if (m_columns[c].compare(name, Qt::CaseInsensitive) == 0)
            return c;
    return -1;
}

QVariant Recordset::field(const QString &name) const {
    if (eof())
        return {};
    const int c = columnIndex(name);
    return c < 0 ? QVariant() : m_rows[m_pos].value(c);
}

namespace {
QString uniqueConnectionName() {
    static QAtomicInt counter;
    return QStringLiteral("vocalith-%1").arg(counter.fetchAndAddOrdered(1));
}
} // namespace

Connection::Connection(QString name, QString path) : m_name(std::move(name)), m_path(std::move(path)) {}

Connection::~Connection() {
    qDeleteAll(m_statements);
    m_statements.clear();
    {
        QSqlDatabase db = QSqlDatabase::database(m_name, false);
        if (db.isValid())
            db.close();
    }
    QSqlDatabase::removeDatabase(m_name);
}

DbFault faultOfCode(int sqliteCode) {
    switch (sqliteCode & 0xFF) { // the primary code of an extended one
    case 5:                      // SQLITE_BUSY
    case 6:                      // SQLITE_LOCKED
        return DbFault::Locked;
    case 3: // SQLITE_PERM
    case 8: // SQLITE_READONLY
        return DbFault::ReadOnly;
    case 13: // SQLITE_FULL
        return DbFault::Full;
    case 10: // SQLITE_IOERR
        return DbFault::InputOutput;
    case 11: // SQLITE_CORRUPT
    case 26: // SQLITE_NOTADB
        return DbFault::Damaged;
    case 14: // SQLITE_CANTOPEN
        return DbFault::CannotOpen;
    default:
        return DbFault::Other;
    }
}

DbFault faultOf(const QSqlError &error) {
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok);
    return ok ? faultOfCode(code) : DbFault::Other;
}

QString reasonOf(const QSqlError &error) {
    return error.databaseText().isEmpty() ? error.text() : error.databaseText();
}

DatabaseError::DatabaseError(const QSqlError &error)
    : std::runtime_error(reasonOf(error).toStdString()), m_message(reasonOf(error)), m_fault(faultOf(error)) {}

namespace {

const QString kCountObjects = QStringLiteral("SELECT count(*) FROM sqlite_master");
const QString kBeginImmediate = QStringLiteral("BEGIN IMMEDIATE");
const QString kCommit = QStringLiteral("COMMIT");
const QString kRollback = QStringLiteral("ROLLBACK");
// Long enough for a queue of programs writing one row each, short enough to say so soon
// when another program keeps the file locked.
const QString kReadWriteOptions = QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000");

// Sets what went wrong; returns false for the caller to return.
bool fail(QString *reason, DbFault *fault, const QString &text, DbFault kind) {
    if (reason)
        *reason = text;
    if (fault)
        *fault = kind;
    return false;
}

bool fail(QString *reason, DbFault *fault, const QSqlError &error) {
    return fail(reason, fault, reasonOf(error), faultOf(error));
}

} // namespace

bool Connection::checkTables(QSqlDatabase &db, const QStringList &tables, QString *reason, DbFault *fault) {
    // SQLite opens any file lazily: reading the schema proves it is a database (and finds a lock).
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'")))
        return fail(reason, fault, q.lastError());
    QStringList present;
    while (q.next())
        present << q.value(0).toString();
    for (const QString &t : tables) {
        if (!present.contains(t, Qt::CaseInsensitive))
            return fail(reason, fault, QStringLiteral("no table %1").arg(t), DbFault::Damaged);
    }
    return true;
}

bool Connection::createIfEmpty(QSqlDatabase &db, const QStringList &schema, QString *reason, DbFault *fault) {
    const auto objects = [&](int *count) {
        QSqlQuery q(db);
        if (!q.exec(kCountObjects) || !q.next())
            return fail(reason, fault, q.lastError());
        *count = q.value(0).toInt();
        return true;
    };
    // Nearly always the schema is there: a read says so, and works on a read-only file too.
    int count = 0;
    if (!objects(&count))
        return false;
    if (count > 0)
        return true;
    QSqlQuery q(db);
    if (!q.exec(kBeginImmediate))
        return fail(reason, fault, q.lastError());
    // Another program may have created it while this one waited for the lock.
    bool done = objects(&count);
    for (qsizetype i = 0; done && count == 0 && i < schema.size(); ++i)
        if (!q.exec(schema[i]))
            done = fail(reason, fault, q.lastError());
    if (done && !q.exec(kCommit))
        done = fail(reason, fault, q.lastError());
    if (!done)
        QSqlQuery(db).exec(kRollback);
    return done;
}

std::unique_ptr<Connection> Connection::openReadOnly(const QString &path, const QStringList &requiredTables,
                                                     QString *reason) {
    const QFileInfo info(path);
    if (!info.exists()) {
        fail(reason, nullptr, QStringLiteral("no file %1").arg(path), DbFault::CannotOpen);
        return nullptr;
    }
    if (!info.isFile() || !info.isReadable()) {
        fail(reason, nullptr, QStringLiteral("cannot read %1").arg(path), DbFault::CannotOpen);
        return nullptr;
    }
    std::unique_ptr<Connection> conn(new Connection(uniqueConnectionName(), info.absoluteFilePath()));
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), conn->m_name);
    db.setDatabaseName(info.absoluteFilePath());
    // Nothing writes a read-only database in the normal course, so a lock is a stranger's:
    // wait a second for it (not the driver's default five) before saying so.
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=1000"));
    if (!db.open()) {
        fail(reason, nullptr, db.lastError().text(), DbFault::CannotOpen);
        return nullptr;
    }
    if (!checkTables(db, requiredTables, reason))
        return nullptr;
    return conn;
}

std::unique_ptr<Connection> Connection::openReadWrite(const QString &path, const QStringList &createSchema,
                                                      const QStringList &requiredTables, QString *reason,
                                                      DbFault *fault) {
    const QFileInfo info(path);
    const bool exists = info.exists();
    if (exists && !info.isFile()) {
        fail(reason, fault, QStringLiteral("not a regular file"), DbFault::CannotOpen);
        return nullptr;
    }
    if (!exists && createSchema.isEmpty()) {
        fail(reason, fault, QStringLiteral("no such file"), DbFault::CannotOpen);
        return nullptr;
    }
    std::unique_ptr<Connection> conn(new Connection(uniqueConnectionName(), info.absoluteFilePath()));
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), conn->m_name);
    db.setDatabaseName(info.absoluteFilePath());
    db.setConnectOptions(kReadWriteOptions);
    if (!db.open()) {
        fail(reason, fault, db.lastError());
        return nullptr;
    }
    if (!createSchema.isEmpty() && !createIfEmpty(db, createSchema, reason, fault))
        return nullptr;
    if (!checkTables(db, requiredTables, reason, fault))
        return nullptr;
    return conn;
}

Connection::ReadTransaction::ReadTransaction(Connection &c) : m_db(c.database()) { m_open = m_db.transaction(); }

Connection::ReadTransaction::~ReadTransaction() {
    if (m_open)
        m_db.commit();
}

Connection::WriteTransaction::WriteTransaction(Connection &c) : m_db(c.database()) {
    QSqlQuery q(m_db);
    if (!q.exec(kBeginImmediate))
        throw DatabaseError(q.lastError());
    m_open = true;
}

Connection::WriteTransaction::~WriteTransaction() {
    // A failed COMMIT may have ended the transaction already: the error is of no interest.
    if (m_open)
        QSqlQuery(m_db).exec(kRollback);
}

void Connection::WriteTransaction::commit() {
    QSqlQuery q(m_db);
    if (!q.exec(kCommit))
        throw DatabaseError(q.lastError());
    m_open = false;
}

QSqlQuery &Connection::prepared(const QString &sql) {
    auto it = m_statements.find(sql);
    if (it != m_statements.end())
        return **it;
    auto *q = new QSqlQuery(database());
    q->setForwardOnly(true);
    if (!q->prepare(sql)) {
        const QSqlError err = q->lastError();
        delete q;
        throw DatabaseError(err);
    }
    m_statements.insert(sql, q);
    return *q;
}

Recordset Connection::openRecordset(const QString &sql, const QVariantList &params) {
    QSqlQuery &q = prepared(sql);
    for (int i = 0; i < params.size(); ++i)
        q.bindValue(i, params[i]);
    if (!q.exec())
        throw DatabaseError(q.lastError());
    const QSqlRecord rec = q.record();
    QStringList columns;
    columns.reserve(rec.count());
    for (int c = 0; c < rec.count(); ++c)
        columns << rec.fieldName(c);
    QVector<QVector<QVariant>> rows;
    while (q.next()) {
        QVector<QVariant> row(columns.size());
        for (int c = 0; c < columns.size(); ++c)
            row[c] = q.value(c);
        rows.push_back(std::move(row));
    }
    if (q.lastError().isValid())
        throw DatabaseError(q.lastError());
    q.finish();
    return Recordset(std::move(columns), std::move(rows));
}

int Connection::execute(const QString &sql, const QVariantList &params) {
    QSqlQuery &q = prepared(sql);
    for (int i = 0; i < params.size(); ++i)
        q.bindValue(i, params[i]);
    if (!q.exec())
        throw DatabaseError(q.lastError());
    const int affected = q.numRowsAffected();
    q.finish();
    return affected;
}

} // namespace vocalith
