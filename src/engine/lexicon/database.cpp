#include "engine/lexicon/database.h"

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

namespace {
void setReason(QString *reason, const QString &text) {
    if (reason)
        *reason = text;
}
} // namespace

bool Connection::checkTables(QSqlDatabase &db, const QStringList &tables, QString *reason) {
    // SQLite opens any file lazily: reading the schema proves it is a database (and finds a lock).
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'"))) {
        const QSqlError e = q.lastError();
        setReason(reason, e.databaseText().isEmpty() ? e.text() : e.databaseText());
        return false;
    }
    QStringList present;
    while (q.next())
        present << q.value(0).toString();
    for (const QString &t : tables) {
        if (!present.contains(t, Qt::CaseInsensitive)) {
            setReason(reason, QStringLiteral("no table %1").arg(t));
            return false;
        }
    }
    return true;
}

std::unique_ptr<Connection> Connection::openReadOnly(const QString &path, const QStringList &requiredTables,
                                                     QString *reason) {
    const QFileInfo info(path);
    if (!info.exists()) {
        setReason(reason, QStringLiteral("no file %1").arg(path));
        return nullptr;
    }
    if (!info.isFile() || !info.isReadable()) {
        setReason(reason, QStringLiteral("cannot read %1").arg(path));
        return nullptr;
    }
    std::unique_ptr<Connection> conn(new Connection(uniqueConnectionName(), info.absoluteFilePath()));
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), conn->m_name);
    db.setDatabaseName(info.absoluteFilePath());
    // Nothing writes a read-only database in the normal course, so a lock is a stranger's:
    // wait a second for it (not the driver's default five) before saying so.
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=1000"));
    if (!db.open()) {
        setReason(reason, db.lastError().text());
        return nullptr;
    }
    if (!checkTables(db, requiredTables, reason))
        return nullptr;
    return conn;
}

std::unique_ptr<Connection> Connection::openReadWrite(const QString &path, const QStringList &createSchema,
                                                      const QStringList &requiredTables, QString *reason) {
    const QFileInfo info(path);
    const bool exists = info.exists();
    if (exists && !info.isFile()) {
        setReason(reason, QStringLiteral("not a file: %1").arg(path));
        return nullptr;
    }
    if (!exists && createSchema.isEmpty()) {
        setReason(reason, QStringLiteral("no file %1").arg(path));
        return nullptr;
    }
    std::unique_ptr<Connection> conn(new Connection(uniqueConnectionName(), info.absoluteFilePath()));
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), conn->m_name);
    db.setDatabaseName(info.absoluteFilePath());
    if (!db.open()) {
        setReason(reason, db.lastError().text());
        return nullptr;
    }
    if (!exists) {
        QSqlQuery q(db);
        for (const QString &statement : createSchema) {
            if (!q.exec(statement)) {
                setReason(reason, q.lastError().text());
                db.close();
                QFile::remove(info.absoluteFilePath());
                return nullptr;
            }
        }
    }
    if (!checkTables(db, requiredTables, reason))
        return nullptr;
    return conn;
}

Connection::ReadTransaction::ReadTransaction(Connection &c) : m_db(c.database()) { m_open = m_db.transaction(); }

Connection::ReadTransaction::~ReadTransaction() {
    if (m_open)
        m_db.commit();
}

QSqlQuery &Connection::prepared(const QString &sql) {
    auto it = m_statements.find(sql);
    if (it != m_statements.end())
        return **it;
    auto *q = new QSqlQuery(database());
    q->setForwardOnly(true);
    if (!q->prepare(sql)) {
        const QString err = q->lastError().text();
        delete q;
        throw DatabaseError(QStringLiteral("Cannot prepare \"%1\": %2").arg(sql, err));
    }
    m_statements.insert(sql, q);
    return *q;
}

Recordset Connection::openRecordset(const QString &sql, const QVariantList &params) {
    QSqlQuery &q = prepared(sql);
    for (int i = 0; i < params.size(); ++i)
        q.bindValue(i, params[i]);
    if (!q.exec())
        throw DatabaseError(QStringLiteral("Query failed \"%1\": %2").arg(sql, q.lastError().text()));
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
        throw DatabaseError(QStringLiteral("Query failed \"%1\": %2").arg(sql, q.lastError().text()));
    q.finish();
    return Recordset(std::move(columns), std::move(rows));
}

int Connection::execute(const QString &sql, const QVariantList &params) {
    QSqlQuery &q = prepared(sql);
    for (int i = 0; i < params.size(); ++i)
        q.bindValue(i, params[i]);
    if (!q.exec())
        throw DatabaseError(QStringLiteral("Statement failed \"%1\": %2").arg(sql, q.lastError().text()));
    const int affected = q.numRowsAffected();
    q.finish();
    return affected;
}

} // namespace vocalith
