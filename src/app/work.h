#pragma once
// The work in progress, kept between two sessions of the program in work.json in the data
// folder: the input text, the stored transcription with the accent of the run that made
// it, the editor's text and the recently used symbols.
//
// The file is a JSON object:
//   {"vocalith-work": 1, "input": "...", "stored": "...", "accent": "BrE" | "AmE" | "",
//    "editor": "...", "recent": [{"symbol": "ʃ", "tooltip": "..."}, ...]}
// Texts keep their CR LF line breaks; "recent" lists symbol buttons 1 to 12 in order.
// A missing member is empty; a member of the wrong type makes the file unreadable.

#include "editor/keyboard.h"
#include "pronunciation/accent.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace vocalith {

extern const QString kWorkFileName; // "work.json"
// Largest work file read: far more than a session's text (a file set aside says so).
constexpr qint64 kMaxWorkBytes = 64 * 1024 * 1024;
// Status line texts: the file could not be read (%1 reason, %2 where it was kept, or the
// plain text when it could not be kept); the work could not be saved (%1 reason).
extern const QString kWorkDamagedKept;
extern const QString kWorkDamaged;
extern const QString kWorkNotSaved;

struct WorkInProgress {
    QString input;                             // txtWords
    QString stored;                            // StoredTranscription
    std::optional<Accent> transcriptionAccent; // of the run that made stored, when known
    QString editor;                            // txtText
    RecentSymbols recent;
    bool operator==(const WorkInProgress &) const = default;
};

QByteArray workDocument(const WorkInProgress &work);
// The work of a file's content; nullopt with the reason for content that is not a work
// file of this version.
std::optional<WorkInProgress> parseWork(const QByteArray &content, QString *reason = nullptr);

enum class WorkFileState { Missing, Read, Damaged };
struct WorkRead {
    WorkFileState state = WorkFileState::Missing;
    WorkInProgress work; // empty unless Read
    QString reason;      // why a damaged file could not be read
};
// Damaged also for a file that is not a regular file or is larger than kMaxWorkBytes;
// setAsideDamaged keeps it from the next save.
WorkRead readWork(const QString &path);

// Writes the file with the checked writer (a failed save leaves the previous file). False
// with the reason.
bool writeWork(const QString &path, const WorkInProgress &work, QString *error = nullptr);

} // namespace vocalith
