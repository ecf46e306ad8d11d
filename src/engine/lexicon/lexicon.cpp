#include "engine/lexicon/lexicon.h"

namespace vocalith {

namespace {
OptText optText(const Recordset &rs, const QString &column) {
    const QVariant v = rs.field(column);
    if (v.isNull())
        return std::nullopt;
    return v.toString();
}

const QString kFormSuffix[6] = {QStringLiteral("_Weak"),      QStringLiteral("_Strong"),
                                QStringLiteral("_AtBeginning"), QStringLiteral("_AtEnd"),
                                QStringLiteral("_BeforeVowel"), QStringLiteral("_BeforeConsonant")};
} // namespace

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
    Recordset rs = m_db.openRecordset(QStringLiteral("SELECT * FROM collocations WHERE word = ?"), {word});
    QVector<CollocationRow> rows;
    for (; !rs.eof(); rs.moveNext()) {
        CollocationRow r;
        r.previous = optText(rs, QStringLiteral("PREVIOUSWORD"));
        r.following = optText(rs, QStringLiteral("FOLLOWINGWORD"));
        r.after = optText(rs, QStringLiteral("AFTER"));
        r.before = optText(rs, QStringLiteral("BEFORE"));
        r.transcription[int(Accent::BrE)] = optText(rs, QStringLiteral("BrE"));
        r.transcription[int(Accent::AmE)] = optText(rs, QStringLiteral("Ame"));
        rows.push_back(std::move(r));
    }
    e.collocations = std::move(rows);
    return *e.collocations;
}

const std::optional<FunctionWordRow> &Lexicon::functionWord(const QString &word) {
    Entry &e = entry(word);
    if (e.functionWord)
        return *e.functionWord;
    Recordset rs = m_db.openRecordset(QStringLiteral("SELECT * FROM functionwords WHERE word = ?"), {word});
    std::optional<FunctionWordRow> row;
    if (rs.recordCount() > 0) {
        row.emplace();
        for (Accent a : {Accent::BrE, Accent::AmE})
            for (int f = 0; f < 6; ++f)
                row->forms[int(a)][f] = optText(rs, accentCode(a) + kFormSuffix[f]);
    }
    e.functionWord = std::move(row);
    return *e.functionWord;
}

const std::optional<WordRow> &Lexicon::word(const QString &word) {
    Entry &e = entry(word);
    if (e.word)
        return *e.word;
    Recordset rs = m_db.openRecordset(QStringLiteral("SELECT BrE, AmE FROM words WHERE word = ?"), {word});
    std::optional<WordRow> row;
    if (rs.recordCount() > 0) {
        row.emplace();
        row->transcription[int(Accent::BrE)] = optText(rs, QStringLiteral("BrE"));
        row->transcription[int(Accent::AmE)] = optText(rs, QStringLiteral("AmE"));
    }
    e.word = std::move(row);
    return *e.word;
}

OptText Lexicon::metadata(const QString &attribute) {
    Recordset rs = m_db.openRecordset(QStringLiteral("SELECT * FROM metadata WHERE attribute = ?"), {attribute});
    return optText(rs, QStringLiteral("Value"));
}

void Lexicon::clearMemo() {
    m_entries.clear();
    m_lastWord.clear();
    m_lastEntry = nullptr;
}

} // namespace vocalith
