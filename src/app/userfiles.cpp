#include "app/userfiles.h"

#include "app/paths.h"
#include "app/settings.h"
#include "storage/files.h"
#include "app/work.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace vocalith {

const QString kUserFilesMoved = QStringLiteral("Your files %1 were beside the program; they are now in %2.");
const QString kUserFilesCopied =
    QStringLiteral("Your files %1 were copied from beside the program to %2, where they are used from now on; "
                   "the originals stay beside the program (%3).");
const QString kUserFileSetAside = QStringLiteral("%1 beside the program was kept as %2; the one in %3 is used.");
const QString kUserFileInPlace = QStringLiteral("%1 stays beside the program: it cannot be brought to %2 (%3).");
const QString kBesideProgramSuffix = QStringLiteral(".beside-program");

namespace {

const QString kJournalBeside = QStringLiteral("SQLite's journal is beside it: it is moved at a later start");
const QString kChangedWhileCopied = QStringLiteral("it changed while it was copied");
const QString kNoUserFolder = QStringLiteral("there is no home folder");

QByteArray encoded(const QString &path) { return QFile::encodeName(path); }

bool lstatPath(const QString &path, struct stat &st) { return ::lstat(encoded(path).constData(), &st) == 0; }

// True also when it cannot be told: a file that may be there is never written over.
bool mayExist(const QString &path) {
    struct stat st {};
    return lstatPath(path, st) || errno != ENOENT;
}

bool sameFile(const struct stat &a, const struct stat &b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino && a.st_size == b.st_size &&
           a.st_mtim.tv_sec == b.st_mtim.tv_sec && a.st_mtim.tv_nsec == b.st_mtim.tv_nsec;
}

// The new name reaches the disk with its folder.
void syncFolder(const QString &folder) {
    const int fd = ::open(encoded(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// A rename that fails with EEXIST rather than replace a file at to (errno tells why).
bool renameNoReplace(const QString &from, const QString &to) {
    const QByteArray f = encoded(from), t = encoded(to);
    if (::renameat2(AT_FDCWD, f.constData(), AT_FDCWD, t.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // A file system without RENAME_NOREPLACE: a hard link is just as exclusive.
    if (::link(f.constData(), t.constData()) != 0)
        return false;
    ::unlink(f.constData());
    return true;
}

enum class Copy { Done, Exists, Failed };

// The file's bytes to the absent path `to` through the checked writer, then into place
// without replacing a file that appeared there meanwhile.
Copy copyNoReplace(const QString &from, const QString &to, const struct stat &before, QString &reason) {
    QFile in(from);
    if (!in.open(QIODevice::ReadOnly)) {
        reason = in.errorString();
        return Copy::Failed;
    }
    const QByteArray bytes = in.readAll();
    if (in.error() != QFileDevice::NoError || bytes.size() != before.st_size) {
        reason = in.errorString();
        return Copy::Failed;
    }
    const QString temporary = to + QStringLiteral(".moving-%1").arg(QCoreApplication::applicationPid());
    if (!writeFileAtomically(temporary, bytes, &reason))
        return Copy::Failed;
    if (renameNoReplace(temporary, to))
        return Copy::Done;
    const int error = errno;
    ::unlink(encoded(temporary).constData());
    reason = qt_error_string(error);
    return error == EEXIST ? Copy::Exists : Copy::Failed;
}

enum class Outcome { Untouched, Moved, Copied, SetAside, InPlace };

struct Settled {
    QString path;
    Outcome outcome = Outcome::Untouched;
    QString detail = {}; // the new name (SetAside) or the reason (Copied, InPlace)
};

// Both places have the file: the data folder's is used, the other renamed out of the way
// (left as it is when its folder does not allow that, or gone when another program did it).
Settled setAside(const QString &beside, const QString &mine) {
    for (int n = 1; n <= 99; ++n) {
        const QString aside = beside + kBesideProgramSuffix + (n > 1 ? QStringLiteral(".%1").arg(n) : QString());
        if (renameNoReplace(beside, aside)) {
            syncFolder(QFileInfo(beside).absolutePath());
            return {mine, Outcome::SetAside, QFileInfo(aside).fileName()};
        }
        if (errno != EEXIST)
            break;
    }
    return {mine};
}

Settled settleFile(const QString &name, const QDir &program, const QDir &user, const QString &userProblem) {
    const QString beside = program.filePath(name);
    const QString mine = user.filePath(name);
    struct stat before {};
    if (!lstatPath(beside, before) || !S_ISREG(before.st_mode))
        return {mine};
    // A word list with a journal beside it may be half-written: only the two together are
    // whole, so SQLite finishes or rolls back there first.
    if (name == kContributionsFileName &&
        (mayExist(beside + QStringLiteral("-journal")) || mayExist(beside + QStringLiteral("-wal"))))
        return {beside, Outcome::InPlace, kJournalBeside};
    if (!userProblem.isEmpty())
        return {beside, Outcome::InPlace, userProblem};
    if (mayExist(mine))
        return setAside(beside, mine);
    if (renameNoReplace(beside, mine)) {
        syncFolder(user.absolutePath());
        syncFolder(program.absolutePath());
        return {mine, Outcome::Moved};
    }
    const int renameError = errno;
    if (renameError == ENOENT) // another program has just moved it
        return {mine};
    if (renameError == EEXIST) // another program has just put one there
        return setAside(beside, mine);
    // Another file system, or a folder that does not let the file go: a checked copy.
    QString reason;
    switch (copyNoReplace(beside, mine, before, reason)) {
    case Copy::Exists:
        return setAside(beside, mine);
    case Copy::Failed:
        return {beside, Outcome::InPlace, reason};
    case Copy::Done:
        break;
    }
    syncFolder(user.absolutePath());
    if (renameError != EXDEV) // the program's folder does not let it go
        return {mine, Outcome::Copied, qt_error_string(renameError)};
    // The original goes only when the copy holds all of it: not changed since it was read.
    struct stat now {};
    if (!lstatPath(beside, now) || !sameFile(before, now))
        return {mine, Outcome::Copied, kChangedWhileCopied};
    if (::unlink(encoded(beside).constData()) != 0)
        return {mine, Outcome::Copied, qt_error_string(errno)};
    syncFolder(program.absolutePath());
    return {mine, Outcome::Moved};
}

// Creates the folder; the reason when that fails.
QString makeFolder(const QString &folder) {
    if (folder.isEmpty())
        return kNoUserFolder;
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(encoded(folder).toStdString()), error);
    if (error)
        return QString::fromLocal8Bit(error.message());
    if (!QFileInfo(folder).isDir())
        return qt_error_string(ENOTDIR);
    return {};
}

} // namespace

UserFiles settleUserFiles(const QString &programFolder, const QString &userFolder) {
    const QString problem = makeFolder(userFolder);
    const QDir program(programFolder);
    // Without a data folder, files that are not beside the program go there too.
    const QDir user(userFolder.isEmpty() ? programFolder : userFolder);
    const bool sameFolder =
        problem.isEmpty() && QFileInfo(programFolder).canonicalFilePath() == QFileInfo(userFolder).canonicalFilePath();
    const QString shownFolder = QDir::toNativeSeparators(user.absolutePath());

    UserFiles files;
    QStringList moved, copied, sentences;
    QString copyReason;
    const std::pair<QString, QString *> wanted[] = {{kSettingsFileName, &files.settings},
                                                    {kWorkFileName, &files.work},
                                                    {kContributionsFileName, &files.contributions}};
    for (const auto &[name, path] : wanted) {
        if (sameFolder) {
            *path = user.filePath(name);
            continue;
        }
        const Settled s = settleFile(name, program, user, problem);
        *path = s.path;
        switch (s.outcome) {
        case Outcome::Untouched:
            break;
        case Outcome::Moved:
            moved << name;
            break;
        case Outcome::Copied:
            copied << name;
            copyReason = s.detail;
            break;
        case Outcome::SetAside:
            sentences << kUserFileSetAside.arg(name, s.detail, shownFolder);
            break;
        case Outcome::InPlace:
            sentences << kUserFileInPlace.arg(name, shownFolder, s.detail);
            break;
        }
    }
    if (!copied.isEmpty())
        sentences.prepend(kUserFilesCopied.arg(copied.join(QStringLiteral(", ")), shownFolder, copyReason));
    if (!moved.isEmpty())
        sentences.prepend(kUserFilesMoved.arg(moved.join(QStringLiteral(", ")), shownFolder));
    files.notice = sentences.join(QLatin1Char(' '));
    return files;
}

const UserFiles &userFiles() {
    static const UserFiles files = settleUserFiles(QCoreApplication::applicationDirPath(),
                                                   QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    return files;
}

} // namespace vocalith
