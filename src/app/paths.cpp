#include "app/paths.h"

#include "app/settings.h"
#include "app/work.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace vocalith {

const QString kLexiconFileName = QStringLiteral("VocalithDB.sqlite");
const QString kContributionsFileName = QStringLiteral("ContributionDB.sqlite");

namespace {
QString programFolder() { return QCoreApplication::applicationDirPath(); }

// Tries to create a file there: permission bits alone do not tell about read-only mounts.
bool isWritableFolder(const QString &folder) {
    if (!QFileInfo(folder).isDir())
        return false;
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".vocalith-XXXXXX")));
    return probe.open();
}
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

QString chooseDataFolder(const QString &programFolder, const QString &userFolder) {
    if (isWritableFolder(programFolder))
        return programFolder;
    QDir().mkpath(userFolder);
    return userFolder;
}

QString dataFolder() {
    return chooseDataFolder(programFolder(), QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

QString contributionsPath(const QString &explicitPath) {
    if (!explicitPath.isEmpty())
        return explicitPath;
    return QDir(dataFolder()).filePath(kContributionsFileName);
}

QString settingsPath() { return QDir(dataFolder()).filePath(kSettingsFileName); }

QString workPath() { return QDir(dataFolder()).filePath(kWorkFileName); }

} // namespace vocalith
