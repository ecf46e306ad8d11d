#include "engine/lexicon/schema.h"

namespace vocalith::schema {

QStringList lexiconTables() {
    return {
        QStringLiteral("CREATE TABLE words (word TEXT NOT NULL COLLATE NOCASE, BrE TEXT, AmE TEXT, BrE2 TEXT, "
                       "AmE2 TEXT, hiderhyme INTEGER NOT NULL DEFAULT 0)"),
        QStringLiteral("CREATE TABLE words2 (word TEXT NOT NULL COLLATE NOCASE, BrE TEXT, AmE TEXT, "
                       "hiderhyme INTEGER NOT NULL DEFAULT 0)"),
        QStringLiteral("CREATE TABLE collocations (word TEXT NOT NULL COLLATE NOCASE, PREVIOUSWORD TEXT, "
                       "FOLLOWINGWORD TEXT, AFTER TEXT, BEFORE TEXT, BrE TEXT, AmE TEXT)"),
        QStringLiteral(
            "CREATE TABLE functionwords (word TEXT NOT NULL COLLATE NOCASE, "
            "BrE_Weak TEXT, BrE_Strong TEXT, BrE_AtBeginning TEXT, BrE_AtEnd TEXT, BrE_BeforeVowel TEXT, "
            "BrE_BeforeConsonant TEXT, AmE_Weak TEXT, AmE_Strong TEXT, AmE_AtBeginning TEXT, AmE_AtEnd TEXT, "
            "AmE_BeforeVowel TEXT, AmE_BeforeConsonant TEXT)"),
        QStringLiteral("CREATE TABLE metadata (attribute TEXT NOT NULL, Value TEXT)"),
        QStringLiteral("CREATE TABLE contributors (name TEXT, \"from\" TEXT, contribution TEXT)"),
        // Optional: a lexicon without it has no abbreviations.
        QStringLiteral("CREATE TABLE abbreviations (word TEXT NOT NULL COLLATE NOCASE, words TEXT, position TEXT)"),
    };
}

QStringList lexiconIndexes() {
    return {
        QStringLiteral("CREATE INDEX words_word ON words (word)"),
        QStringLiteral("CREATE INDEX words2_word ON words2 (word)"),
        QStringLiteral("CREATE INDEX collocations_word ON collocations (word)"),
        QStringLiteral("CREATE INDEX functionwords_word ON functionwords (word)"),
        QStringLiteral("CREATE INDEX metadata_attribute ON metadata (attribute)"),
        // The rhyme finder reads only the visible rows, in word order: these cover its
        // queries (their condition is written as the queries write it, so that it applies).
        QStringLiteral("CREATE INDEX words_rhymes ON words (word, BrE2, AmE2, hiderhyme) WHERE hiderhyme=false"),
        QStringLiteral("CREATE INDEX words2_sound ON words2 (word, BrE, AmE, hiderhyme) WHERE hiderhyme=false"),
    };
}

QStringList lexiconRequiredTables() {
    return {QStringLiteral("words"), QStringLiteral("collocations"), QStringLiteral("functionwords")};
}

QStringList lexiconColumns(const QString &table) {
    if (table == QLatin1String("words"))
        return {"word", "BrE", "AmE", "BrE2", "AmE2", "hiderhyme"};
    if (table == QLatin1String("words2"))
        return {"word", "BrE", "AmE", "hiderhyme"};
    if (table == QLatin1String("collocations"))
        return {"word", "PREVIOUSWORD", "FOLLOWINGWORD", "AFTER", "BEFORE", "BrE", "AmE"};
    if (table == QLatin1String("functionwords"))
        return {"word",
                "BrE_Weak",
                "BrE_Strong",
                "BrE_AtBeginning",
                "BrE_AtEnd",
                "BrE_BeforeVowel",
                "BrE_BeforeConsonant",
                "AmE_Weak",
                "AmE_Strong",
                "AmE_AtBeginning",
                "AmE_AtEnd",
                "AmE_BeforeVowel",
                "AmE_BeforeConsonant"};
    if (table == QLatin1String("metadata"))
        return {"attribute", "Value"};
    if (table == QLatin1String("contributors"))
        return {"name", "from", "contribution"};
    if (table == QLatin1String("abbreviations"))
        return {"word", "words", "position"};
    return {};
}

} // namespace vocalith::schema
