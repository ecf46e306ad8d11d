#include "engine/lexicon/lexicon.h"

namespace vocalith {

namespace {
OptText optText(const Recordset &rs, const QString &column) {
    const QVariant v = rs.field(column);
    if (v.isNull())
        return std::nullopt;
    return v.toString();
}

const QString kFormSuffix[6] = {QStringLiteral("_Weak"),        QStringLiteral("_Strong"),
                                QStringLiteral("_AtBeginning"), QStringLiteral("_AtEnd"),
                                QStringLiteral("_BeforeVowel"), QStringLiteral("_BeforeConsonant")};
// Tables up to this many rows are read whole on first use instead of word by word.
constexpr int kPreloadLimit = 20000;

// The key under which SQLite's NOCASE collation compares: ASCII letters folded only.
QString nocaseKey(const QString &word) {
    QString key = word;
    for (QChar &c : key)
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() + 32);
    return key;
}

CollocationRow collocationRow(const Recordset &rs) {
    CollocationRow r;
    r.previous = optText(rs, QStringLiteral("PREVIOUSWORD"));
    r.following = optText(rs, QStringLiteral("FOLLOWINGWORD"));
    r.after = optText(rs, QStringLiteral("AFTER"));
    r.before = optText(rs, QStringLiteral("BEFORE"));
    r.transcription[int(Accent::BrE)] = optText(rs, QStringLiteral("BrE"));
    r.transcription[int(Accent::AmE)] = optText(rs, QStringLiteral("Ame"));
    return r;
}

FunctionWordRow functionWordRow(const Recordset &rs) {
    FunctionWordRow row;
    for (Accent a : {Accent::BrE, Accent::AmE})
        for (int f = 0; f < 6; ++f)
            row.forms[int(a)][f] = optText(rs, accentCode(a) + kFormSuffix[f]);
    return row;
}

} // namespace

// Reads a small table whole, keeping its rows per word in the order the table gives
// them, which is the order the lookup by word gives. A large table stays unread.
template <typename Row, typename Make>
bool Lexicon::preload(const QString &table, std::optional<std::unordered_map<QString, QVector<Row>>> &into, Make make) {
    if (into)
        return true;
    if (m_preloadTried.contains(table))
        return false;
    m_preloadTried << table;
    Recordset count = m_db.openRecordset(QStringLiteral("SELECT COUNT(*) AS n FROM ") + table);
    if (count.field(QStringLiteral("n")).toLongLong() > kPreloadLimit)
        return false;
    Recordset rs = m_db.openRecordset(QStringLiteral("SELECT * FROM ") + table);
    std::unordered_map<QString, QVector<Row>> rows;
    for (; !rs.eof(); rs.moveNext())
        rows[nocaseKey(rs.text(QStringLiteral("word")))].push_back(make(rs));
    into = std::move(rows);
    return true;
}

Lexicon::Entry &Lexicon::entry(const QString &word) {
    if (m_lastEntry && word == m_lastWord)
        return *m_lastEntry;
    auto it = m_entries.find(word);
    if (it == m_entries.end())
        it = m_entries.emplace(word, Entry{}).first;
    m_lastWord = word;
    m_lastEntry = &it->second;
    return it->second;
}

const QVector<CollocationRow> &Lexicon::collocations(const QString &word) {
    Entry &e = entry(word);
    if (e.collocations)
        return *e.collocations;
    if (preload(QStringLiteral("collocations"), m_allCollocations, collocationRow)) {
        const auto it = m_allCollocations->find(nocaseKey(word));
        e.collocations = it == m_allCollocations->end() ? QVector<CollocationRow>() : it->second;
        return *e.collocations;
    }
    Recordset rs = m_db.openRecordset(QStringLiteral("SELECT * FROM collocations WHERE word = ?"), {word});
    QVector<CollocationRow> rows;
    for (; !rs.eof(); rs.moveNext())
        rows.push_back(collocationRow(rs));
    e.collocations = std::move(rows);
    return *e.collocations;
}

