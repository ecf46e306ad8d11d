#include "contributions/contributiondb.h"

namespace vocalith::contributions {

QStringList schema() {
    return {QStringLiteral("CREATE TABLE words (word TEXT NOT NULL COLLATE NOCASE PRIMARY KEY, BrE TEXT, AmE TEXT)")};
}

std::unique_ptr<Connection> open(const QString &path, QString *reason) {
    return Connection::openReadWrite(path, schema(), {QStringLiteral("words")}, reason);
}

} // namespace vocalith::contributions
