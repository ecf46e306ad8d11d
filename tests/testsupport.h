#pragma once
// Helpers shared by the tests: fixture lexicons and the built executables.

#include "engine/lexicon/database.h"
#include "engine/lexicon/schema.h"

#include <QDir>
#include <QString>
#include <QtTest>
#include <memory>

namespace vocalith::test {

inline QString fixturePath(const QString &name) {
    return QDir(qEnvironmentVariable("VOCALITH_FIXTURES")).filePath(name + QStringLiteral(".sqlite"));
}

inline std::unique_ptr<Connection> openFixture(const QString &name) {
    return Connection::openReadOnly(fixturePath(name), schema::lexiconRequiredTables());
}

inline QString binPath(const QString &program) { return QDir(qEnvironmentVariable("VOCALITH_BIN")).filePath(program); }

// Writes the bytes to a new file and returns its path.
inline QString writeFile(const QString &path, const QByteArray &content) {
    QFile f(path);
    [&] { QVERIFY2(f.open(QIODevice::WriteOnly) && f.write(content) == content.size(), qPrintable(path)); }();
    return path;
}

} // namespace vocalith::test
