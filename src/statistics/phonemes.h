#pragma once
// The 52 phonemes the statistics count and the counting itself: longest phonemes first,
// each one found blotted out of the working text, so that a diphthong is not counted
// again as its two vowels.

#include <QString>
#include <QStringView>
#include <array>
#include <functional>
#include <optional>

namespace vocalith {

enum class PhonemeGroup { Consonants, Vowels, Diphthongs, Triphthongs };

struct Phoneme {
    const char16_t *symbol;
    PhonemeGroup group;
    // Counting pass: 1 triphthongs, 2 diphthongs, 3 long vowels, 4 affricates, 5 the rest.
    // Within a pass the rows are counted in row order.
    int pass;
};

inline constexpr int kPhonemeCount = 52;

// The phonemes in row order (the order of the windows, the report and the command line).
extern const std::array<Phoneme, kPhonemeCount> kPhonemes;

// Row indexes in counting order: by pass, then by row.
const std::array<int, kPhonemeCount> &countingOrder();

using PhonemeCounts = std::array<qint64, kPhonemeCount>;

// Called after each counted phoneme with the number counted so far (1 to 52); returning
// false stops the count.
using CountProgress = std::function<bool(int counted)>;

// The counts of the 52 phonemes in a text, by row; upper-case letters count as their
// lower-case forms. nullopt when progress stopped the count.
std::optional<PhonemeCounts> countPhonemes(const QString &text, const CountProgress &progress = {});

// The text without the repeated words: a word (a piece between delimiters) that occurred
// before is dropped with its delimiter; only whole words are compared.
QString RemoveDuplicateWords(const QString &text, QChar delimiter);

// The text the statistics read from the editor's text: line breaks (CR LF) as spaces and
// decimal character references as their characters.
QString analysedText(QString editorText);

} // namespace vocalith
