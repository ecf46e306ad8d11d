#pragma once
// The contribution database: the user's own words with their British and American
// transcriptions, one row per word, in a file of its own beside the settings.

#include "storage/database.h"

#include <QStringList>
#include <memory>

namespace vocalith::contributions {

// CREATE statements of a new contribution file (each may run again on a file that has them).
QStringList schema();

// What the user is told when the word list fails: a line naming the file and what could not
// be done, then the reason.
struct Failure {
    QString head;
    QString reason;
    QString text() const { return head + QLatin1Char('\n') + reason; }
};

// Opens the contribution file for reading and writing, creating it with its schema when it
// is missing or empty. nullptr when it can be neither opened nor created (*failure says why).
std::unique_ptr<Connection> open(const QString &path, Failure *failure = nullptr);

// The reason of a failure of the word list, in words the user can act on: a fixed text for
// the faults the user can mend, SQLite's own words (never a statement) for the others.
QString faultText(DbFault fault, const QString &reason);

// What the user is told when a read or a write of the word list in path fails.
enum class Access { Read, Write };
Failure failureOf(const QString &path, const DatabaseError &error, Access access);

} // namespace vocalith::contributions
