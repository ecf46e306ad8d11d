#pragma once
// The user's own files (settings, work in progress, word list) live in the user's data
// folder. Older versions kept them beside the program; they are brought over here.

#include <QString>
#include <QStringList>

namespace vocalith {

// The status line's texts about files found beside the program.
extern const QString kUserFilesMoved;   // %1 file names, %2 the data folder
extern const QString kUserFilesCopied;  // %1 file names, %2 the data folder, %3 the reason
extern const QString kUserFileSetAside; // %1 file name, %2 its new name, %3 the data folder
extern const QString kUserFileInPlace;  // %1 file name, %2 the data folder, %3 the reason
extern const QString kBesideProgramSuffix;

struct UserFiles {
    QString settings;
    QString work;
    QString contributions;
    QString notice; // what was done with files beside the program; empty when nothing
};

// Brings the settings, the work in progress and the word list found in programFolder into
// userFolder (created when missing) and gives the path of each to use.
// - A file is moved with a rename that never replaces a file; across file systems it is
//   copied through the checked writer, and the original removed only once the copy is in
//   place and the original has not changed meanwhile. Two programs starting at once each
//   see either the file beside the program or the moved one, never a half-made one.
// - When the program's folder does not let the file go (read-only), it is copied and the
//   original stays.
// - When userFolder also has the file, userFolder's is used and the other is renamed
//   "<name>.beside-program" (then ".beside-program.2" …) so that it is never taken again.
// - When the file cannot be brought over at all (no data folder, a full disk), or a word
//   list still has SQLite's journal beside it, it is used where it is.
// Nothing is ever deleted except the original of a checked copy.
UserFiles settleUserFiles(const QString &programFolder, const QString &userFolder);

// settleUserFiles for this program's folder and the per-user application data folder, done
// once per process.
const UserFiles &userFiles();

} // namespace vocalith
