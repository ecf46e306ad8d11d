#pragma once
// Read access to the lexicon tables that word transcription needs. The lexicon is
// read-only, so lookups are remembered: the same word is never queried twice while the
// memo lives, and every answer equals what the query gives.

#include "engine/accent.h"
#include "engine/lexicon/database.h"

#include <QHash>
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

class Lexicon {
public:
    explicit Lexicon(Connection &connection) : m_db(connection) {}

    // Rows of "SELECT * FROM collocations WHERE word = ?", in the order the database gives.
    const QVector<CollocationRow> &collocations(const QString &word);
    // First row of "SELECT * FROM functionwords WHERE word = ?", if any.
    const std::optional<FunctionWordRow> &functionWord(const QString &word);
    // First row of "SELECT BrE, AmE FROM words WHERE word = ?", if any.
    const std::optional<WordRow> &word(const QString &word);

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
};

} // namespace vocalith
