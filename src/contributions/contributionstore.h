#pragma once
// The user's own words: adding, correcting, deleting and listing them, moving them in and
// out as a TSV file, and handing them to the transcriber. Every write is one transaction:
// a write that fails leaves the stored words as they were. Writers take the file's write lock
// first, so two programs writing at once wait for each other instead of failing.

#include "engine/lexicon/lexicon.h"
#include "storage/database.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

namespace vocalith::contributions {

// Messages of the update panel (the command line prints the same).
inline const QString kNoWord = QStringLiteral("Please add the word you want to add or update.");
inline const QString kNoTranscription =
    QStringLiteral("Please add the British English and/or American English transcription.");
inline const QString kDeleteQuestion = QStringLiteral("Delete \"%1\" and its transcriptions from your words?");
inline const QString kNotStored = QStringLiteral("\"%1\" is not in your words.");
inline const QString kMarkInTranscription =
    QStringLiteral("A transcription cannot hold a tab, a line break, \"<\" or \">\": they would break the "
                   "transcriptions made with it.");
// What "Update db" and "Delete" did, in the panel's notice.
inline const QString kAdded = QStringLiteral("Added \"%1\".");
inline const QString kReplaced = QStringLiteral("Replaced the transcriptions of \"%1\".");
inline const QString kDeleted = QStringLiteral("Deleted \"%1\".");
inline const QString kExported = QStringLiteral("%1 words saved in %2.");
inline const QString kFileNotWritten = QStringLiteral("Your words could not be saved in %1: %2");
inline const QString kFileNotRead = QStringLiteral("The file %1 could not be read: %2");

// Captions and file dialogs.
inline const QString kUpdateCaption = QStringLiteral("Update db");
inline const QString kUpdateTip = QStringLiteral("Add the word or update its transcriptions");
inline const QString kRemoveCaption = QStringLiteral("Delete");
inline const QString kRemoveTip = QStringLiteral("Delete the word from your words");
inline const QString kWordCaption = QStringLiteral("Word");
inline const QString kListCaption = QStringLiteral("Your words");
inline const QString kExportCaption = QStringLiteral(u"Export my words\u2026");
inline const QString kImportCaption = QStringLiteral(u"Import my words\u2026");
inline const QString kExportDialogTitle = QStringLiteral("Export my words");
inline const QString kImportDialogTitle = QStringLiteral("Import my words");
inline const QString kTsvFilter = QStringLiteral("Tab-separated words (*.tsv *.txt);;All files (*)");
inline const QString kUseMyWords = QStringLiteral("Use my words when transcribing");
inline const QString kUseMyWordsTip =
    QStringLiteral("Words you added in the update db panel take the place of the lexicon's word list");

// The TSV file: this header line, then "word<TAB>BrE<TAB>AmE" per word, UTF-8, LF.
inline const QString kTsvHeader = QStringLiteral("word\tBrE\tAmE");
// Why an import line is refused.
inline const QString kRefusedNoWord = QStringLiteral("no word");
inline const QString kRefusedNoTranscription = QStringLiteral("no transcription");
inline const QString kRefusedColumns = QStringLiteral("wrong number of columns (%1 instead of 3)");
inline const QString kRefusedNotUtf8 = QStringLiteral("not UTF-8 text");
inline const QString kRefusedMark = QStringLiteral("\"<\", \">\" or a carriage return in a transcription");
// A file with NUL bytes, or more lines that are not UTF-8 than lines that are: refused whole.
inline const QString kImportNotText = QStringLiteral("The file is not UTF-8 text: nothing was imported.");
// The import's report: the counts, then one line per refused line.
inline const QString kImportCounts = QStringLiteral("%1 added, %2 updated, %3 refused.");
inline const QString kImportRefusedLine = QStringLiteral("line %1: %2");
inline const QString kImportMoreRefused = QStringLiteral("and %1 more.");
// The most refused lines a message box lists.
constexpr int kRefusedShown = 20;

struct Contribution {
    QString word;
    QString british;
    QString american;
    bool operator==(const Contribution &) const = default;
};

// The boxes' texts as they are stored: lower case, without surrounding spaces; in the word,
// tabs and line breaks become spaces (they would break the TSV file). A transcription keeps
// them, for refusedFor to refuse.
Contribution normalised(const QString &word, const QString &british, const QString &american);

// Why a (normalised) contribution cannot be saved. A transcription may not hold a tab, a line
// break, "<" or ">": the transcriber marks punctuation ("<.>") and unknown words with them.
enum class Refused { Nothing, NoWord, NoTranscription, MarkInBritish, MarkInAmerican };
Refused refusedFor(const Contribution &c);
// The message that refuses a (normalised) contribution, or an empty text when it can be saved.
QString refusal(const Contribution &c);

struct ImportReport {
    struct Refused {
        int line; // 1-based, the header counting as line 1
        QString reason;
    };
    int added = 0;
    int updated = 0;
    QVector<Refused> refused;
    bool notText = false; // the whole file refused, nothing imported
};

// "2 added, 1 updated, 1 refused." and a line per refused line, the first `shown` of them
// and "and N more." when there are more (all of them when shown is negative); kImportNotText
// alone for a file that is not text.
QString reportText(const ImportReport &report, int shown = -1);

class ContributionStore {
public:
    explicit ContributionStore(Connection &connection) : m_db(connection) {}

    enum class Saved { Added, Updated };
    // Adds the word, or overwrites both transcriptions of a stored one (an empty text
    // clears its column). The contribution must be normalised and not refused.
    Saved save(const Contribution &c);
    // Deletes the word as stored; false when there was none.
    bool remove(const QString &word);
    // The stored words in the list's order.
    QStringList words();
    // The stored row of a word, looked up as given and then in lower case.
    std::optional<Contribution> find(const QString &word);
    // Every stored row, in the list's order (null columns as empty texts).
    QVector<Contribution> all();

    // The words as the transcriber's word-list overlay: each accent's column when not empty.
    QHash<QString, WordRow> overlay();

    // Adds or updates every acceptable line of a TSV file (never deletes) in one
    // transaction; refused lines are reported and skipped. An empty column leaves the stored
    // transcription as it was (the panel and save() replace both). A database failure throws
    // DatabaseError and nothing is changed.
    ImportReport importTsv(const QByteArray &tsv);
    // The header line and every stored word.
    QByteArray exportTsv();

    // exportTsv into a file, replaced atomically, and the number of words in *count. False
    // with *error set when the file cannot be written.
    bool exportFile(const QString &path, QString *error, int *count = nullptr);

    // The file of the words, for messages.
    QString path() const { return m_db.path(); }

private:
    // Empty columns of the contribution clear the stored ones (Replace) or leave them (Keep).
    enum class Empty { Replace, Keep };
    Saved write(const Contribution &c, Empty empty);
    template <typename Work>
    auto inTransaction(Work work);

    Connection &m_db;
};

// The whole content of a file, or nullopt with *error set (the message for the user).
std::optional<QByteArray> readFile(const QString &path, QString *error);

} // namespace vocalith::contributions
