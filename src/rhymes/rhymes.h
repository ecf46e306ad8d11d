#pragma once
// The rhyme finder: words of the lexicon that rhyme with a word (perfect rhyme, assonance,
// alliteration) and words whose transcription matches a sound pattern with wildcards. Both
// searches work on the stored transcriptions, never on the written words.

#include "pronunciation/accent.h"
#include "storage/database.h"

#include <QString>
#include <QVector>
#include <optional>

namespace vocalith {

namespace rhymes {

// Texts of the rhymes panel.
inline const QString kHeading = QStringLiteral("What rhymes with");
inline const QString kWordTab = QStringLiteral("Word");
inline const QString kSoundTab = QStringLiteral("Sound");
inline const QString kTabSeparator = QStringLiteral("|");
inline const QString kEnterWord = QStringLiteral("Enter a word");
inline const QString kPhonetics = QStringLiteral("Phonetics");
inline const QString kRhymeType = QStringLiteral("Type of rhyme");
inline const QString kPerfectRhyme = QStringLiteral("Perfect rhyme");
inline const QString kAssonance = QStringLiteral("Assonance");
inline const QString kAlliteration = QStringLiteral("Alliteration");
inline const QString kPerfectRhymeTip =
    QStringLiteral("Also called a full rhyme, exact rhyme, or true rhyme \u2014 is when the later part of the word or "
                   "phrase is identical sounding to another.");
inline const QString kAssonanceTip = QStringLiteral("Matching vowels. (shake, hate) ");
inline const QString kAlliterationTip =
    QStringLiteral("Also called head rhyme \u2014 matching initial consonants (short, ship)");
inline const QString kRhyme = QStringLiteral("Rhyme");
inline const QString kEnterSound = QStringLiteral("Enter a sound");
inline const QString kWildcardsHelp =
    QStringLiteral("You can use wildcards to find words with similar, but not exactly the same, sound");
inline const QString kOneSymbol = QStringLiteral("?");
inline const QString kOneSymbolHelp = QStringLiteral("Matches any single character in its position.");
inline const QString kAnySymbols = QStringLiteral("*");
inline const QString kAnySymbolsHelp = QStringLiteral("Matches any character or multiple characters in its position.");
inline const QString kAddSelected = QStringLiteral("Add selected to Editor");
// Put into the sound box when its tab is chosen: any one symbol, long i, then anything.
inline const QString kExamplePattern = QStringLiteral(u"?i\u02D0*");

// What the count label says.
inline const QString kNoWordsFound = QStringLiteral("No words found.");
inline const QString kNotInDatabase = QStringLiteral("The word is not in the database.");
inline const QString kWordsFound = QStringLiteral(" words found.");
// A sound pattern is refused past this many characters (spaces at its ends not counted).
constexpr qsizetype kMaxPatternLength = 1000;
inline const QString kPatternTooLong = QStringLiteral("The sound is too long (more than 1000 characters).");

// Text colours of the tab labels (0xRRGGBB).
constexpr unsigned kActiveTab = 0x000000;
constexpr unsigned kInactiveTab = 0xC0C0C0;

} // namespace rhymes

enum class RhymeType { Perfect, Assonance, Alliteration };

struct LastVowelResult {
    QString vowel;        // the last run of vowel symbols (length marks included); empty when there is none
    bool isFinal = false; // the transcription ends in that run
};

// The last vowel nucleus of a transcription.
LastVowelResult LastVowel(QStringView transcription);

// One row of the result list: the word as stored and its transcription between slashes,
// the affricates written with two letters.
struct RhymeRow {
    QString word;
    QString transcription;
    bool operator==(const RhymeRow &) const = default;
};

enum class SearchOutcome {
    Unchanged,     // nothing to search for (a word of spaces): the panel keeps what it shows
    NotInDatabase, // the word is not in the lexicon, or the pattern is empty
    NoWords,       // searched, nothing found
    Found,         // searched, words found
    Refused,       // not searched (a pattern too long): the count label says why
};

struct SearchResult {
    SearchOutcome outcome = SearchOutcome::Unchanged;
    QVector<RhymeRow> rows;            // the list's new content (empty unless Found)
    std::optional<QString> phonetics;  // the phonetics box's new text; nullopt leaves it
    std::optional<QString> countLabel; // the count label's new text; nullopt leaves it
};

// Rhymes of a typed word in the transcription columns BrE2/AmE2 of the lexicon's words
// table. Throws DatabaseError.
SearchResult FindRhymes(const QString &typedWord, RhymeType type, Accent accent, Connection &lexicon);

// Words of the lexicon's words2 table whose BrE/AmE transcription matches a typed pattern:
// "?" is one symbol but never a stress mark or syllable dot, "*" any run of symbols; every
// other character, "%" and "_" included, stands for itself. A pattern longer than
// kMaxPatternLength is refused. Throws DatabaseError.
SearchResult FindBySound(const QString &typedPattern, Accent accent, Connection &lexicon);

// The display form of a stored transcription: between slashes, ʧ and ʤ as tʃ and dʒ.
QString rhymeDisplay(const QString &transcription);

} // namespace vocalith
