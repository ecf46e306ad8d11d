#pragma once
// The X-SAMPA rule tables. Export and import are separate lists: the import accepts
// alternative codes and the export has ambiguous ones, so neither is derived from the other.

#include "engine/textchain.h"

#include <array>
#include <span>

namespace vocalith::xsampa {

// The Chao tone letters by their one-letter names, in the order tone codes sort: B L M H T.
struct ToneLetter {
    char16_t name;
    char16_t letter;
};
// clang-format off
inline constexpr std::array<ToneLetter, 5> kToneLetters = {{
    {u'B', u'\u02E9'}, {u'L', u'\u02E8'}, {u'M', u'\u02E7'}, {u'H', u'\u02E6'}, {u'T', u'\u02E5'},
}};
// clang-format on

struct SymbolCode {
    char16_t symbol;
    const char16_t *code;
};

// Export, after the tone runs and the barred vowels: one symbol to its code, sorted by symbol.
extern const std::array<SymbolCode, 148> kExportSymbols;
// Export of ɪ and ʊ with the long stroke overlay; runs before kExportSymbols.
extern const std::array<Replacement, 2> kExportBarredVowels;
// Export of tone-letter runs: the 125 three-letter codes in tone order, then the 25 two-letter codes.
std::span<const Replacement> exportToneChain();

// The whole import chain in order (contour and long codes, tone codes, three-, two- and
// one-character codes).
std::span<const Replacement> importChain();

} // namespace vocalith::xsampa
