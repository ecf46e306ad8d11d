#include "app/paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace vocalith {

const QString kLexiconFileName = QStringLiteral("VocalithDB.sqlite");
const QString kContributionsFileName = QStringLiteral("ContributionDB.sqlite");

namespace {
QString programFolder() { return QCoreApplication::applicationDirPath(); }

bool isWritableFolder(const QString &folder) {
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable();
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

QString dataFolder() {
    if (isWritableFolder(programFolder()))
        return programFolder();
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(folder);
    return folder;
}

QString contributionsPath(const QString &explicitPath) {
    if (!explicitPath.isEmpty())
        return explicitPath;
    return QDir(dataFolder()).filePath(kContributionsFileName);
}

QString settingsPath() { return QDir(dataFolder()).filePath(QStringLiteral("vocalith.xml")); }

} // namespace vocalith
