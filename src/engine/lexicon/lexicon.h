#pragma once
// Read access to the lexicon tables that word transcription needs. The lexicon is
// read-only, so lookups are remembered: the same word is never queried twice while the
// memo lives, and every answer equals what the query gives.

#include "pronunciation/accent.h"
#include "storage/database.h"

#include <QHash>
#include <algorithm>
#include <array>
#include <optional>
#include <unordered_map>

namespace vocalith {

using OptText = std::optional<QString>;

struct CollocationRow {
    OptText previous, following, after, before;
    std::array<OptText, 2> transcription; // indexed by Accent
};

enum class FunctionForm { Weak, Strong, AtBeginning, AtEnd, BeforeVowel, BeforeConsonant };

struct FunctionWordRow {
    std::array<std::array<OptText, 6>, 2> forms; // [accent][form]
    const OptText &form(Accent a, FunctionForm f) const { return forms[int(a)][int(f)]; }
};

struct WordRow {
    std::array<OptText, 2> transcription; // indexed by Accent
};

// A known abbreviation: the words it is read as and where its full stop may stand without
// ending the sentence.
struct Abbreviation {
    enum Kind {
        MayEnd,       // "etc.": the stop also ends the sentence before a capital letter
        Within,       // "Mr.", "e.g.": inside a sentence, even before a capital letter
        BeforeNumber, // "No.": only with its stop and before a number ("No. 5")
    };
    QString words;
    Kind kind = MayEnd;
};

// The abbreviations table by the abbreviation as written, in lower case: "mr" (with or
// without a full stop), "e.g." and "col." (only with it).
class Abbreviations {
public:
    const Abbreviation *find(const QString &written) const;
    void insert(const QString &written, const Abbreviation &row) {
        m_rows.insert(written, row);
        m_longest = std::max(m_longest, written.size());
    }
    bool isEmpty() const { return m_rows.isEmpty(); }
    // The length of the longest abbreviation as written: longer words need no lookup.
    qsizetype longest() const { return m_longest; }

private:
    QHash<QString, Abbreviation> m_rows;
    qsizetype m_longest = 0;
};

class Lexicon {
public:
    explicit Lexicon(Connection &connection) : m_db(connection) {}

    // Rows of "SELECT * FROM collocations WHERE word = ?", in the order the database gives.
    const QVector<CollocationRow> &collocations(const QString &word);
    // First row of "SELECT * FROM functionwords WHERE word = ?", if any.
    const std::optional<FunctionWordRow> &functionWord(const QString &word);
    // First row of "SELECT BrE, AmE FROM words WHERE word = ?", if any; with an overlay
    // set, the overlay's text of each accent it has one for instead of the row's.
    const std::optional<WordRow> &word(const QString &word);

    // Words that take the word list's place in word() (the user's own words), keyed like
    // the words table (ASCII letters in either case). An accent without a text in the
    // overlay keeps the word list's. An empty overlay sets none.
    void setWordOverlay(const QHash<QString, WordRow> &rows);

    // The optional abbreviations table, read whole; empty for a lexicon without one.
    const Abbreviations &abbreviations();

    // Value of a metadata attribute; nullopt for a missing row or a null value.
    OptText metadata(const QString &attribute);

    void clearMemo();
    // Number of words remembered, and forgetting them while the small tables read whole
    // stay (a long run's memory bound).
    size_t memoSize() const { return m_entries.size(); }
    void forgetWords();
    Connection &connection() { return m_db; }

private:
    // Everything looked up for one word; each table is queried when first asked for.
    struct Entry {
        std::optional<QVector<CollocationRow>> collocations;
        std::optional<std::optional<FunctionWordRow>> functionWord;
        std::optional<std::optional<WordRow>> word;
        std::optional<std::optional<WordRow>> overlaid; // word with the overlay applied
    };
    Entry &entry(const QString &word);
    template <typename Row, typename Make>
    bool preload(const QString &table, std::optional<std::unordered_map<QString, QVector<Row>>> &into, Make make);

    Connection &m_db;
    // Node-based map: references handed out stay valid while lookups add entries.
    std::unordered_map<QString, Entry> m_entries;
    // The rules ask about the same word several times in a row; this skips the hashing.
    QString m_lastWord;
    Entry *m_lastEntry = nullptr;
    // Small tables read whole, by NOCASE key; unset while not read.
    std::optional<std::unordered_map<QString, QVector<CollocationRow>>> m_allCollocations;
    std::optional<std::unordered_map<QString, QVector<FunctionWordRow>>> m_allFunctionWords;
    QStringList m_preloadTried;
    std::optional<Abbreviations> m_abbreviations;
    std::unordered_map<QString, WordRow> m_overlay; // by NOCASE key
};

} // namespace vocalith