const std::optional<FunctionWordRow> &Lexicon::functionWord(const QString &word) {
    Entry &e = entry(word);
    if (e.functionWord)
        return *e.functionWord;
    if (preload(QStringLiteral("functionwords"), m_allFunctionWords, functionWordRow)) {
        const auto it = m_allFunctionWords->find(nocaseKey(word));
        e.functionWord =
            it == m_allFunctionWords->end() ? std::nullopt : std::optional<FunctionWordRow>(it->second.front());
        return *e.functionWord;
    }
    Recordset rs = m_db.openRecordset(QStringLiteral("SELECT * FROM functionwords WHERE word = ?"), {word});
    std::optional<FunctionWordRow> row;
    if (rs.recordCount() > 0)
        row = functionWordRow(rs);
    e.functionWord = std::move(row);
    return *e.functionWord;
}

const std::optional<WordRow> &Lexicon::word(const QString &word) {
    Entry &e = entry(word);
    if (!e.word) {
        Recordset rs = m_db.openRecordset(QStringLiteral("SELECT BrE, AmE FROM words WHERE word = ?"), {word});
        std::optional<WordRow> row;
        if (rs.recordCount() > 0) {
            row.emplace();
            row->transcription[int(Accent::BrE)] = optText(rs, QStringLiteral("BrE"));
            row->transcription[int(Accent::AmE)] = optText(rs, QStringLiteral("AmE"));
        }
        e.word = std::move(row);
    }
    if (m_overlay.empty())
        return *e.word;
    if (!e.overlaid) {
        const auto it = m_overlay.find(nocaseKey(word));
        if (it == m_overlay.end()) {
            e.overlaid = *e.word;
        } else {
            WordRow merged = it->second;
            for (size_t a = 0; a < merged.transcription.size(); ++a)
                if (!merged.transcription[a] && *e.word)
                    merged.transcription[a] = (*e.word)->transcription[a];
            e.overlaid = std::optional<WordRow>(merged);
        }
    }
    return *e.overlaid;
}

void Lexicon::setWordOverlay(const QHash<QString, WordRow> &rows) {
    m_overlay.clear();
    for (auto it = rows.cbegin(); it != rows.cend(); ++it)
        m_overlay.emplace(nocaseKey(it.key()), it.value());
    for (auto &[key, e] : m_entries)
        e.overlaid.reset();
}

const Abbreviation *Abbreviations::find(const QString &written) const {
    const auto it = m_rows.constFind(written);
    return it == m_rows.cend() ? nullptr : &*it;
}

const Abbreviations &Lexicon::abbreviations() {
    if (m_abbreviations)
        return *m_abbreviations;
    m_abbreviations.emplace();
    const QString table = QStringLiteral("abbreviations");
    if (!m_db.database().tables().contains(table, Qt::CaseInsensitive))
        return *m_abbreviations;
    Recordset rs = m_db.openRecordset(QStringLiteral("SELECT * FROM abbreviations"));
    for (; !rs.eof(); rs.moveNext()) {
        const QString written = rs.text(QStringLiteral("word")).trimmed().toLower();
        const QString words = rs.text(QStringLiteral("words")).simplified().toLower();
        if (written.isEmpty() || words.isEmpty())
            continue;
        const QString position = rs.text(QStringLiteral("position")).trimmed().toLower();
        Abbreviation row{words, Abbreviation::MayEnd};
        if (position == QLatin1String("within"))
            row.kind = Abbreviation::Within;
        else if (position == QLatin1String("number"))
            row.kind = Abbreviation::BeforeNumber;
        m_abbreviations->insert(written, row);
    }
    return *m_abbreviations;
}

OptText Lexicon::metadata(const QString &attribute) {
    Recordset rs = m_db.openRecordset(QStringLiteral("SELECT * FROM metadata WHERE attribute = ?"), {attribute});
    return optText(rs, QStringLiteral("Value"));
}

void Lexicon::forgetWords() {
    m_entries.clear();
    m_lastWord.clear();
    m_lastEntry = nullptr;
}

void Lexicon::clearMemo() {
    m_entries.clear();
    m_allCollocations.reset();
    m_allFunctionWords.reset();
    m_preloadTried.clear();
    m_abbreviations.reset();
    m_lastWord.clear();
    m_lastEntry = nullptr;
}

} // namespace vocalith
