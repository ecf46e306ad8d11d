#include "rhymes/rhymes.h"

#include "engine/textchain.h"

namespace vocalith {

namespace {

constexpr QChar kPrimaryStress = QChar(0x02C8);
constexpr QChar kSecondaryStress = QChar(0x02CC);

// The vowel symbols, the length mark counting as one.
const QString kVowels = QStringLiteral(u"aeiou\u00E6\u0251\u0252\u0254\u0259\u025C\u026A\u028A\u028C\u02D0");
// The consonant symbols, the affricates as the single letters ʧ ʤ of the rhyme columns.
const QString kConsonants = QStringLiteral(u"pbtd\u02A7\u02A4k\u0261fv\u03B8\u00F0sz\u0283\u0292mn\u014Bhlrwj");
// Endings with a syllabic consonant (and their plural and past forms); assonance leaves
// out the words that end in them.
const QString kSyllabicEndings[] = {
    QStringLiteral(u"\u0283l"), QStringLiteral(u"\u0283n"), QStringLiteral(u"tl"),       QStringLiteral(u"bl"),
    QStringLiteral(u"dl"),      QStringLiteral(u"md"),      QStringLiteral(u"\u0283lz"), QStringLiteral(u"\u0283nz"),
    QStringLiteral(u"tlz"),     QStringLiteral(u"blz"),     QStringLiteral(u"bld"),      QStringLiteral(u"dlz"),
    QStringLiteral(u"dld"),     QStringLiteral(u"mdz"),
};

// clang-format off
constexpr Replacement kDisplayAffricates[] = {
    {u"\u02A7", u"t\u0283"},
    {u"\u02A4", u"d\u0292"},
};
constexpr Replacement kWildcards[] = {
    {u"*", u"%"},
    {u"?", u"_"},
};
// clang-format on

// The typed characters that the sound search's LIKE pattern writes otherwise: the two
// wildcards, and the characters that LIKE ... ESCAPE '\' would read as wildcards or as the
// escape, which stand for themselves. The hole mask is the pattern with each "_" that is
// no wildcard written as "-", so that its "_" are the holes alone.
struct PatternCharacter {
    char16_t typed;
    const char16_t *pattern;
    const char16_t *mask;
};
// clang-format off
constexpr PatternCharacter kPatternCharacters[] = {
    {u'*',  u"%",    u"%"},
    {u'?',  u"_",    u"_"},
    {u'%',  u"\\%",  u"\\%"},
    {u'_',  u"\\_",  u"\\-"},
    {u'\\', u"\\\\", u"\\\\"},
};
// clang-format on

// The LIKE pattern of a typed sound pattern and its hole mask (same length, in characters
// and in SQLite's characters alike).
std::pair<QString, QString> soundPattern(QStringView typed) {
    QString pattern, mask;
    pattern.reserve(typed.size() + 8);
    mask.reserve(typed.size() + 8);
    for (const QChar c : typed) {
        const PatternCharacter *special = nullptr;
        for (const PatternCharacter &p : kPatternCharacters)
            if (c == QChar(p.typed))
                special = &p;
        if (special) {
            pattern += QStringView(special->pattern);
            mask += QStringView(special->mask);
        } else {
            pattern += c;
            mask += c;
        }
    }
    return {pattern, mask};
}

bool isVowel(QChar c) { return kVowels.contains(c); }
bool isConsonant(QChar c) { return kConsonants.contains(c); }

bool endsSyllabic(const QString &t) {
    for (const QString &ending : kSyllabicEndings)
        if (t.endsWith(ending))
            return true;
    return false;
}

// The column names are fixed texts chosen by accent, never user text.
QString rhymeColumn(Accent accent) { return accent == Accent::AmE ? QStringLiteral("AmE2") : QStringLiteral("BrE2"); }

QString lookupSql(const QString &column) {
    return QStringLiteral("SELECT word, %1 FROM words WHERE word = ?").arg(column);
}
// Perfect rhyme and assonance: one LIKE pattern.
QString likeSql(const QString &column) {
    return QStringLiteral("SELECT word, %1 FROM words WHERE %1 LIKE ? AND hiderhyme=false ORDER BY word").arg(column);
}
// Alliteration: the consonant at the start or right after a stress mark.
QString alliterationSql(const QString &column) {
    return QStringLiteral("SELECT word, %1 FROM words WHERE (%1 LIKE ? OR %1 LIKE ? OR %1 LIKE ?) AND "
                          "hiderhyme=false ORDER BY word")
        .arg(column);
}
// The sound search, with the pattern, its hole mask and the pattern again bound. Each
// wildcard "_" of the pattern (a hole, found in the mask) must not stand for a stress mark
// or a syllable dot: the row must not match the pattern with that "_" replaced by one of
// them. The statement derives those patterns from the bound pattern, so it stays one
// statement, within SQLite's limits on parameters and expression depth, for any number of
// holes.
QString soundSql(Accent accent) {
    return QStringLiteral(
               u"WITH RECURSIVE p(pattern, mask) AS (SELECT ?, ?),"
               u" mark(m) AS (VALUES ('\u02C8'), ('\u02CC'), ('.')),"
               u" hole(i) AS (SELECT instr(mask, '_') FROM p"
               u"   UNION ALL SELECT i + instr(substr(mask, i + 1), '_') FROM hole, p"
               u"   WHERE i > 0 AND instr(substr(mask, i + 1), '_') > 0)"
               u" SELECT w.word, w.%1 FROM words2 AS w WHERE w.%1 LIKE ? ESCAPE '\\' AND w.hiderhyme=false"
               u" AND NOT EXISTS (SELECT 1 FROM hole, mark, p WHERE hole.i > 0"
               u"   AND w.%1 LIKE substr(p.pattern, 1, hole.i - 1) || mark.m || substr(p.pattern, hole.i + 1)"
               u"   ESCAPE '\\')"
               u" ORDER BY w.word")
        .arg(accentCode(accent));
}

QString countLabel(qsizetype count) {
    return count == 0 ? rhymes::kNoWordsFound : QString::number(count) + rhymes::kWordsFound;
}

SearchResult found(QVector<RhymeRow> rows, std::optional<QString> phonetics) {
    SearchResult r;
    r.outcome = rows.isEmpty() ? SearchOutcome::NoWords : SearchOutcome::Found;
    r.countLabel = countLabel(rows.size());
    r.rows = std::move(rows);
    r.phonetics = std::move(phonetics);
    return r;
}

SearchResult notInDatabase() {
    SearchResult r;
    r.outcome = SearchOutcome::NotInDatabase;
    r.phonetics = QString();
    r.countLabel = rhymes::kNotInDatabase;
    return r;
}

// The LIKE patterns of a rhyme search; empty when there is nothing to search for.
QVariantList rhymePatterns(RhymeType type, const QString &t, const LastVowelResult &vowel) {
    switch (type) {
    case RhymeType::Perfect: {
        // From the vowel of the stressed syllable (of the whole word without a stress mark) to the end.
        const qsizetype stress = t.indexOf(kPrimaryStress);
        qsizetype from = stress < 0 ? 0 : stress + 1;
        while (from < t.size() && isConsonant(t[from]))
            ++from;
        return {QLatin1Char('%') + t.mid(from)};
    }
    case RhymeType::Alliteration: {
        QString bare = t;
        bare.remove(QLatin1Char('\'')).remove(kPrimaryStress).remove(kSecondaryStress);
        if (bare.isEmpty() || !isConsonant(bare[0]))
            return {};
        const QString c = bare.left(1);
        return {c + QLatin1Char('%'), kPrimaryStress + c + QLatin1Char('%'), kSecondaryStress + c + QLatin1Char('%')};
    }
    case RhymeType::Assonance:
        if (vowel.vowel.isEmpty())
            return {};
        return {QLatin1Char('%') + vowel.vowel + (vowel.isFinal ? QString() : QStringLiteral("%"))};
    }
    return {};
}

} // namespace

LastVowelResult LastVowel(QStringView t) {
    qsizetype end = t.size();
    while (end > 0 && !isVowel(t[end - 1]))
        --end;
    if (end == 0)
        return {};
    qsizetype start = end;
    while (start > 0 && isVowel(t[start - 1]))
        --start;
    return {t.mid(start, end - start).toString(), end == t.size()};
}

QString rhymeDisplay(const QString &transcription) {
    return QLatin1Char('/') + applied(transcription, kDisplayAffricates) + QLatin1Char('/');
}

SearchResult FindRhymes(const QString &typedWord, RhymeType type, Accent accent, Connection &lexicon) {
    const QString word = trimSpaces(typedWord.toLower());
    if (word.isEmpty())
        return {};
    const QString column = rhymeColumn(accent);
    Recordset entry = lexicon.openRecordset(lookupSql(column), {word});
    // A word without a transcription in this accent has nothing to rhyme with.
    if (entry.recordCount() < 1 || entry.value(0, 1).isNull())
        return notInDatabase();
    const QString t = entry.value(0, 1).toString();
    const QString phonetics = QLatin1Char('/') + t + QLatin1Char('/');

    const LastVowelResult vowel = type == RhymeType::Assonance ? LastVowel(t) : LastVowelResult{};
    const QVariantList patterns = rhymePatterns(type, t, vowel);
    if (patterns.isEmpty()) // no consonant to alliterate on, no vowel to match
        return found({}, phonetics);
    const Recordset candidates =
        lexicon.openRecordset(type == RhymeType::Alliteration ? alliterationSql(column) : likeSql(column), patterns);

    QVector<RhymeRow> rows;
    rows.reserve(candidates.recordCount());
    for (int i = 0; i < candidates.recordCount(); ++i) {
        const QString w = candidates.value(i, 0).toString();
        const QString c = candidates.value(i, 1).toString();
        if (w.toLower() == word)
            continue;
        if (type == RhymeType::Assonance) {
            const LastVowelResult v = LastVowel(c);
            if (v.vowel != vowel.vowel || v.isFinal != vowel.isFinal || endsSyllabic(c))
                continue;
        }
        rows.push_back({w, rhymeDisplay(c)});
    }
    return found(std::move(rows), phonetics);
}

SearchResult FindBySound(const QString &typedPattern, Accent accent, Connection &lexicon) {
    const QString typed = trimSpaces(typedPattern.toLower());
    if (typed.isEmpty())
        return notInDatabase();
    if (typed.size() > rhymes::kMaxPatternLength) {
        SearchResult r;
        r.outcome = SearchOutcome::Refused;
        r.countLabel = rhymes::kPatternTooLong;
        return r;
    }
    // A row whose word is written as the pattern is the word itself.
    const QString pattern = applied(typed, kWildcards);
    const auto [like, mask] = soundPattern(typed);
    const Recordset candidates = lexicon.openRecordset(soundSql(accent), {like, mask, like});

    QVector<RhymeRow> rows;
    rows.reserve(candidates.recordCount());
    for (int i = 0; i < candidates.recordCount(); ++i) {
        const QString w = candidates.value(i, 0).toString();
        if (w.toLower() == pattern)
            continue;
        rows.push_back({w, rhymeDisplay(candidates.value(i, 1).toString())});
    }
    return found(std::move(rows), std::nullopt);
}

} // namespace vocalith
