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

const QVector<CollocationRow> &Lexicon::collocations(const QString &word) {
    auto it = m_collocations.find(word);
    if (it != m_collocations.end())
        return it->second;
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
    return m_collocations.emplace(word, std::move(rows)).first->second;
}

const std::optional<FunctionWordRow> &Lexicon::functionWord(const QString &word) {
    auto it = m_functionWords.find(word);
    if (it != m_functionWords.end())
        return it->second;
    Recordset rs = m_db.openRecordset(QStringLiteral("SELECT * FROM functionwords WHERE word = ?"), {word});
    std::optional<FunctionWordRow> row;
    if (rs.recordCount() > 0) {
        row.emplace();
        for (Accent a : {Accent::BrE, Accent::AmE})
            for (int f = 0; f < 6; ++f)
                row->forms[int(a)][f] = optText(rs, accentCode(a) + kFormSuffix[f]);
    }
    return m_functionWords.emplace(word, std::move(row)).first->second;
}

const std::optional<WordRow> &Lexicon::word(const QString &word) {
    auto it = m_words.find(word);
    if (it != m_words.end())
        return it->second;
    Recordset rs = m_db.openRecordset(QStringLiteral("SELECT BrE, AmE FROM words WHERE word = ?"), {word});
    std::optional<WordRow> row;
    if (rs.recordCount() > 0) {
        row.emplace();
        row->transcription[int(Accent::BrE)] = optText(rs, QStringLiteral("BrE"));
        row->transcription[int(Accent::AmE)] = optText(rs, QStringLiteral("AmE"));
    }
    return m_words.emplace(word, std::move(row)).first->second;
}

OptText Lexicon::metadata(const QString &attribute) {
    Recordset rs = m_db.openRecordset(QStringLiteral("SELECT * FROM metadata WHERE attribute = ?"), {attribute});
    return optText(rs, QStringLiteral("Value"));
}

void Lexicon::clearMemo() {
    m_collocations.clear();
    m_functionWords.clear();
    m_words.clear();
}

} // namespace vocalith
