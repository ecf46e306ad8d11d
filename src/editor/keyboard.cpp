#include "editor/keyboard.h"

namespace vocalith {

const QString kKeyboardTitle = QStringLiteral("Phonetic editor");
const QString kAddSymbolTip = QStringLiteral("Add IPA symbol");
const QString kRecentSymbolsTip = QStringLiteral("Buttons with symbols more recently used in IPA Symbols dialog");
const QString kShowMoreSymbols = QStringLiteral("Show more IPA Symbols");
const QString kFromEditorTip = QStringLiteral("Get text from phonetic editor textarea");
const QString kSlash = QStringLiteral("/");
const QString kVertical = QStringLiteral("|");

namespace {

// clang-format off
const SymbolEntry kPhonemes[] = {
    {u"p", u"voiceless bilabial plosive, English p"},
    {u"b", u"voiced bilabial plosive, English b"},
    {u"t", u"voiceless alveolar (sometimes: dental) plosive, English t"},
    {u"d", u"voiced alveolar (sometimes: dental) plosive, English d"},
    {u"t\u0283", u"voiceless palato-alveolar affricate, English ch"},
    {u"d\u0292", u"voiced palato-alveolar affricate, English j"},
    {u"k", u"voiceless velar plosive, English k"},
    {u"\u0261", u"voiced velar plosive, English 'hard' g"},
    {u"f", u"voiceless labiodental fricative, English f"},
    {u"v", u"voiced labiodental fricative, English v"},
    {u"\u03B8", u"voiceless dental fricative, English th"},
    {u"\u00F0", u"voiced dental fricative, English father"},
    {u"s", u"voiceless alveolar fricative, English s"},
    {u"z", u"voiced alveolar fricative, English z"},
    {u"\u0283", u"voiceless plato-alveolar fricative, English sh"},
    {u"\u0292", u"voiced plato-alveolar fricative, in English measure"},
    {u"m", u"voiced bilabial nasal, English m"},
    {u"n", u"voiced alveolar (sometimes:dental) nasal, English n"},
    {u"\u014B", u"voiced velar nasal, English ng"},
    {u"h", u"voiceless glottal fricative, English h"},
    {u"l", u"voiced alveolar lateral, English l"},
    {u"r", u"voiced post-alveolar approximant, in English red"},
    {u"w", u"voiced labial-velar approximant (semivowel), English w"},
    {u"j", u"voiced palatal approximant (semivowel), English y in yet"},
    {u"i\u02D0", u""},
    {u"i", u"close front rounded vowel"},
    {u"\u026A", u"lax (lowered-centralized) [i], English kit"},
    {u"\u028A", u"lax (lowered-centralized) [u], English foot"},
    {u"u", u"close back rounded vowel"},
    {u"u\u02D0", u""},
    {u"e", u"close-mid front unrounded vowel"},
    {u"\u0259", u""},
    {u"\u025C\u02D0", u""},
    {u"\u0254\u02D0", u""},
    {u"\u00E6", u""},
    {u"\u028C", u""},
    {u"\u0251\u02D0", u""},
    {u"\u0252", u""},
    {u"\u026A\u0259", u""},
    {u"e\u026A", u""},
    {u"\u028A\u0259", u""},
    {u"\u0254\u026A", u""},
    {u"\u0259\u028A", u""},
    {u"o\u028A", u""},
    {u"e\u0259", u""},
    {u"a\u026A", u""},
    {u"a\u028A", u""},
    {u"\u02C8", u"(primary) stress mark"},
    {u"\u02CC", u"secondary stress"},
    {u"\u0329", u"syllabic"},
};
// clang-format on

// clang-format off
const ButtonGroup kGroups[] = {
    {"Consonants", 0, 24},
    {"Vowels", 24, 14},
    {"Diphthongs", 38, 9},
    {"Stress", 47, 2},
    {"Syllabic=", 49, 1},
};
// clang-format on

// clang-format off
const char16_t *const kInitialSymbols[kSymbolButtonCount] = {
    u"\u02D0", u"\u02D1", u"\u02BC", u"\u02B4", u"\u02B0", u"\u02B1", u"\u02B2",
    u"\u02B7", u"\u02E0", u"\u02E4", u"\u02DE", u"\u0294", u"\u02A1",
};
// clang-format on

} // namespace

std::span<const SymbolEntry> phonemeButtons() { return kPhonemes; }
std::span<const ButtonGroup> phonemeGroups() { return kGroups; }

RecentSymbols::RecentSymbols() {
    for (int i = 0; i < kSymbolButtonCount; ++i)
        m_buttons[size_t(i)] = {QString::fromUtf16(kInitialSymbols[i]), kAddSymbolTip};
}

bool RecentSymbols::pick(const QString &symbol, const QString &description) {
    for (int i = 1; i < kSymbolButtonCount; ++i)
        if (m_buttons[size_t(i)].symbol == symbol)
            return false;
    for (int k = kSymbolButtonCount - 1; k >= 2; --k)
        m_buttons[size_t(k)] = m_buttons[size_t(k - 1)];
    m_buttons[1] = {symbol, description};
    return true;
}

void RecentSymbols::restore(std::span<const SymbolButton> recent) {
    *this = RecentSymbols();
    for (size_t i = 0; i < recent.size() && i + 1 < size_t(kSymbolButtonCount); ++i)
        m_buttons[i + 1] = recent[i];
}

QString displayCaption(const QString &symbol) {
    if (!symbol.isEmpty() && symbol.at(0).category() == QChar::Mark_NonSpacing)
        return QStringLiteral("\u25CC") + symbol;
    return symbol;
}

QString keyFace(const QString &symbol) {
    if (symbol == QStringLiteral(u"\u0329"))
        return QStringLiteral(u"n\u0329");
    return displayCaption(symbol);
}

} // namespace vocalith
