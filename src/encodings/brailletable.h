#pragma once
// The Braille table: each symbol (one UTF-16 unit) and its one to three cells.

#include <array>

namespace vocalith::braille {

struct BrailleCode {
    char16_t symbol;
    const char16_t *cells;
};

extern const std::array<BrailleCode, 176> BrailleTable;

} // namespace vocalith::braille
