#pragma once
// Database access shared by every feature: a connection to one SQLite file, prepared
// statements that are reused across calls, and fully read result sets with exact counts.

#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <memory>
#include <stdexcept>

namespace vocalith {

// What kind of failure SQLite reported, for messages that tell the user what to do about it.
enum class DbFault {
    Other,
    Locked,      // another program holds the file (SQLITE_BUSY, SQLITE_LOCKED)
    ReadOnly,    // the file or its folder cannot be written (SQLITE_READONLY, SQLITE_PERM)
    Full,        // the disk is full (SQLITE_FULL)
    InputOutput, // the disk refused a read or write (SQLITE_IOERR)
    Damaged,     // not a database, a damaged one, or one without the tables it needs
    CannotOpen,  // the file can be neither opened nor created (SQLITE_CANTOPEN)
};

// The fault of an SQLite result code (primary or extended).
DbFault faultOfCode(int sqliteCode);
// The fault and the reason (SQLite's own words) of a failed call, read from its QSqlError.
DbFault faultOf(const QSqlError &error);
QString reasonOf(const QSqlError &error);

// Thrown for any failure of a statement after the connection is open. Caught at the
// command boundary (the CLI's main, the window's command handlers). message() is the
// reason alone ("database is locked"), fit to show; the statement is never shown.
class DatabaseError : public std::runtime_error {
public:
    explicit DatabaseError(const QSqlError &error);
    QString message() const { return m_message; }
    DbFault fault() const { return m_fault; }

private:
    QString m_message;
    DbFault m_fault;
};

// A static result set: all rows read at once, fields addressed by name without regard
// to letter case, a cursor that moves forward.
class Recordset {
public:
    Recordset() = default;
    Recordset(QStringList columns, QVector<QVector<QVariant>> rows);

    int recordCount() const { return int(m_rows.size()); }
    bool eof() const { return m_pos >= m_rows.size(); }
    void moveNext() { ++m_pos; }

    // Field of the current row; a null QVariant for a missing column, a null value or EOF.
    QVariant field(const QString &name) const;
    QString text(const QString &name) const { return field(name).toString(); }

    // A field by row and column number, for reading a whole result at once.
    QVariant value(int row, int column) const { return m_rows.value(row).value(column); }

private:
    int columnIndex(const QString &name) const;

    QStringList m_columns;
    QVector<QVector<QVariant>> m_rows;
    qsizetype m_pos = 0;
};

class Connection {
public:
    ~Connection();
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    // Opens an existing database read-only. Returns nullptr when the file is missing,
    // cannot be opened or lacks a table named in requiredTables; *reason then says which
    // ("no table collocations", "file is not a database", "database is locked").
    static std::unique_ptr<Connection> openReadOnly(const QString &path, const QStringList &requiredTables,
                                                    QString *reason = nullptr);

    // Opens a database for reading and writing; statements wait up to five seconds for a
    // lock another program holds. When createSchema is not empty and the file is missing,
    // empty (0 bytes) or holds no schema at all, the schema is created in one immediate
    // transaction, so that two programs starting at once create it once and a creation cut
    // short leaves a file the next start completes. A file is never deleted. Returns nullptr
    // when the file can be neither opened nor created, or lacks a required table; *reason
    // and *fault then say why.
    static std::unique_ptr<Connection> openReadWrite(const QString &path, const QStringList &createSchema,
                                                     const QStringList &requiredTables, QString *reason = nullptr,
                                                     DbFault *fault = nullptr);

    // Runs a query with bound parameters; the statement is prepared once per SQL text
    // and reused. Throws DatabaseError on failure.
    Recordset openRecordset(const QString &sql, const QVariantList &params = {});

    // Runs a statement that changes data; returns the number of rows affected.
    int execute(const QString &sql, const QVariantList &params = {});

    // Keeps one read transaction open for its lifetime: the lookups of a long piece of
    // work see one state of the file and skip the locking of a transaction each.
    class ReadTransaction {
    public:
        explicit ReadTransaction(Connection &c);
        ~ReadTransaction();
        ReadTransaction(const ReadTransaction &) = delete;
        ReadTransaction &operator=(const ReadTransaction &) = delete;

    private:
        QSqlDatabase m_db;
        bool m_open = false;
    };

    // Holds the write lock from its start (BEGIN IMMEDIATE): a second writer waits its turn
    // instead of failing when a deferred transaction would upgrade its lock. Rolled back
    // unless committed. Both throw DatabaseError.
    class WriteTransaction {
    public:
        explicit WriteTransaction(Connection &c);
        ~WriteTransaction();
        WriteTransaction(const WriteTransaction &) = delete;
        WriteTransaction &operator=(const WriteTransaction &) = delete;
        void commit();

    private:
        QSqlDatabase m_db;
        bool m_open = false;
    };

    QString path() const { return m_path; }
    QSqlDatabase database() const { return QSqlDatabase::database(m_name, false); }

private:
    Connection(QString name, QString path);
    QSqlQuery &prepared(const QString &sql);
    // Reads the table list; false with the reason when it cannot or a table is missing.
    static bool checkTables(QSqlDatabase &db, const QStringList &tables, QString *reason, DbFault *fault = nullptr);
    // Creates the schema in a file that holds no table yet; false with the reason otherwise.
    static bool createIfEmpty(QSqlDatabase &db, const QStringList &schema, QString *reason, DbFault *fault);

    QString m_name;
    QString m_path;
    QHash<QString, QSqlQuery *> m_statements;
};

} // namespace vocalith
