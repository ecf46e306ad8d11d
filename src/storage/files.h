#pragma once
// The checked file writer and reader of the programs: every file they save is written whole
// or not at all, and a file they read is read only when it is a regular file of a bounded size.

#include <QByteArray>
#include <QString>

namespace vocalith {

// The one writer of every file the programs save. Writes the bytes to a new temporary file
// beside path, checking every write, flushes them to the disk and renames the file over path
// (keeping the permissions of a file that was there), so that a full disk or any other
// failure leaves the previous file as it was and no temporary file behind. Returns false
// with the system's reason ("No space left on device").
bool writeFileAtomically(const QString &path, const QByteArray &bytes, QString *error = nullptr);

// A whole file read only when it is a regular file (a FIFO or a device could block the
// program for ever) of at most maxBytes.
struct RegularFileRead {
    enum class State { Missing, Read, Unreadable } state = State::Missing;
    QByteArray bytes;      // when Read
    QString reason;        // when Unreadable
    bool tooLarge = false; // Unreadable for its size
};
RegularFileRead readRegularFile(const QString &path, qint64 maxBytes);

// Appended to the name of a file that could not be read when it is set aside.
extern const QString kDamagedSuffix;
// Renames a file that could not be read out of the way (replacing one set aside before), so
// that the next save does not overwrite it, and returns the status line's text: kept (%1
// the reason, %2 the new name) or, when it stays where it is, notKept (%1 the reason).
QString setAsideDamaged(const QString &path, const QString &reason, const QString &kept, const QString &notKept);

// The system's words for an errno value ("No such file or directory").
QString systemReason(int error);

} // namespace vocalith
