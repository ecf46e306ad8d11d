#include "contributions/contributiondb.h"

#include "contributions/messages.h"

#include <QDir>
#include <QFileInfo>

namespace vocalith::contributions {

QStringList schema() {
    return {QStringLiteral(
        "CREATE TABLE IF NOT EXISTS words (word TEXT NOT NULL COLLATE NOCASE PRIMARY KEY, BrE TEXT, AmE TEXT)")};
}

namespace {
QString shownPath(const QString &path) { return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()); }
} // namespace

std::unique_ptr<Connection> open(const QString &path, Failure *failure) {
    QString reason;
    DbFault fault = DbFault::Other;
    auto connection = Connection::openReadWrite(path, schema(), {QStringLiteral("words")}, &reason, &fault);
    if (!connection && failure)
        *failure = {messages::kWordsNotOpened.arg(shownPath(path)), faultText(fault, reason)};
    return connection;
}

QString faultText(DbFault fault, const QString &reason) {
    switch (fault) {
    case DbFault::Locked:
        return messages::kWordsLocked;
    case DbFault::ReadOnly:
        return messages::kWordsReadOnly;
    case DbFault::Full:
        return messages::kWordsFull;
    case DbFault::InputOutput:
        return messages::kWordsInputOutput.arg(reason);
    case DbFault::Damaged:
        return messages::kWordsDamaged.arg(reason);
    case DbFault::CannotOpen:
        return messages::kWordsCannotOpen.arg(reason);
    case DbFault::Other:
        break;
    }
    return reason;
}

Failure failureOf(const QString &path, const DatabaseError &error, Access access) {
    const QString &head = access == Access::Write ? messages::kWordsNotChanged : messages::kWordsNotRead;
    return {head.arg(shownPath(path)), faultText(error.fault(), error.message())};
}

} // namespace vocalith::contributions
