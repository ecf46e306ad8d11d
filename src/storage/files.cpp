#include "storage/files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vocalith {

const QString kDamagedSuffix = QStringLiteral(".damaged");

namespace {

const QString kNotRegularFile = QStringLiteral("not a regular file");
const QString kLargerThan = QStringLiteral("larger than %1 MB");

// Writes every byte to the descriptor; false with errno set when a write fails.
bool writeAll(int fd, const char *data, qint64 size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size_t(std::min<qint64>(size, qint64(1) << 30)));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
        data += n;
        size -= n;
    }
    return true;
}

// A new file beside target, open for writing, with its name; -1 with errno set when none
// can be made.
int createTemporary(const QString &target, QByteArray &name) {
    const QFileInfo info(target);
    const QString stem = info.dir().filePath(QLatin1Char('.') + info.fileName() + QLatin1Char('.'));
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = QFile::encodeName(stem + QString::number(QRandomGenerator::global()->generate(), 36));
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

} // namespace

QString systemReason(int error) { return qt_error_string(error); }

bool writeFileAtomically(const QString &path, const QByteArray &bytes, QString *error) {
    auto fail = [&](const QString &reason) {
        if (error)
            *error = reason;
        return false;
    };
    // A link is followed: the file it points to gets the bytes, the link stays.
    const QFileInfo info(path);
    const QString target = info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
    struct stat old {};
    const bool replacing = ::stat(QFile::encodeName(target).constData(), &old) == 0;
    if (!replacing && errno != ENOENT)
        return fail(systemReason(errno));
    if (replacing && !S_ISREG(old.st_mode))
        return fail(S_ISDIR(old.st_mode) ? systemReason(EISDIR) : kNotRegularFile);

    QByteArray temporary;
    int fd = createTemporary(target, temporary);
    if (fd < 0)
        return fail(systemReason(errno));
    bool written = (!replacing || ::fchmod(fd, old.st_mode & 07777) == 0) &&
                   writeAll(fd, bytes.constData(), bytes.size()) && ::fsync(fd) == 0;
    int reason = written ? 0 : errno;
    // Some file systems report a failed write only when the file is closed.
    if (::close(fd) != 0 && written && errno != EINTR) {
        written = false;
        reason = errno;
    }
    if (written && ::rename(temporary.constData(), QFile::encodeName(target).constData()) != 0) {
        written = false;
        reason = errno;
    }
    if (!written) {
        ::unlink(temporary.constData());
        return fail(systemReason(reason));
    }
    // The new name itself reaches the disk with the folder.
    fd = ::open(QFile::encodeName(info.absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
    return true;
}

RegularFileRead readRegularFile(const QString &path, qint64 maxBytes) {
    RegularFileRead r;
    auto unreadable = [&](const QString &reason) {
        r.state = RegularFileRead::State::Unreadable;
        r.reason = reason;
        return r;
    };
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    if (::stat(name.constData(), &st) != 0)
        return errno == ENOENT ? r : unreadable(systemReason(errno));
    // Checked before opening: opening a FIFO waits for a writer.
    if (!S_ISREG(st.st_mode))
        return unreadable(kNotRegularFile);
    const QString tooLarge = kLargerThan.arg(maxBytes / (1024 * 1024));
    r.tooLarge = st.st_size > maxBytes;
    if (r.tooLarge)
        return unreadable(tooLarge);
    // Without waiting, should the name have been replaced by a FIFO since.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return unreadable(systemReason(errno));
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return unreadable(file.errorString());
    }
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
        return unreadable(kNotRegularFile);
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return unreadable(file.errorString());
    r.tooLarge = bytes.size() > maxBytes; // it grew since
    if (r.tooLarge)
        return unreadable(tooLarge);
    r.state = RegularFileRead::State::Read;
    r.bytes = std::move(bytes);
    return r;
}

QString setAsideDamaged(const QString &path, const QString &reason, const QString &kept, const QString &notKept) {
    const QString aside = path + kDamagedSuffix;
    // rename itself: it never opens the file, which may be a FIFO.
    if (::rename(QFile::encodeName(path).constData(), QFile::encodeName(aside).constData()) != 0)
        return notKept.arg(reason);
    return kept.arg(reason, QFileInfo(aside).fileName());
}

} // namespace vocalith
