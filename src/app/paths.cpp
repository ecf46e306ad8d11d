#include "app/paths.h"

#include "app/userfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace vocalith {

const QString kLexiconFileName = QStringLiteral("VocalithDB.sqlite");
const QString kContributionsFileName = QStringLiteral("ContributionDB.sqlite");

namespace {
QString programFolder() { return QCoreApplication::applicationDirPath(); }
} // namespace

QString lexiconPath(const QString &explicitPath) {
    if (!explicitPath.isEmpty())
        return explicitPath;
    const QString fromEnv = qEnvironmentVariable("VOCALITH_LEXICON");
    if (!fromEnv.isEmpty())
        return fromEnv;
    const QString beside = QDir(programFolder()).filePath(kLexiconFileName);
    if (QFileInfo::exists(beside))
        return beside;
    const QString shared = QDir(programFolder()).filePath(QStringLiteral("../share/vocalith/") + kLexiconFileName);
    if (QFileInfo::exists(shared))
        return QDir::cleanPath(shared);
    return beside;
}

QString contributionsPath(const QString &explicitPath) {
    if (!explicitPath.isEmpty())
        return explicitPath;
    return userFiles().contributions;
}

QString settingsPath() { return userFiles().settings; }

QString workPath() { return userFiles().work; }

} // namespace vocalith
